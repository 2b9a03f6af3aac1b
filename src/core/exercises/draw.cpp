#include "core/exercises/draw.h"

namespace exercises {

Draw::Draw(std::uint32_t seed)
    : m_engine(seed)
{
}

int Draw::between(int low, int high)
{
    const std::uint64_t span = std::uint64_t(std::int64_t(high) - low) + 1;
    const std::uint64_t raw = std::uint32_t(m_engine());
    return int(low + std::int64_t((raw * span) >> 32));
}

} // namespace exercises
