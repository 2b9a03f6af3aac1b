#include "core/physics/horizontal_plane_model.h"

#include "core/constants.h"

#include <cmath>

namespace simulation::horizontal_plane {

using constants::SimulationGravity;

namespace {

// μ m1 in kg. μ comes in hundredths, and the product is formed as
// (m1 / 100) × hundredths: where a result is a decimal tie (a = 3.1175 for
// 99, 97 and 0.35) the digit shown depends on how the product was rounded,
// and the window has always shown the digit of this order.
double frictionPull(const Setup &setup)
{
    return (setup.m1 * 0.01) * std::round(setup.mu * 100);
}

// Whole kilograms and hundredths of μ put a setup that is not balanced at
// least 0.01 kg out of balance; anything less is the rounding of μ m1 (29 kg
// against 29 kg at μ = 1 came out 4e-15 kg ahead, and its run never ended).
constexpr double Balance = 1e-9; // kg

} // namespace

double drive(const Setup &setup)
{
    return setup.m2 - frictionPull(setup);
}

Regime regime(const Setup &setup)
{
    if (setup.m1 == 0 && setup.m2 == 0)
        return Regime::NoSolution;
    return drive(setup) > Balance ? Regime::Moving : Regime::Held;
}

double acceleration(const Setup &setup)
{
    if (regime(setup) != Regime::Moving)
        return 0;
    return drive(setup) * SimulationGravity / (setup.m1 + setup.m2);
}

double tension(const Setup &setup)
{
    switch (regime(setup)) {
    case Regime::Moving:
        return ((setup.m1 * SimulationGravity) * setup.m2) * (setup.mu + 1) / (setup.m1 + setup.m2);
    case Regime::Held:
        return weight(setup);
    case Regime::NoSolution:
        break;
    }
    return 0;
}

double frictionForce(const Setup &setup)
{
    if (regime(setup) == Regime::Moving)
        return frictionPull(setup) * SimulationGravity;
    return weight(setup);
}

double weight(const Setup &setup)
{
    return setup.m2 * SimulationGravity;
}

double distanceAt(const Setup &setup, double time)
{
    if (regime(setup) != Regime::Moving)
        return 0;
    return drive(setup) * (SimulationGravity / 2) * time * time / (setup.m1 + setup.m2);
}

} // namespace simulation::horizontal_plane
