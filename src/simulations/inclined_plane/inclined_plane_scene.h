#pragma once

#include "simulations/inclined_plane/inclined_plane_model.h"

namespace core {
class Canvas;
}

// What the inclined-plane window draws: the title, the plane (black), the
// block (blue), five forces with half-circle caps as heads (weight red;
// component into the plane and normal green; component along the slope and
// friction yellow) and blue strobe marks on two strips.
//
// Nothing is cleared wholesale: a redraw first draws the previous scene
// again in the background colour, then the new one, so the title and the
// strobe marks stay.
namespace inclined_plane {

constexpr double CapRadius = 60;
constexpr double StrobeRadius = 30;

enum class Force { Weight, IntoPlane, AlongSlope, Normal, Friction };

// A half circle of CapRadius at the head of a force: centre and the angles
// (radians, counter-clockwise on screen) it runs between.
struct Cap {
    Point centre;
    double start = 0;
    double end = 0;
};

// The head of each force of `scene` drawn at this angle. Every cap but the
// weight's is centred CapRadius back from the tip, so its apex touches the
// tip; the weight's is centred 60 sin θ above its tip.
Cap capOf(Force force, const Scene &scene, int angleDegrees);

// While loading: title, ground, the block resting flat with weight and
// normal force. The scene of angle 0 becomes the one to erase next.
void drawLoadScene(core::Canvas &canvas, State &state);

// After a scroll bar moved: clears the strips, sets the block at the start
// position for the angle and state.mu, erases the previous scene and draws
// the new one.
void redrawForScroll(core::Canvas &canvas, State &state, int angleDegrees);

// After the block moved one tick: erases the block and forces where they
// were, repairs the plane, draws them where they are, and every tenth tick
// leaves a strobe mark of the block's lower downhill corner on each strip.
void redrawForTick(core::Canvas &canvas, State &state, int angleDegrees);

// Paints both strobe strips in the background colour.
void clearStrobeStrips(core::Canvas &canvas);

} // namespace inclined_plane
