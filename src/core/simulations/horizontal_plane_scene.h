#pragma once

#include "core/physics/horizontal_plane_model.h"
#include "core/drawing/frame.h"

#include <array>
#include <vector>

// The picture of the horizontal plane: a table with two legs, a pulley on a
// bracket at its right end, block 1 on the table and block 2 hanging beside
// it, the cord, and four force arrows drawn to scale from the block centres
// (red tensions, yellow friction, green weight). Every position is a
// fraction of the picture's width W and height H, in twips.
namespace simulation::horizontal_plane {

// What the moving parts show at one moment.
struct State {
    Setup setup;
    // The tension the red arrows show, N. The window keeps the last one
    // where there is no solution.
    double tension = 0;
    // Seconds on the run clock since the blocks left the start position.
    double time = 0;
};

struct Blocks {
    core::Rect one;
    core::Rect two;
};

// At the start block 1 keeps its right edge and widens to the left by
// 0.001 W per kilogram; block 2 keeps its top and lengthens downwards by
// 0.001 H per kilogram. Both then travel ½ a t², each on its own scale: one
// metre takes a block 2 of 50 kg from its first place down to the floor
// line, and block 1 as many twips across as 0.84 W − 0.325 H.
//
// The travel is the sum of the steps of the run clock, the change of ½ a t²
// from one tick to the next, as each tick has always moved the blocks: ½ a t²
// taken at once differs in the last bits, and that is enough to move a
// strobe mark by a pixel.
Blocks blocksAt(const State &state, double W, double H);

// Blocks, cords and arrows. An arrow ends in a half circle, or in a dot
// where it stands for no force (the friction arrow: where there is no
// friction at all).
core::Frame frame(const State &state, double W, double H);

// The table, its legs, the pulley and its bracket: never moved, drawn again
// after every erase because a block may have crossed them.
core::Frame fixedParts(double W, double H);

// Block 2 has passed the floor line at 0.84 H; touching it is not enough.
bool pastFloor(const State &state, double W, double H);

// The two bands that take the strobe marks of a run, filled with the
// background to clear them.
core::Frame strobeStrips(double W, double H);
// Where the marks of this moment go: at block 1's right edge in the top
// band and at block 2's bottom edge in the right band.
std::array<core::Point, 2> strobeMarksAt(const State &state, double W, double H);
core::Frame strobeMarks(const std::vector<core::Point> &marks);

} // namespace simulation::horizontal_plane
