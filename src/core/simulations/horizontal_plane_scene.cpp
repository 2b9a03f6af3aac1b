#include "core/simulations/horizontal_plane_scene.h"

#include "core/constants.h"

#include <algorithm>

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
// Block 2 of the enlarged drawing: its height, and its width at most, so
// that it clears the pulley above and the strobe strip beside it.
constexpr double EnlargedHeight2 = 0.075; // of H
constexpr double WidestBlock2 = 0.08;     // of W

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

// Blocks, cords and arrows, the arrows `across` and `down` twips per newton.
core::Frame drawFrame(const Blocks &b, const Setup &s, double tension, double across, double down, double W, double H)
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
    arrow(f, centre(b.one), 1, 0, across * tension, slack, Pi * 3 / 2, Pi / 2, red);
    arrow(f, centre(b.two), 0, -1, down * tension, slack, 0, Pi, red);
    arrow(f, centre(b.one), -1, 0, across * frictionForce(s), s.mu == 0, Pi / 2, Pi * 3 / 2, yellow);
    arrow(f, centre(b.two), 0, 1, down * weight(s), s.m2 == 0, Pi, 0, green);
    return f;
}

// The blocks of the enlarged drawing, on the edges of `blocks`.
Blocks enlargedBlocks(const Blocks &blocks, const Enlarged &e, double H)
{
    const double middle2 = blocks.two.centreX();
    return {
        {blocks.one.right - e.width1, blocks.one.top, blocks.one.right, blocks.one.bottom},
        {middle2 - e.width2 / 2, blocks.two.bottom - EnlargedHeight2 * H, middle2 + e.width2 / 2, blocks.two.bottom},
    };
}

Blocks shifted(Blocks blocks, double across, double down)
{
    blocks.one.left += across;
    blocks.one.right += across;
    blocks.two.top += down;
    blocks.two.bottom += down;
    return blocks;
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
    // Arrow lengths are formed as (0.00015 W) × F, as they always were.
    return drawFrame(b, s, tension, ArrowScale * W, ArrowScale * H, W, H);
}

Enlarged enlarge(const Setup &setup, double tension, double W, double H)
{
    Enlarged e;
    const QList<double> widths =
        enlarged::sides({{setup.m1, 0.1 * W}, {setup.m2, WidestBlock2 * W}}, 0.001 * std::max(W, H));
    e.width1 = widths.at(0);
    e.width2 = widths.at(1);

    // The run ends once block 2 is past the floor line; block 1 goes as many
    // metres across, on its own scale.
    const Blocks start = enlargedBlocks(startBlocks(setup, W, H), e, H);
    const double perMetreDown = (FloorLine - FirstBottom) * H;
    const double perMetreAcross = 0.84 * W - FirstBottom * H;
    const double down = regime(setup) == Regime::Moving
                            ? enlarged::travelAtEnd(FloorLine * H - start.two.bottom, perMetreDown, acceleration(setup))
                            : 0;
    const Blocks end = shifted(start, down * perMetreAcross / perMetreDown, down);

    // The tension on block 1 stops short of the pulley; the others keep
    // clear of the top strip and of the picture's edges. Each arrow is
    // bounded only along its own direction.
    const core::Rect room{0.02 * W, 0.07 * H, PulleyX * W - core::CapRadius, H - 2 * core::CapRadius};
    const auto along = [&](bool one, double dx, double dy) {
        return std::min(enlarged::roomInside(centre(one ? start.one : start.two), dx, dy, room),
                        enlarged::roomInside(centre(one ? end.one : end.two), dx, dy, room));
    };
    e.perNewton = enlarged::arrowScale({{tension, along(true, 1, 0)},
                                        {tension, along(false, 0, -1)},
                                        {frictionForce(setup), along(true, -1, 0)},
                                        {weight(setup), along(false, 0, 1)}},
                                       ArrowScale * std::max(W, H));
    return e;
}

core::Frame enlargedFrame(const Blocks &blocks, const Setup &setup, double tension, const Enlarged &e, double W,
                          double H)
{
    return drawFrame(enlargedBlocks(blocks, e, H), setup, tension, e.perNewton, e.perNewton, W, H);
}

enlarged::ScaleLine scaleLine(const Enlarged &e, double W, double H)
{
    return enlarged::scaleLine({0.27 * W, 0.66 * H, 0.63 * W, 0.82 * H}, false, e.perNewton,
                               QStringLiteral("N"));
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
