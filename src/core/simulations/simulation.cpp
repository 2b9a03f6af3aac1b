#include "core/simulations/simulation.h"

#include "core/text/number_text.h"

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

core::Frame strobeMarks(const QList<core::Point> &points)
{
    core::Frame marks;
    marks.setLineWidth(2);
    for (const core::Point &point : points)
        marks.circle(point, core::StrobeRadius, core::colour::blue);
    return marks;
}

} // namespace simulation
