#pragma once

#include "simulations/atwood/atwood_model.h"
#include "core/canvas.h"

// The Atwood machine as drawn on a picture with a cyan background: a title,
// the pulley, two cords, two blue blocks whose height grows with their mass,
// and on each block a red weight arrow and a green tension arrow to scale.
// Geometry is given as fractions of the picture's width W and height H, read
// at each use. Nothing is cleared as a whole: a shape goes away by being
// drawn again, at the same place, in cyan.
namespace atwood::scene {

// Force arrows: one unit of force (a mass of 1 times g) is 0.0001·H long.
constexpr double ArrowGravity = 9.81;
constexpr double ForceScale = 0.0001;
// The angle of the half-circle caps.
constexpr double PiValue = 3.1416;
constexpr double CapRadius = 60;
constexpr double DotRadius = 30;
constexpr double StrobeRadius = 30;

// Line width and font size for everything the window draws.
void setUp(core::Canvas &canvas);
// The two title lines at the top left.
void drawTitle(core::Canvas &canvas);
// Centre of the pulley: (0.5·W, 0.16·H).
double pulleyX(const core::Canvas &canvas);
double pulleyY(const core::Canvas &canvas);
// Rim and axle; drawn once, never erased.
void drawPulley(core::Canvas &canvas, double pulleyX, double pulleyY);

// The blocks and arrows at rest for masses m1 and m2. The tension arrows end
// in a cap when tension ≠ 0 (the window's tension, as last computed), the
// weight arrows when their mass ≠ 0; otherwise in a dot.
Shapes startShapes(const core::Canvas &canvas, int m1, int m2, double tension);

// Cords, blocks, then the weight arrows and the tension arrows: the order of
// a scene drawn at rest.
void drawAtRest(core::Canvas &canvas, const Shapes &shapes, double pulleyY);
// Cords, blocks, then the tension arrows and the weight arrows: the order of
// a scene drawn by a tick of motion.
void drawMoving(core::Canvas &canvas, const Shapes &shapes, double pulleyY);
// The same shapes in cyan, each arrow with the mark it was drawn with.
void erase(core::Canvas &canvas, const Shapes &shapes, double pulleyY);

// The strips beside the blocks that hold the strobe marks.
void clearStrobeZones(core::Canvas &canvas);
// A blue dot beside each block at the height of its bottom edge.
void drawStrobeMarks(core::Canvas &canvas, const Shapes &shapes);

} // namespace atwood::scene
