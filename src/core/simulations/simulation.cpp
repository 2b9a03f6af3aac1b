#include "core/simulations/simulation.h"

#include "core/constants.h"
#include "core/text/number_text.h"

#include <QCoreApplication>

namespace simulation {

void Simulation::setPicture(double width, double height)
{
    m_width = width;
    m_height = height;
    m_barValues.clear();
    for (const Bar &bar : bars())
        m_barValues.append(bar.initial);
    restart();
}

void Simulation::setUp(const QList<int> &barValues)
{
    m_barValues = barValues;
    takeBars(barValues);
    restart();
}

QString Simulation::barText(int bar) const
{
    return core::formatShortest(bars().at(bar).quantity(m_barValues.value(bar)));
}

void Simulation::restart()
{
    m_time = 0;
    m_moved = false;
    placeAtStart();
}

void Simulation::step(const core::RunClock &clock)
{
    advance(clock);
    m_time = clock.time();
    m_moved = true;
}

QString gravityNote(const GravityShown &shown)
{
    const QString here = core::formatGrouped(shown.value, shown.decimals);
    const QString there =
        core::formatGrouped(shown.value * constants::ProblemGravity / constants::SimulationGravity, shown.decimals);
    if (here == there)
        return {};
    //: After a problem's values reach a simulation: %1 its g, %2 a symbol (T, a), %3 the value the window shows,
    //: %4 its unit, %5 the g of the problem windows, %6 the value with that g
    return QCoreApplication::translate("Handover", "Aquí g = %1 m/s²: %2 = %3 %4; con %5 m/s², %6 %4")
        .arg(core::formatShortest(constants::SimulationGravity), shown.symbol, here, shown.unit,
             core::formatShortest(constants::ProblemGravity), there);
}

core::Frame strobeMarks(const QList<core::Point> &points)
{
    core::Frame marks;
    marks.setLineWidth(2);
    for (const core::Point &point : points)
        marks.circle(point, core::StrobeRadius, core::colour::blue);
    return marks;
}

} // namespace simulation
