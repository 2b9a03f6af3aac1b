#pragma once

#include "core/constants.h"

// The time of a simulation run. Every advancing tick of a window's timer is
// one step of simulated time; the timer fires ten times slower than that, so
// the bodies move at a tenth of real speed.
namespace core {

class RunClock
{
public:
    // Simulated seconds per tick.
    static constexpr double Step = constants::TickSeconds;

    double time() const { return m_time; }
    // The time before the last tick.
    double previousTime() const { return m_previous; }

    // The time is a sum of steps, as the windows have always shown it; the
    // strobe rule below absorbs the drift of that sum.
    void tick()
    {
        m_previous = m_time;
        m_time += Step;
    }
    void reset() { *this = RunClock(); }

    // True every tenth of a second: 100·t rounded to a whole number (halves
    // to even) is a multiple of ten.
    bool strobeDue() const { return strobeDueAt(m_time); }
    static bool strobeDueAt(double time);

private:
    double m_time = 0;
    double m_previous = 0;
};

} // namespace core
