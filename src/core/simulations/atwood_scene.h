#pragma once

#include "core/physics/atwood_model.h"
#include "core/drawing/canvas.h"
#include "core/drawing/frame.h"

#include <array>
#include <vector>

// The Atwood machine as drawn on a picture with a cyan background, in twips:
// a title, the pulley, two cords, two blue blocks whose height grows with
// their mass, and on each block a red weight arrow and a green tension arrow
// to scale. Geometry is given as fractions of the picture's width W and
// height H, read at each use.
namespace simulation::atwood {

// The machine as the picture shows it at one moment of a run.
struct FrameState {
    Machine machine;
    // The masses when the window loaded. The bottom edges of their blocks at
    // rest lie one metre above the floor line: that fixes the twips per
    // metre of each block for good.
    Machine loaded;
    // Seconds since the run started; at 0 the blocks rest at the start.
    double time = 0;
};

// Cords, blocks and the four force arrows. A weight of one unit of mass
// (mass × 9.81) is 0.0001·H long; an arrow standing for no force ends in a
// dot. At rest the weights are drawn before the tensions, in motion after
// them: where the two arrows meet, at a block's centre, the last one shows.
core::Frame frame(const FrameState &state, double W, double H);

// The title and the pulley, with the line width and font size of everything
// the picture shows. They never move.
void drawFixedParts(core::Canvas &canvas);

// True once the sinking block's bottom edge is below the floor line, 0.94·H.
bool pastFloor(const FrameState &state, double H);

// A mark beside each block at the height of its bottom edge.
std::array<core::Point, 2> strobeMarks(const FrameState &state, double W, double H);
core::Frame strobeMarkFrame(const std::vector<core::Point> &marks);
// The strips beside the blocks that hold the strobe marks, filled with the
// background colour: drawn, they clear every mark.
core::Frame strobeZones(double W, double H);

} // namespace simulation::atwood
