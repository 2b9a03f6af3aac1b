#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/frame.h"
#include "core/physics/atwood_model.h"
#include "core/simulations/enlarged.h"
#include "core/simulations/run_clock.h"

#include <QList>

#include <array>

// The Atwood machine as drawn on a picture with a cyan background, in twips:
// a title, the pulley, two cords, two blue blocks whose height grows with
// their mass, and on each block a red weight arrow and a green tension arrow
// to scale. Geometry is given as fractions of the picture's width W and
// height H, read at each use.
namespace simulation::atwood {

// A force arrow from a block's centre.
struct Arrow {
    core::Point tail;
    core::Point tip;
    bool force = false; // false: the arrow stands for no force and ends in a dot
};

// One block with its weight and the pull of the cord.
struct Hanging {
    core::Rect block;
    Arrow weight;
    Arrow pull;
};

using Blocks = std::array<Hanging, 2>;

// Both blocks at rest at the start, 0.001·H tall per kilogram, their tops at
// 0.6·H. A weight of one unit of mass (mass × 9.81) is 0.0001·H long.
Blocks atRest(const Machine &machine, double w, double h);

// The blocks one tick of `clock` later: each moved by the change of ½·a·t²
// between the clock's previous and current time, on its own scale, block 1
// down when it is the heavier and block 2 the other way. `loaded` holds the
// masses the window loaded with: the bottom edges of their blocks at rest lie
// one metre above the floor line, which fixes each block's twips per metre.
Blocks lower(const Blocks &blocks, const Machine &machine, const Machine &loaded, const core::RunClock &clock,
             double h);

// Cords, blocks and the four force arrows. At rest the weights are drawn
// before the tensions, in motion after them: where the two arrows meet, at
// a block's centre, the last one shows.
core::Frame frame(const Blocks &blocks, bool moving, double h);

// "Ampliar dibujo" (enlarged.h): each block as tall as its mass at one
// scale, the sinking one growing up from its bottom edge and the other down
// from its top, so that neither meets the floor line or the pulley sooner;
// the arrows at one scale, the forces with the simulation's g. Worked out
// once for a set-up, from where the run starts and where it can end.
struct Enlarged {
    std::array<double, 2> heights{};
    double perNewton = 0;
};
Enlarged enlarge(const Machine &machine, const Machine &loaded, double w, double h);
// The same blocks, where `blocks` has them, drawn that way: draw them with
// frame().
Blocks enlargedBlocks(const Blocks &blocks, const Machine &machine, const Enlarged &enlarged);
// In the bottom right-hand corner, the bar upright like the arrows.
enlarged::ScaleLine scaleLine(const Enlarged &enlarged, double w, double h);

// The title and the pulley, with the line width and font size of everything
// the picture shows. They never move.
void drawFixedParts(core::Canvas &canvas);

// True once the sinking block's bottom edge is below the floor line, 0.94·H.
bool pastFloor(const Blocks &blocks, const Machine &machine, double h);

// A mark beside each block at the height of its bottom edge.
QList<core::Point> strobePoints(const Blocks &blocks, double w);
// The strips beside the blocks that hold the strobe marks, filled with the
// background colour: drawn, they clear every mark.
core::Frame strobeStrips(double w, double h);

} // namespace simulation::atwood
