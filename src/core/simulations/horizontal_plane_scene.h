#pragma once

#include "core/drawing/frame.h"
#include "core/physics/horizontal_plane_model.h"
#include "core/simulations/enlarged.h"
#include "core/simulations/run_clock.h"

#include <QList>

// The picture of the horizontal plane: a table with two legs, a pulley on a
// bracket at its right end, block 1 on the table and block 2 hanging beside
// it, the cord, and four force arrows drawn to scale from the block centres
// (red tensions, yellow friction, green weight). Every position is a
// fraction of the picture's width W and height H, in twips.
namespace simulation::horizontal_plane {

struct Blocks {
    core::Rect one;
    core::Rect two;
};

// At the start block 1 keeps its right edge and widens to the left by
// 0.001 W per kilogram; block 2 keeps its top and lengthens downwards by
// 0.001 H per kilogram.
Blocks startBlocks(const Setup &setup, double W, double H);

// The blocks one tick of `clock` later: both travel the change of ½ a t²
// between the clock's previous and current time, each on its own scale. One
// metre takes block 2 from 0.325 H, where a block 2 of 50 kg starts, down to
// the floor line, and block 1 as many twips across as 0.84 W − 0.325 H.
Blocks slide(const Blocks &blocks, const Setup &setup, const core::RunClock &clock, double W, double H);

// Blocks, cords and arrows; the red arrows show `tension` (N). An arrow
// ends in a half circle, or in a dot where it stands for no force (the
// friction arrow: where there is no friction at all).
core::Frame frame(const Blocks &blocks, const Setup &setup, double tension, double W, double H);

// "Ampliar dibujo" (enlarged.h): both blocks as wide as their masses at one
// scale, block 1 as tall as designed, block 2 0.075 H; block 1 keeps its
// right edge and block 2, centred on its cord, its bottom edge. Worked out
// once for a set-up, from where the run starts and where it can end.
struct Enlarged {
    double width1 = 0;
    double width2 = 0;
    double perNewton = 0; // every arrow
};
Enlarged enlarge(const Setup &setup, double tension, double W, double H);
// The same blocks, where `blocks` has them, drawn that way.
core::Frame enlargedFrame(const Blocks &blocks, const Setup &setup, double tension, const Enlarged &enlarged, double W,
                          double H);
// Under the table, between its legs.
enlarged::ScaleLine scaleLine(const Enlarged &enlarged, double W, double H);

// The table, its legs, the pulley and its bracket: never moved, drawn again
// after every erase because a block may have crossed them.
core::Frame fixedParts(double W, double H);

// Block 2 has passed the floor line at 0.84 H; touching it is not enough.
bool pastFloor(const Blocks &blocks, double H);

// The two bands that take the strobe marks of a run, filled with the
// background to clear them.
core::Frame strobeStrips(double W, double H);
// Where the marks of this moment go: at block 1's right edge in the top
// band and at block 2's bottom edge in the right band.
QList<core::Point> strobePoints(const Blocks &blocks, double W, double H);

} // namespace simulation::horizontal_plane
