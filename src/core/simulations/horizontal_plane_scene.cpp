#include "core/simulations/horizontal_plane_scene.h"

#include "core/constants.h"

namespace simulation::horizontal_plane {

namespace {

using core::Point;

constexpr int LineWidth = 2; // pixels
// Arrow lengths are 0.00015 of the picture's side per newton.
constexpr double ArrowScale = 0.00015;

constexpr double PulleyX = 0.873; // of W
constexpr double PulleyY = 0.1565; // of H
constexpr double FloorLine = 0.84; // of H
// Block 2's bottom edge at the start of the first run, where its travel is
// measured from.
constexpr double FirstBottom = 0.325; // of H

Point centre(const core::Rect &r)
{
    return {r.centreX(), r.centreY()};
}

// The arrow along (dx, dy) from `tail`, `length` twips long. Its half circle
// faces the way the arrow points: it runs from `start` to `end`.
void arrow(core::Frame &f, Point tail, double dx, double dy, double length, bool dot, double start, double end,
           core::Rgb colour)
{
    const Point tip{tail.x + dx * length, tail.y + dy * length};
    if (dot)
        f.arrowWithDot(tail, tip, colour);
    else
        f.arrow(tail, tip, colour, core::capBehind(tip, dx, dy, start, end));
}

} // namespace

Blocks startBlocks(const Setup &setup, double W, double H)
{
    return {
        {(0.2 - setup.m1 * 0.001) * W, 0.08 * H, 0.2 * W, 0.18 * H},
        {0.85 * W, 0.275 * H, 0.95 * W, (setup.m2 * 0.001 + 0.275) * H},
    };
}

Blocks slide(const Blocks &blocks, const Setup &setup, const core::RunClock &clock, double W, double H)
{
    const double pull = drive(setup) * (constants::SimulationGravity / 2);
    const double total = setup.m1 + setup.m2;
    const double squares = clock.time() * clock.time() - clock.previousTime() * clock.previousTime();
    // In this order of operations the edges fall on the pixels where the
    // ticks have always put them: a strobe mark moves for a change in the
    // last bit of its centre.
    const double across = pull * (0.84 * W - FirstBottom * H) * squares / total;
    const double down = pull * (FloorLine * H - FirstBottom * H) * squares / total;
    Blocks moved = blocks;
    moved.one.left += across;
    moved.one.right += across;
    moved.two.top += down;
    moved.two.bottom += down;
    return moved;
}

core::Frame frame(const Blocks &b, const Setup &s, double tension, double W, double H)
{
    using namespace core::colour;
    constexpr double Pi = constants::SimulationPi;
    core::Frame f;
    f.setLineWidth(LineWidth);

    f.box(b.one, blue);
    f.line({b.one.right, b.one.centreY()}, {PulleyX * W, b.one.centreY()}, black);
    f.box(b.two, blue);
    f.line({b.two.centreX(), PulleyY * H}, {b.two.centreX(), b.two.top}, black);

    const bool slack = tension == 0;
    arrow(f, centre(b.one), 1, 0, (ArrowScale * W) * tension, slack, Pi * 3 / 2, Pi / 2, red);
    arrow(f, centre(b.two), 0, -1, (ArrowScale * H) * tension, slack, 0, Pi, red);
    arrow(f, centre(b.one), -1, 0, (ArrowScale * W) * frictionForce(s), s.mu == 0, Pi / 2, Pi * 3 / 2, yellow);
    arrow(f, centre(b.two), 0, 1, (ArrowScale * H) * weight(s), s.m2 == 0, Pi, 0, green);
    return f;
}

core::Frame fixedParts(double W, double H)
{
    struct Segment {
        double x1, y1, x2, y2; // fractions of W and H
    };
    static constexpr Segment table[] = {
        {0.1, 0.2, 0.8, 0.2},     {0.1, 0.25, 0.8, 0.25},  {0.1, 0.2, 0.1, 0.25},   {0.8, 0.2, 0.8, 0.25},
        {0.65, 0.25, 0.65, 0.85}, {0.7, 0.25, 0.7, 0.85},  {0.65, 0.85, 0.7, 0.85}, // right leg
        {0.2, 0.25, 0.2, 0.85},   {0.25, 0.25, 0.25, 0.85}, {0.2, 0.85, 0.25, 0.85}, // left leg
    };
    using core::colour::black;
    core::Frame f;
    f.setLineWidth(LineWidth);
    for (const Segment &s : table)
        f.line({s.x1 * W, s.y1 * H}, {s.x2 * W, s.y2 * H}, black);
    const Point pulley{PulleyX * W, PulleyY * H};
    f.circle(pulley, 0.03 * H, black);
    f.line({0.8 * W, 0.2 * H}, pulley, black); // the bracket, from the table's right end
    return f;
}

bool pastFloor(const Blocks &blocks, double H)
{
    return FloorLine * H < blocks.two.bottom;
}

core::Frame strobeStrips(double W, double H)
{
    core::Frame f;
    f.setLineWidth(LineWidth);
    f.fill({0.1 * W, 0.04 * H, 0.9 * W, 0.06 * H}, core::colour::cyan);
    f.fill({0.75 * W, 0.3 * H, 0.85 * W, 0.9 * H}, core::colour::cyan);
    return f;
}

QList<Point> strobePoints(const Blocks &blocks, double W, double H)
{
    return {{blocks.one.right, 0.05 * H}, {0.8 * W, blocks.two.bottom}};
}

} // namespace simulation::horizontal_plane
