#include "core/simulations/horizontal_plane_simulation.h"

#include "core/constants.h"
#include "core/text/number_text.h"

#include <QCoreApplication>

namespace simulation {

namespace model = horizontal_plane;

QList<Bar> HorizontalPlane::bars() const
{
    return {massBar(1), massBar(2), tableFrictionBar()};
}

RunRules HorizontalPlane::rules() const
{
    // The load's run is the window's first run: it sets off with values
    // handed over before its first tick.
    return {120, true, true, false, true, true};
}

void HorizontalPlane::takeBars(const QList<int> &barValues)
{
    // The mass bars run from 1 to 101 for 0 to 100 kg; the friction bar
    // gives μ in hundredths.
    m_setup = {barValues.value(0) - 1.0, barValues.value(1) - 1.0, barValues.value(2) * 0.01};
    if (model::regime(m_setup) != model::Regime::NoSolution)
        m_tension = model::tension(m_setup);
}

bool HorizontalPlane::canStart() const
{
    return model::regime(m_setup) == model::Regime::Moving;
}

bool HorizontalPlane::moves() const
{
    // Besides the floor line, the run that starts by itself may find the
    // bars moved to no motion at all before its first tick.
    return model::regime(m_setup) == model::Regime::Moving;
}

bool HorizontalPlane::finished() const
{
    return model::pastFloor(m_blocks, height());
}

void HorizontalPlane::placeAtStart()
{
    m_blocks = model::startBlocks(m_setup, width(), height());
    m_enlarged = model::enlarge(m_setup, m_tension, width(), height());
}

void HorizontalPlane::advance(const core::RunClock &clock)
{
    m_blocks = model::slide(m_blocks, m_setup, clock, width(), height());
}

run_data::Sample HorizontalPlane::sample() const
{
    return {time(), model::distanceAt(m_setup, time()), model::acceleration(m_setup) * time()};
}

run_data::RunRecord HorizontalPlane::newRecord() const
{
    return run_data::RunRecord::horizontalPlane(m_setup);
}

Readouts HorizontalPlane::physics(int accelerationDecimals) const
{
    switch (model::regime(m_setup)) {
    case model::Regime::Moving:
        return {{5, core::formatGrouped(model::acceleration(m_setup), accelerationDecimals)},
                {7, core::format2(m_tension)}};
    case model::Regime::Held:
        return {{5, QStringLiteral("0")}, {7, core::format2(m_tension)}};
    case model::Regime::NoSolution:
        break;
    }
    //: Shown in the acceleration field, which is narrow: keep it short
    return {{5, QCoreApplication::translate("Form3", "No solución")}};
}

Readouts HorizontalPlane::readouts(Moment moment, int bar) const
{
    switch (moment) {
    case Moment::Load:
        // The values of the masses laid out, 50 and 50 kg without friction.
        return {{1, barText(0)}, {2, barText(1)}, {3, barText(2)},
                {5, core::formatShortest(constants::SimulationGravity / 2)}, {7, core::formatShortest(m_tension)}};
    case Moment::BarMoved:
        // The friction bar shows the acceleration with two decimals.
        return Readouts{{bar + 1, barText(bar)}} + physics(bar == 2 ? 2 : 3);
    case Moment::Start:
        return physics(3);
    case Moment::StartRefused:
        return {};
    case Moment::Tick:
        return {{4, core::format3(time())}, {6, core::format3(model::distanceAt(m_setup, time()))}};
    }
    return {};
}

void HorizontalPlane::drawFixed(core::Canvas &canvas) const
{
    canvas.setLineWidth(2);
    canvas.setFontSize(15);
}

core::Frame HorizontalPlane::fixedParts() const
{
    return model::fixedParts(width(), height());
}

core::Frame HorizontalPlane::frame() const
{
    if (isEnlarged())
        return model::enlargedFrame(m_blocks, m_setup, m_tension, m_enlarged, width(), height());
    return model::frame(m_blocks, m_setup, m_tension, width(), height());
}

enlarged::ScaleLine HorizontalPlane::scaleLine() const
{
    return model::scaleLine(m_enlarged, width(), height());
}

std::optional<GravityShown> HorizontalPlane::gravityShown() const
{
    if (model::regime(m_setup) == model::Regime::NoSolution)
        return std::nullopt;
    return GravityShown{QStringLiteral("T"), QStringLiteral("N"), m_tension, 2};
}

core::Frame HorizontalPlane::strobeStrips() const
{
    return model::strobeStrips(width(), height());
}

QList<core::Point> HorizontalPlane::strobePoints() const
{
    return model::strobePoints(m_blocks, width(), height());
}

} // namespace simulation
