#include "core/simulations/run_record.h"

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

void RunRecord::advance(const Sample &sample, bool strobe)
{
    m_samples.append(sample);
    if (strobe)
        m_strobes.append(sample);
}

} // namespace run_data
