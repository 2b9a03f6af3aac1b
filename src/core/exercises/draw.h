#pragma once

#include <cstdint>
#include <random>

namespace exercises {

// Whole numbers drawn from std::mt19937, whose output the C++ standard fixes
// bit for bit. The mapping to a range is our own: the library's
// distributions differ between implementations, and a code must give the
// same exercise on every computer.
class Draw
{
public:
    explicit Draw(std::uint32_t seed);

    // From low to high, both included: a 32-bit output scaled to the range
    // (multiply and keep the top 32 bits), with a bias of at most one part
    // in 2³² / (high − low + 1).
    int between(int low, int high);

private:
    std::mt19937 m_engine;
};

} // namespace exercises
