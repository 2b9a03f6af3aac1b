#include "core/simulations/horizontal_plane_scene.h"

#include "core/constants.h"
#include "core/simulations/run_clock.h"

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

Blocks blocksAt(const State &state, double W, double H)
{
    const Setup &s = state.setup;
    Blocks b{
        {(0.2 - s.m1 * 0.001) * W, 0.08 * H, 0.2 * W, 0.18 * H},
        {0.85 * W, 0.275 * H, 0.95 * W, (s.m2 * 0.001 + 0.275) * H},
    };
    if (regime(s) != Regime::Moving)
        return b;
    const double pull = drive(s) * (constants::SimulationGravity / 2);
    const double total = s.m1 + s.m2;
    const double acrossScale = 0.84 * W - FirstBottom * H;
    const double downScale = FloorLine * H - FirstBottom * H;
    for (core::RunClock clock; clock.time() < state.time - core::RunClock::Step / 2;) {
        clock.tick();
        const double squares = clock.time() * clock.time() - clock.previousTime() * clock.previousTime();
        const double across = pull * acrossScale * squares / total;
        const double down = pull * downScale * squares / total;
        b.one.left += across;
        b.one.right += across;
        b.two.top += down;
        b.two.bottom += down;
    }
    return b;
}

core::Frame frame(const State &state, double W, double H)
{
    using namespace core::colour;
    constexpr double Pi = constants::SimulationPi;
    const Blocks b = blocksAt(state, W, H);
    core::Frame f;
    f.setLineWidth(LineWidth);

    f.box(b.one, blue);
    f.line({b.one.right, b.one.centreY()}, {PulleyX * W, b.one.centreY()}, black);
    f.box(b.two, blue);
    f.line({b.two.centreX(), PulleyY * H}, {b.two.centreX(), b.two.top}, black);

    const Setup &s = state.setup;
    const bool slack = state.tension == 0;
    arrow(f, centre(b.one), 1, 0, (ArrowScale * W) * state.tension, slack, Pi * 3 / 2, Pi / 2, red);
    arrow(f, centre(b.two), 0, -1, (ArrowScale * H) * state.tension, slack, 0, Pi, red);
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

bool pastFloor(const State &state, double W, double H)
{
    return FloorLine * H < blocksAt(state, W, H).two.bottom;
}

core::Frame strobeStrips(double W, double H)
{
    core::Frame f;
    f.setLineWidth(LineWidth);
    f.fill({0.1 * W, 0.04 * H, 0.9 * W, 0.06 * H}, core::colour::cyan);
    f.fill({0.75 * W, 0.3 * H, 0.85 * W, 0.9 * H}, core::colour::cyan);
    return f;
}

std::array<Point, 2> strobeMarksAt(const State &state, double W, double H)
{
    const Blocks b = blocksAt(state, W, H);
    return {Point{b.one.right, 0.05 * H}, Point{0.8 * W, b.two.bottom}};
}

core::Frame strobeMarks(const std::vector<Point> &marks)
{
    core::Frame f;
    f.setLineWidth(LineWidth);
    for (const Point &mark : marks)
        f.circle(mark, core::StrobeRadius, core::colour::blue);
    return f;
}

} // namespace simulation::horizontal_plane
