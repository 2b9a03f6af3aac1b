#include "core/simulations/atwood_simulation.h"

#include "core/text/number_text.h"

#include <QCoreApplication>

namespace simulation {

namespace model = atwood;

QList<Bar> AtwoodMachine::bars() const
{
    return {massBar(1), massBar(2)};
}

RunRules AtwoodMachine::rules() const
{
    // With the equal masses laid out, the load's first tick switches the
    // timer off; masses changed before it set the blocks moving at 360 ms.
    // Masses handed over wait for "Iniciar Movimiento".
    return {360, true, false, false, false, true};
}

void AtwoodMachine::takeBars(const QList<int> &barValues)
{
    m_machine = {barValues.value(0) - 1.0, barValues.value(1) - 1.0};
}

bool AtwoodMachine::canStart() const
{
    return true;
}

bool AtwoodMachine::moves() const
{
    return model::regime(m_machine) != model::Regime::Balanced;
}

bool AtwoodMachine::finished() const
{
    return model::pastFloor(m_blocks, m_machine, height());
}

void AtwoodMachine::placeAtStart()
{
    m_blocks = model::atRest(m_machine, width(), height());
    m_enlarged = model::enlarge(m_machine, Loaded, width(), height());
}

void AtwoodMachine::advance(const core::RunClock &clock)
{
    m_blocks = model::lower(m_blocks, m_machine, Loaded, clock, height());
}

run_data::Sample AtwoodMachine::sample() const
{
    return {time(), model::distanceAt(m_machine, time()), model::acceleration(m_machine) * time()};
}

run_data::RunRecord AtwoodMachine::newRecord() const
{
    return run_data::RunRecord::atwood(m_machine);
}

Readouts AtwoodMachine::physics(NoSolutionIn where) const
{
    if (!model::solvable(m_machine)) {
        const QString none = QCoreApplication::translate("Form6", "No hay solución");
        if (where == NoSolutionIn::TensionOnly)
            return {{5, none}};
        return {{4, none}, {7, none}, {5, none}};
    }
    const double a1 = model::acceleration1(m_machine);
    return {{4, core::format3(a1)}, {7, core::format3(-a1)}, {5, core::format2(model::tension(m_machine))}};
}

Readouts AtwoodMachine::readouts(Moment moment, int bar) const
{
    switch (moment) {
    case Moment::Load:
        return Readouts{{1, barText(0)}, {2, barText(1)}} + physics(NoSolutionIn::AllFields);
    case Moment::BarMoved:
        return Readouts{{bar + 1, barText(bar)}} + physics(NoSolutionIn::AllFields);
    case Moment::Start:
        // The fields of the accelerations keep what was typed there.
        return physics(NoSolutionIn::TensionOnly);
    case Moment::StartRefused:
        return {};
    case Moment::Tick:
        return {{3, core::format3(time())}, {6, core::format3(model::distanceAt(m_machine, time()))}};
    }
    return {};
}

void AtwoodMachine::drawFixed(core::Canvas &canvas) const
{
    model::drawFixedParts(canvas);
}

core::Frame AtwoodMachine::frame() const
{
    if (isEnlarged())
        return model::frame(model::enlargedBlocks(m_blocks, m_machine, m_enlarged), hasMoved(), height());
    return model::frame(m_blocks, hasMoved(), height());
}

enlarged::ScaleLine AtwoodMachine::scaleLine() const
{
    return model::scaleLine(m_enlarged, width(), height());
}

std::optional<GravityShown> AtwoodMachine::gravityShown() const
{
    if (!model::solvable(m_machine))
        return std::nullopt;
    return GravityShown{QStringLiteral("T"), QStringLiteral("N"), model::tension(m_machine), 2};
}

core::Frame AtwoodMachine::strobeStrips() const
{
    return model::strobeStrips(width(), height());
}

QList<core::Point> AtwoodMachine::strobePoints() const
{
    return model::strobePoints(m_blocks, width());
}

} // namespace simulation
