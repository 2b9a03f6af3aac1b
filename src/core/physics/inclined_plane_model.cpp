#include "core/physics/inclined_plane_model.h"

#include "core/constants.h"

#include <cmath>

namespace simulation::inclined_plane {

double radians(double degrees)
{
    return degrees * constants::SimulationPi / 180.0;
}

double acceleration(const Incline &incline)
{
    return constants::SimulationGravity * std::sin(radians(incline.angleDegrees)) - frictionPerKg(incline);
}

double frictionPerKg(const Incline &incline)
{
    return constants::SimulationGravity * incline.mu * std::cos(radians(incline.angleDegrees));
}

Friction regime(const Incline &incline)
{
    const double theta = radians(incline.angleDegrees);
    return incline.mu * std::cos(theta) <= std::sin(theta) ? Friction::Kinetic : Friction::Static;
}

double effectiveMu(const Incline &incline)
{
    return regime(incline) == Friction::Kinetic ? incline.mu : std::tan(radians(incline.angleDegrees));
}

double distanceAt(const Incline &incline, double t)
{
    return t * t * acceleration(incline) / 2;
}

} // namespace simulation::inclined_plane
