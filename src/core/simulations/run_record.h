#pragma once

#include "core/drawing/canvas.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace simulation::inclined_plane {
struct Incline;
}
namespace simulation::horizontal_plane {
struct Setup;
}
namespace simulation::atwood {
struct Machine;
}

// One run of a simulation as numbers: the bodies that move, the acceleration
// and tension the window showed when the run started, and the motion as the
// window showed it at every tick: the time of its run clock, and the
// distance its simulation reckoned for that time. The bodies start from rest,
// so at time t each has travelled d(t) = a·t²/2 and moves at v(t) = a·t,
// with a the magnitude of the acceleration. The cord keeps both bodies of a
// pair at the same distance and speed; only their directions differ.
namespace run_data {

struct Sample {
    double time = 0;     // s
    double distance = 0; // m
    double speed = 0;    // m/s
};

// What the energies of a run are reckoned from besides its motion, taken
// from the model as the run starts (run_energy.h does the reckoning).
struct EnergyBody {
    double mass = 0; // kg
    // Metres the body rises for each metre it travels: −sin θ down the
    // slope, 0 along the table, +1 or −1 hanging from the cord.
    double rise = 0;
    // +1 where the cord pulls the body the way it moves, −1 where it holds
    // it back, 0 without a cord.
    int cordPull = 0;
};

struct EnergySetup {
    QList<EnergyBody> bodies;
    // Kinetic friction on the first body per kilogram of its mass, N/kg:
    // μ·g·cos θ on the slope, μ·g on the table; 0 where nothing rubs.
    double frictionPerKg = 0;
    bool rubs = false;
    // The inclined plane's model needs no mass: the student chooses it.
    bool massChosen = false;
    // The colours the simulation draws the forces in, for the bars.
    core::Rgb weightColour = core::colour::red;
    core::Rgb tensionColour = core::colour::green;
    core::Rgb frictionColour = core::colour::yellow;
};

class RunRecord
{
public:
    RunRecord() = default;
    // `bodies`: one name per moving body, or a single empty name for the
    // inclined plane's lone block, whose columns need no name.
    RunRecord(QStringList bodies, double acceleration, std::optional<double> tension,
              QString direction = {}, EnergySetup energy = {});

    // Each from its model as a run of it starts: the bodies must move.
    static RunRecord inclinedPlane(const simulation::inclined_plane::Incline &incline);
    static RunRecord horizontalPlane(const simulation::horizontal_plane::Setup &setup);
    static RunRecord atwood(const simulation::atwood::Machine &machine);

    const QStringList &bodies() const { return m_bodies; }
    double acceleration() const { return m_acceleration; }
    std::optional<double> tension() const { return m_tension; }
    // Which way the bodies go, where it is worth saying; may be empty.
    const QString &direction() const { return m_direction; }
    const EnergySetup &energy() const { return m_energy; }

    // The block's mass where the student chooses it (energy().massChosen),
    // kg; the energies scale with it, the motion does not.
    void setChosenMass(double kilograms);

    // Rows of the table: one per strobe mark, at 0,1 s, 0,2 s, …
    const QList<Sample> &strobes() const { return m_strobes; }
    // One sample per tick from time 0 on: the curve of the graphs.
    const QList<Sample> &samples() const { return m_samples; }
    // The simulated time of the last tick (0 before the first).
    double lastTime() const { return m_samples.last().time; }
    bool isRunning() const { return m_running; }
    // True for a record made by the default constructor: no run yet.
    bool isEmpty() const { return !m_started; }

    // A tick of the run: the sample its window shows, which becomes a row of
    // the table when the tick left strobe marks.
    void advance(const Sample &sample, bool strobe);
    // The run stopped: at the floor, by "Detener Movimiento" or by leaving.
    void finish() { m_running = false; }

private:
    QStringList m_bodies{QString()};
    double m_acceleration = 0;
    std::optional<double> m_tension;
    QString m_direction;
    EnergySetup m_energy;
    QList<Sample> m_strobes;
    QList<Sample> m_samples{Sample{}};
    bool m_running = false;
    bool m_started = false;
};

} // namespace run_data
