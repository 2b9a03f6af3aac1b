#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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

class RunRecord
{
public:
    RunRecord() = default;
    // `bodies`: one name per moving body, or a single empty name for the
    // inclined plane's lone block, whose columns need no name.
    RunRecord(QStringList bodies, double acceleration, std::optional<double> tension,
              QString direction = {});

    static RunRecord inclinedPlane(double acceleration);
    static RunRecord horizontalPlane(double acceleration, double tension);
    // acceleration1: that of mass 1, positive upwards, as the window shows
    // it; its sign says which mass sinks.
    static RunRecord atwood(double acceleration1, double tension);

    const QStringList &bodies() const { return m_bodies; }
    double acceleration() const { return m_acceleration; }
    std::optional<double> tension() const { return m_tension; }
    // Which way the bodies go, where it is worth saying; may be empty.
    const QString &direction() const { return m_direction; }

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
    QList<Sample> m_strobes;
    QList<Sample> m_samples{Sample{}};
    bool m_running = false;
    bool m_started = false;
};

} // namespace run_data
