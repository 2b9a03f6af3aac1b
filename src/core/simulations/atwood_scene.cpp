#include "core/simulations/atwood_scene.h"

#include "core/constants.h"

#include <QCoreApplication>

#include <algorithm>

namespace simulation::atwood {

namespace {

using core::Point;
using core::Rect;

constexpr int LineWidth = 2;
constexpr double FontPoints = 15;

// Arrows: one unit of force (a mass of 1 times g) is 0.0001·H long; the
// arrows keep the g of the problem windows.
constexpr double ArrowGravity = constants::ProblemGravity;
constexpr double ForceScale = 0.0001;

constexpr double FloorLine = 0.94;
// The arrows of the enlarged drawing keep below the title and the pulley's
// axle, and inside the picture.
constexpr double HighestTip = 0.17; // of H
// A block of the enlarged drawing is at most this tall.
constexpr double TallestBlock = 0.2; // of H

// A block hanging at rest at 0.6·H, 0.001·H tall per unit of mass.
Rect blockAtRest(double w, double h, double left, double right, double mass)
{
    return {left * w, 0.6 * h, right * w, 0.6 * h + 0.001 * h * mass};
}

// Twips per metre of a block: from its bottom at rest with the load's mass
// down to the floor line.
double scale(double h, double loadedMass)
{
    return FloorLine * h - blockAtRest(0, h, 0, 0, loadedMass).bottom;
}

// From the centre of the block, `length` twips down (negative: up).
Arrow fromCentre(const Rect &block, double length, bool force)
{
    const double x = block.centreX();
    const double y = block.centreY();
    return {{x, y}, {x, y + length}, force};
}

// Moves a block and its arrows down by `step` twips (up when negative).
void shiftDown(Hanging &hanging, double step)
{
    for (double *y : {&hanging.block.top, &hanging.block.bottom, &hanging.weight.tail.y, &hanging.weight.tip.y,
                      &hanging.pull.tail.y, &hanging.pull.tip.y})
        *y += step;
}

void addArrow(core::Frame &frame, const Arrow &arrow, core::Rgb colour, bool pointsDown)
{
    if (!arrow.force) {
        frame.arrowWithDot(arrow.tail, arrow.tip, colour);
        return;
    }
    // A half circle whose far point is the tip.
    const core::Cap cap = pointsDown ? core::capBehind(arrow.tip, 0, 1, constants::SimulationPi, 0)
                                     : core::capBehind(arrow.tip, 0, -1, 0, constants::SimulationPi);
    frame.arrow(arrow.tail, arrow.tip, colour, cap);
}

// Which way a block goes in a run: the sinking block grows up from its
// bottom edge, the other (or either, balanced) down from its top.
enum class Grows { Up, Down };
Grows growthOf(const Machine &m, int block)
{
    const Regime sinking = block == 0 ? Regime::Block1Sinks : Regime::Block2Sinks;
    return regime(m) == sinking ? Grows::Up : Grows::Down;
}

Hanging enlargedHanging(const Hanging &designed, double mass, double pull, Grows grows, double height,
                        double perNewton)
{
    Rect block = designed.block;
    if (grows == Grows::Up)
        block.top = block.bottom - height;
    else
        block.bottom = block.top + height;
    return {block, fromCentre(block, perNewton * mass * constants::SimulationGravity, designed.weight.force),
            fromCentre(block, -perNewton * pull, designed.pull.force)};
}

void printAt(core::Canvas &canvas, double x, double y, const QString &text)
{
    // A dot at the place moves the text position there.
    canvas.line(x, y, x, y, core::colour::black);
    canvas.print(text);
}

} // namespace

Blocks atRest(const Machine &m, double w, double h)
{
    const Rect block1 = blockAtRest(w, h, 0.3, 0.4, m.m1);
    const Rect block2 = blockAtRest(w, h, 0.6, 0.7, m.m2);
    const double weightPerMass = ArrowGravity * ForceScale * h;
    // T = 2·g·m1·m2 / (m1 + m2), to the same scale as the weights.
    double pull = 0;
    if (solvable(m))
        pull = 2 * ArrowGravity * ForceScale * h * m.m1 * m.m2 / (m.m1 + m.m2);
    const bool tense = tension(m) != 0;
    return {{{block1, fromCentre(block1, weightPerMass * m.m1, m.m1 != 0), fromCentre(block1, -pull, tense)},
             {block2, fromCentre(block2, weightPerMass * m.m2, m.m2 != 0), fromCentre(block2, -pull, tense)}}};
}

// The steps are added one by one, in this order, so that every edge falls on
// the pixel where the ticks have always put it.
Blocks lower(const Blocks &blocks, const Machine &m, const Machine &loaded, const core::RunClock &clock, double h)
{
    const double halfGravityTimesDifference = (m.m1 - m.m2) * (constants::SimulationGravity / 2);
    const double t = clock.time();
    const double tp = clock.previousTime();
    Blocks moved = blocks;
    shiftDown(moved[0], halfGravityTimesDifference * scale(h, loaded.m1) * (t * t - tp * tp) / (m.m1 + m.m2));
    shiftDown(moved[1], -(halfGravityTimesDifference * scale(h, loaded.m2) * (t * t - tp * tp) / (m.m1 + m.m2)));
    return moved;
}

core::Frame frame(const Blocks &hanging, bool moving, double h)
{
    core::Frame frame;
    frame.setLineWidth(LineWidth);
    const double pulleyY = 0.16 * h;
    for (const Hanging &one : hanging)
        frame.line({one.block.centreX(), pulleyY}, {one.block.centreX(), one.block.top}, core::colour::black);
    for (const Hanging &one : hanging)
        frame.box(one.block, core::colour::blue);
    const auto weights = [&] {
        for (const Hanging &one : hanging)
            addArrow(frame, one.weight, core::colour::red, true);
    };
    const auto pulls = [&] {
        for (const Hanging &one : hanging)
            addArrow(frame, one.pull, core::colour::green, false);
    };
    if (moving) {
        pulls();
        weights();
    } else {
        weights();
        pulls();
    }
    return frame;
}

void drawFixedParts(core::Canvas &canvas)
{
    canvas.setLineWidth(LineWidth);
    canvas.setFontSize(FontPoints);
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();
    //: Drawn on the picture: first line of the title "Máquina de Atwood"; the next text is its second line
    printAt(canvas, 0.05 * w, 0.05 * h, QCoreApplication::translate("AtwoodFrame", "Máquina de"));
    //: Drawn on the picture: second line of the title "Máquina de Atwood"
    printAt(canvas, 0.08 * w, 0.1 * h, QCoreApplication::translate("AtwoodFrame", "Atwood"));
    // Rim and axle; the cords leave the rim at 0.35·W and 0.65·W.
    canvas.circle(0.5 * w, 0.16 * h, 0.15 * w, core::colour::black);
    canvas.circle(0.5 * w, 0.16 * h, 0.02 * w, core::colour::black);
}

Enlarged enlarge(const Machine &m, const Machine &loaded, double w, double h)
{
    const Blocks designed = atRest(m, w, h);
    const auto room = [&](int block) {
        // A sinking block keeps clear of the pulley at the start.
        const double highestTop = 0.3 * h;
        return growthOf(m, block) == Grows::Up
                   ? std::min(TallestBlock * h, designed.at(block).block.bottom - highestTop)
                   : TallestBlock * h;
    };
    const QList<double> heights =
        enlarged::sides({{m.m1, room(0)}, {m.m2, room(1)}}, 0.001 * h);
    Enlarged e;
    e.heights = {heights.at(0), heights.at(1)};

    // Where the run ends: the sinking block past the floor line, the other
    // as far up; both blocks' twips per metre are those of the load.
    const double perMetre[2] = {scale(h, loaded.m1), scale(h, loaded.m2)};
    double metres = 0;
    if (regime(m) != Regime::Balanced) {
        const int sinking = regime(m) == Regime::Block1Sinks ? 0 : 1;
        metres = enlarged::travelAtEnd(FloorLine * h - designed.at(sinking).block.bottom, perMetre[sinking],
                                       acceleration(m)) /
                 perMetre[sinking];
    }
    const double pull = tension(m);
    QList<enlarged::Arrow> arrows;
    for (int block = 0; block < 2; ++block) {
        const double mass = block == 0 ? m.m1 : m.m2;
        const Hanging start = enlargedHanging(designed.at(block), mass, 0, growthOf(m, block), e.heights.at(block), 0);
        const double move = (growthOf(m, block) == Grows::Up ? metres : -metres) * perMetre[block];
        const double highest = std::min(start.block.centreY(), start.block.centreY() + move);
        const double lowest = std::max(start.block.centreY(), start.block.centreY() + move);
        arrows.append({mass * constants::SimulationGravity, h - 2 * core::CapRadius - lowest});
        arrows.append({pull, highest - HighestTip * h});
    }
    e.perNewton = enlarged::arrowScale(arrows, ForceScale * h);
    return e;
}

Blocks enlargedBlocks(const Blocks &blocks, const Machine &m, const Enlarged &e)
{
    const double pull = tension(m);
    return {{enlargedHanging(blocks[0], m.m1, pull, growthOf(m, 0), e.heights[0], e.perNewton),
             enlargedHanging(blocks[1], m.m2, pull, growthOf(m, 1), e.heights[1], e.perNewton)}};
}

enlarged::ScaleLine scaleLine(const Enlarged &e, double w, double h)
{
    return enlarged::scaleLine({0.81 * w, 0.62 * h, 0.995 * w, 0.97 * h}, true, e.perNewton,
                               QStringLiteral("N"));
}

bool pastFloor(const Blocks &hanging, const Machine &machine, double h)
{
    switch (regime(machine)) {
    case Regime::Block1Sinks:
        return hanging[0].block.bottom > FloorLine * h;
    case Regime::Block2Sinks:
        return hanging[1].block.bottom > FloorLine * h;
    case Regime::Balanced:
        break;
    }
    return false;
}

QList<core::Point> strobePoints(const Blocks &hanging, double w)
{
    return {{0.25 * w, hanging[0].block.bottom}, {0.75 * w, hanging[1].block.bottom}};
}

core::Frame strobeStrips(double w, double h)
{
    core::Frame frame;
    frame.setLineWidth(LineWidth);
    frame.fill({0.2 * w, 0.2 * h, 0.3 * w, 0.95 * h}, core::colour::cyan);
    frame.fill({0.73 * w, 0.2 * h, 0.8 * w, 0.95 * h}, core::colour::cyan);
    return frame;
}

} // namespace simulation::atwood
