#pragma once

// A block sliding down a plane inclined at θ with coefficient of friction μ,
// per unit of mass (the block has no mass in this window):
//     a = g sin θ − μ g cos θ,   g = 9.8 m/s²,
// with kinetic friction μ g cos θ while μ cos θ ≤ sin θ, and static friction
// g sin θ (it holds the block) beyond. From rest the block has slid
//     s(t) = a t² / 2
// metres at time t. SI units throughout; θ comes in degrees and becomes
// radians with π = 3.1416.
namespace simulation::inclined_plane {

struct Incline {
    double angleDegrees = 0;
    double mu = 0;
};

enum class Friction { Kinetic, Static };

double radians(double degrees);

// m/s²; positive exactly when the block slides.
double acceleration(const Incline &incline);
// The kinetic friction per kilogram of the block, μ·g·cos θ in N/kg, which
// the acceleration above takes off g·sin θ.
double frictionPerKg(const Incline &incline);

// Kinetic while μ cos θ ≤ sin θ (μ ≤ tan θ below 90°). Written as a product
// it also holds at 90°, where θ = 1.5708 lies just past π/2 and the block
// falls freely beside the wall.
Friction regime(const Incline &incline);

// The coefficient the friction acts with, μ g cos θ up the slope: μ while
// kinetic, tan θ (just enough to hold the block) while static.
double effectiveMu(const Incline &incline);

// Metres slid after t seconds from rest.
double distanceAt(const Incline &incline, double t);

} // namespace simulation::inclined_plane
