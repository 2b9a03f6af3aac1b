#include "core/physics/atwood_model.h"

#include "core/constants.h"

#include <cmath>

namespace simulation::atwood {

namespace {

using constants::SimulationGravity;

constexpr double TwiceGravity = 2 * SimulationGravity;
constexpr double HalfGravity = SimulationGravity / 2;

double total(const Machine &machine)
{
    return machine.m1 + machine.m2;
}

} // namespace

Regime regime(const Machine &machine)
{
    if (machine.m1 > machine.m2)
        return Regime::Block1Sinks;
    if (machine.m2 > machine.m1)
        return Regime::Block2Sinks;
    return Regime::Balanced;
}

bool solvable(const Machine &machine)
{
    return total(machine) != 0;
}

double acceleration1(const Machine &machine)
{
    return (machine.m2 - machine.m1) * SimulationGravity / total(machine);
}

double acceleration(const Machine &machine)
{
    if (!solvable(machine))
        return 0;
    return std::abs(machine.m2 - machine.m1) * SimulationGravity / total(machine);
}

double tension(const Machine &machine)
{
    if (!solvable(machine))
        return 0;
    return machine.m1 * TwiceGravity * machine.m2 / total(machine);
}

// ½·|a|·t² with |a| = |m1 − m2|·g / (m1 + m2), multiplied out in this order
// so the distance shown keeps every digit it always had.
double distanceAt(const Machine &machine, double t)
{
    if (regime(machine) == Regime::Balanced)
        return 0;
    return std::abs(machine.m1 - machine.m2) * HalfGravity * t * t / total(machine);
}

} // namespace simulation::atwood
