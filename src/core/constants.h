#pragma once

// The numbers the program computes its physics with, each written once.
// The problem windows and the simulations have always used slightly
// different ones, and every result the program shows was computed with
// these values: changing one changes digits a student may have copied.
namespace constants {

// g in every formula of the problem windows and their working, m/s²: the
// value the students' textbooks write.
inline constexpr double ProblemGravity = 9.81;

// g of the simulations, m/s²: their accelerations, tensions and motion,
// and the length of the inclined plane's weight arrow. Each simulation
// window says so beside its fields ("g = 9,8 m/s²"). The Atwood scene draws
// its force arrows with ProblemGravity instead, as it always has.
inline constexpr double SimulationGravity = 9.8;

// π with which the inclined-plane problem turns degrees into radians; its
// answers (the angle search included) were always computed with it.
inline constexpr double ProblemPi = 3.14159;

// π of the simulations: the angle of the inclined plane in radians and the
// half circles that head the force arrows. At 90° the plane stands a hair
// past vertical (θ = 1.5708 > π/2), which its pictures were laid out with.
inline constexpr double SimulationPi = 3.1416;

// Simulated seconds per tick of a simulation's timer. The timer runs at
// 100 ms, so the bodies move at a tenth of real speed.
inline constexpr double TickSeconds = 0.01;

// Simulated seconds between two strobe marks, and between two rows of the
// data window: a whole number of ticks.
inline constexpr double StrobeSeconds = 0.1;
inline constexpr int TicksPerStrobe = 10;
static_assert(TicksPerStrobe * TickSeconds == StrobeSeconds);

} // namespace constants
