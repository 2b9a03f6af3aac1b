#pragma once

#include "core/drawing/frame.h"
#include "core/physics/inclined_plane_model.h"
#include "core/simulations/enlarged.h"
#include "core/simulations/run_clock.h"

#include <QList>

// What the inclined-plane window draws, in twips of a W × H picture, y
// downwards. The slope rises to the right from the fixed corner
// O = (0.2W, 0.85H), 0.75W long; one metre along it is 0.65W, and the block
// starts one metre up from O, floating 0.025H above the slope, 0.1W long and
// 0.1H thick. Forces are drawn as accelerations: the weight, 9.8 m/s², is
// 0.1W long, the friction 0.01W per m/s². The plane is black, the block
// blue, the weight red, its component into the plane and the normal force
// green, its component along the slope and the friction yellow, the strobe
// marks blue; every line is 2 pixels wide.
namespace simulation::inclined_plane {

using core::Point;

// The points of the picture: T the top corner of the plane; B1, B2 the
// block's corners on the face towards the slope (downhill, uphill), B3, B4
// those on the outer face; C its centre, the tail of every force; G, Q, N, F
// the tips of the weight, its component into the plane, the normal force
// and the friction.
struct Scene {
    Point T, B1, B2, B3, B4, C, G, Q, N, F;
};

// The block at the start position, one metre up the slope.
Scene startScene(const Incline &incline, double w, double h);

// The scene one tick of `clock` later: every point but T moved down the
// slope by the difference of s(t) = a t²/2 between the clock's previous and
// current time, at 0.65W per metre. The points move tick by tick, as they
// always have, rather than being placed anew from s(t): the rasterizer draws
// a strobe mark differently for a change in the last bit of its centre.
Scene slide(const Scene &scene, const Incline &incline, const core::RunClock &clock, double w);

// The block where it is and how the picture shows it.
struct Pose {
    Incline incline;
    Scene at;
    // Drawn by a tick of a run: the friction keeps its head even with no
    // length (μ 0), where it sits on the block's centre.
    bool sliding = false;
};

// The parts a change of angle, friction or time moves: plane, block and
// the five forces with half-circle heads.
core::Frame frame(const Pose &pose, double w, double h);

// "Ampliar dibujo" (enlarged.h): the five forces at one scale, twips per
// N/kg (the block has no mass: each force is drawn per kilogram of it),
// worked out for the set-up from where the run starts and where it can end.
double enlargedScale(const Incline &incline, double w, double h);
// The scene with its forces drawn `perUnit` twips per N/kg from C.
Scene withForcesAt(const Scene &scene, const Incline &incline, double perUnit);
// In the top right-hand corner, clear of the title and of every force.
enlarged::ScaleLine scaleLine(double perUnit, double w, double h);

// What the window shows while loading: the ground, and the block resting
// flat on it at the right with its weight and normal force only.
core::Frame loadFrame(double w, double h);

// The run is over once the block's lower downhill corner B1 has passed the
// line 0.025H above the ground.
bool pastFloor(const Scene &scene, double h);

// The title; drawn once while loading, before anything else, and never
// crossed by the moving parts.
void drawFixedParts(core::Canvas &canvas);

// Both strips that hold the strobe marks, in the background colour.
core::Frame strobeStrips(double w, double h);

// The marks of B1 where it is: its height on the left strip, its horizontal
// place on the bottom one.
QList<Point> strobePoints(const Scene &scene, double w, double h);

} // namespace simulation::inclined_plane
