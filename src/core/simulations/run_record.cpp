#include "core/simulations/run_record.h"

#include "core/simulations/run_clock.h"

#include <QCoreApplication>

#include <cmath>

namespace run_data {

RunRecord::RunRecord(QStringList bodies, double acceleration, std::optional<double> tension, QString direction)
    : m_bodies(std::move(bodies))
    , m_acceleration(std::fabs(acceleration))
    , m_tension(tension)
    , m_direction(std::move(direction))
    , m_running(true)
    , m_started(true)
{
    if (m_bodies.isEmpty())
        m_bodies.append(QString());
}

RunRecord RunRecord::inclinedPlane(double acceleration)
{
    return RunRecord({QString()}, acceleration, std::nullopt);
}

RunRecord RunRecord::horizontalPlane(double acceleration, double tension)
{
    //: Body names inside column headings, e.g. "Distancia bloque 1 (m)"
    return RunRecord({QCoreApplication::translate("RunRecord", "bloque 1"),
                      QCoreApplication::translate("RunRecord", "bloque 2")},
                     acceleration, tension,
                     QCoreApplication::translate("RunRecord", "El bloque 1 avanza hacia la polea y el bloque 2 baja."));
}

RunRecord RunRecord::atwood(double acceleration1, double tension)
{
    QString direction;
    if (acceleration1 < 0)
        direction = QCoreApplication::translate("RunRecord", "La masa 1 baja y la masa 2 sube.");
    else if (acceleration1 > 0)
        direction = QCoreApplication::translate("RunRecord", "La masa 2 baja y la masa 1 sube.");
    //: Body names inside column headings, e.g. "Distancia masa 1 (m)"
    return RunRecord({QCoreApplication::translate("RunRecord", "masa 1"),
                      QCoreApplication::translate("RunRecord", "masa 2")},
                     acceleration1, tension, direction);
}

Sample RunRecord::sampleAt(double time) const
{
    return {time, m_acceleration * time * time / 2, m_acceleration * time};
}

QList<Sample> RunRecord::tickSamples() const
{
    QList<Sample> samples;
    samples.reserve(m_ticks + 1);
    for (int k = 0; k <= m_ticks; ++k)
        samples.append(sampleAt(k * core::RunClock::Step));
    return samples;
}

Sample RunRecord::advance(double simTime, bool *strobe)
{
    // The window's time is a sum of steps and drifts in the last digits; the
    // table and the graphs use the exact multiple of the step it stands for.
    const long long steps = std::llrint(simTime / core::RunClock::Step);
    m_ticks = int(steps);
    m_lastTime = steps * core::RunClock::Step;
    const Sample sample = sampleAt(m_lastTime);
    const bool due = steps > 0 && core::RunClock::strobeDueAt(simTime);
    if (due)
        m_strobes.append(sampleAt(steps / 10 / 10.0));
    if (strobe)
        *strobe = due;
    return sample;
}

} // namespace run_data
