#include "core/simulations/enlarged.h"

#include "core/constants.h"
#include "core/text/number_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace simulation::enlarged {

namespace {

// Below this share of the largest force a force counts as nothing.
constexpr double Nothing = 1e-3;
// The text of the scale line: 9.75 pt, two rows this far apart (twips).
constexpr double FontPoints = 9.75;
constexpr double Row = 270;
// The bar's end ticks stand out this far on each side.
constexpr double Tick = 60;

} // namespace

QList<double> sides(const QList<Body> &bodies, double designedPerKg)
{
    double lightest = 0;
    for (const Body &body : bodies) {
        if (body.mass > 0 && (lightest == 0 || body.mass < lightest))
            lightest = body.mass;
    }
    const double perKg = lightest > 0 ? std::max(designedPerKg, SmallestSide / lightest) : designedPerKg;
    QList<double> result;
    for (const Body &body : bodies)
        result.append(std::min(perKg * std::max(body.mass, 0.0), body.room));
    return result;
}

double arrowScale(const QList<Arrow> &arrows, double designed)
{
    double largest = 0;
    for (const Arrow &arrow : arrows)
        largest = std::max(largest, std::abs(arrow.force));
    if (largest == 0)
        return designed;
    double smallest = largest;
    for (const Arrow &arrow : arrows) {
        if (std::abs(arrow.force) > Nothing * largest)
            smallest = std::min(smallest, std::abs(arrow.force));
    }
    double scale = std::max(ShortestArrow / smallest, designed);
    for (const Arrow &arrow : arrows) {
        if (std::abs(arrow.force) > Nothing * largest)
            scale = std::min(scale, arrow.room / std::abs(arrow.force));
    }
    return scale;
}

double roomInside(core::Point tail, double dx, double dy, const core::Rect &box)
{
    double room = std::numeric_limits<double>::infinity();
    if (dx > 0)
        room = std::min(room, (box.right - tail.x) / dx);
    else if (dx < 0)
        room = std::min(room, (box.left - tail.x) / dx);
    if (dy > 0)
        room = std::min(room, (box.bottom - tail.y) / dy);
    else if (dy < 0)
        room = std::min(room, (box.top - tail.y) / dy);
    return room;
}

double travelAtEnd(double toLine, double perMetre, double a)
{
    if (a <= 0 || toLine <= 0)
        return std::max(toLine, 0.0);
    // The last tick ends at most one step after the time t the line is
    // reached, ½·a·t² = toLine; its step is a·t·dt and a little less.
    const double dt = constants::TickSeconds;
    const double t = std::sqrt(2 * toLine / perMetre / a);
    return toLine + perMetre * a * (t + dt) * dt;
}

ScaleLine scaleLine(const core::Rect &box, bool vertical, double perUnit, const QString &unit)
{
    ScaleLine line;
    line.box = box;
    line.at = {box.left + 30, box.top + 30};
    line.vertical = vertical;
    line.unit = unit;
    // The largest of 1, 2 and 5 times a power of ten that fits.
    const double most = LongestBar / perUnit;
    const double power = std::pow(10.0, std::floor(std::log10(most)));
    for (double times : {5.0, 2.0, 1.0}) {
        if (times * power <= most) {
            line.force = times * power;
            break;
        }
    }
    line.length = line.force * perUnit;
    return line;
}

void draw(core::Canvas &canvas, const ScaleLine &line)
{
    using core::colour::black;
    using core::colour::cyan;
    const double x = line.at.x;
    const double y = line.at.y;
    canvas.setFontSize(FontPoints);
    // The text goes where the drawing position is; a dot in the background
    // puts it there without a mark.
    canvas.line(x, y, x, y, cyan);
    //: Drawn on the simulation's picture, above a bar that shows how long an arrow of so many newtons is
    canvas.print(QCoreApplication::translate("ArrowScale", "Escala"));
    const QString force = core::formatShortest(line.force) + QLatin1Char(' ') + line.unit;
    const double barTop = y + Row + Tick;
    canvas.setLineWidth(2);
    if (line.vertical) {
        const double bx = x + Tick;
        canvas.line(bx, barTop, bx, barTop + line.length, black);
        canvas.line(bx - Tick, barTop, bx + Tick, barTop, black);
        canvas.line(bx - Tick, barTop + line.length, bx + Tick, barTop + line.length, black);
        canvas.line(bx + 2 * Tick, barTop + line.length / 2 - 100, bx + 2 * Tick, barTop + line.length / 2 - 100, cyan);
    } else {
        const double by = barTop + Tick;
        canvas.line(x, by, x + line.length, by, black);
        canvas.line(x, by - Tick, x, by + Tick, black);
        canvas.line(x + line.length, by - Tick, x + line.length, by + Tick, black);
        canvas.line(x + line.length + 90, y + Row, x + line.length + 90, y + Row, cyan);
    }
    canvas.print(force);
}

void erase(core::Canvas &canvas, const ScaleLine &line)
{
    canvas.fillRect(line.box.left, line.box.top, line.box.right, line.box.bottom, core::colour::cyan);
}

} // namespace simulation::enlarged
