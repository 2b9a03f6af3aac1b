#include "core/simulations/run_clock.h"

#include <cmath>

namespace core {

bool RunClock::strobeDueAt(double time)
{
    // llrint rounds halves to even in the default rounding mode.
    return std::llrint(time / Step) % constants::TicksPerStrobe == 0;
}

} // namespace core
