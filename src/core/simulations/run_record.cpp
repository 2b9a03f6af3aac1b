#include "core/simulations/run_record.h"

#include "core/constants.h"
#include "core/physics/atwood_model.h"
#include "core/physics/horizontal_plane_model.h"
#include "core/physics/inclined_plane_model.h"

#include <QCoreApplication>

#include <cmath>

namespace run_data {

RunRecord::RunRecord(QStringList bodies, double acceleration, std::optional<double> tension, QString direction,
                     EnergySetup energy)
    : m_bodies(std::move(bodies))
    , m_acceleration(std::fabs(acceleration))
    , m_tension(tension)
    , m_direction(std::move(direction))
    , m_energy(std::move(energy))
    , m_running(true)
    , m_started(true)
{
    if (m_bodies.isEmpty())
        m_bodies.append(QString());
}

RunRecord RunRecord::inclinedPlane(const simulation::inclined_plane::Incline &incline)
{
    namespace model = simulation::inclined_plane;
    EnergySetup energy;
    // The block goes down the slope: sin θ metres down for every metre slid.
    energy.bodies = {{1.0, -std::sin(model::radians(incline.angleDegrees)), 0}};
    energy.frictionPerKg = model::frictionPerKg(incline);
    energy.rubs = true;
    energy.massChosen = true;
    // As its scene draws them: the weight red, the friction yellow.
    energy.weightColour = core::colour::red;
    energy.frictionColour = core::colour::yellow;
    return RunRecord({QString()}, model::acceleration(incline), std::nullopt, {}, energy);
}

RunRecord RunRecord::horizontalPlane(const simulation::horizontal_plane::Setup &setup)
{
    namespace model = simulation::horizontal_plane;
    EnergySetup energy;
    // Block 1 slides along the table towards the pulley; block 2 sinks, held
    // back by the cord.
    energy.bodies = {{setup.m1, 0, +1}, {setup.m2, -1, -1}};
    energy.frictionPerKg = setup.mu * constants::SimulationGravity;
    energy.rubs = true;
    // As its scene draws them: the tension red, friction yellow, the weight green.
    energy.weightColour = core::colour::green;
    energy.tensionColour = core::colour::red;
    energy.frictionColour = core::colour::yellow;
    //: Body names inside column headings, e.g. "Distancia bloque 1 (m)"
    return RunRecord({QCoreApplication::translate("RunRecord", "bloque 1"),
                      QCoreApplication::translate("RunRecord", "bloque 2")},
                     model::acceleration(setup), model::tension(setup),
                     QCoreApplication::translate("RunRecord", "El bloque 1 avanza hacia la polea y el bloque 2 baja."),
                     energy);
}

RunRecord RunRecord::atwood(const simulation::atwood::Machine &machine)
{
    namespace model = simulation::atwood;
    const double acceleration1 = model::acceleration1(machine);
    QString direction;
    if (acceleration1 < 0)
        direction = QCoreApplication::translate("RunRecord", "La masa 1 baja y la masa 2 sube.");
    else if (acceleration1 > 0)
        direction = QCoreApplication::translate("RunRecord", "La masa 2 baja y la masa 1 sube.");
    // The lighter block rises, pulled up by the cord; the heavier sinks, held
    // back by it. As its scene draws them: the weights red, the tension green.
    const int up = acceleration1 > 0 ? 1 : -1;
    EnergySetup energy;
    energy.bodies = {{machine.m1, double(up), up}, {machine.m2, double(-up), -up}};
    energy.weightColour = core::colour::red;
    energy.tensionColour = core::colour::green;
    //: Body names inside column headings, e.g. "Distancia masa 1 (m)"
    return RunRecord({QCoreApplication::translate("RunRecord", "masa 1"),
                      QCoreApplication::translate("RunRecord", "masa 2")},
                     acceleration1, model::tension(machine), direction, energy);
}

void RunRecord::setChosenMass(double kilograms)
{
    if (m_energy.massChosen && !m_energy.bodies.isEmpty())
        m_energy.bodies.first().mass = kilograms;
}

void RunRecord::advance(const Sample &sample, bool strobe)
{
    m_samples.append(sample);
    if (strobe)
        m_strobes.append(sample);
}

} // namespace run_data
