#pragma once

// The Atwood machine: two blocks of masses m1 and m2 hang from one cord over
// a fixed, massless pulley. Newton's second law for each block, with the
// cord's tension T the same on both sides and mass 1's acceleration a1
// counted upwards:
//
//     m1·a1 = T − m1·g        m2·(−a1) = T − m2·g
//
// gives a1 = (m2 − m1)·g / (m1 + m2) and T = 2·g·m1·m2 / (m1 + m2).
//
// The motion is kinematic: from rest, each block travels s(t) = ½·|a|·t²,
// the heavier one down and the lighter one up. SI units throughout.
namespace simulation::atwood {

// The two masses, in kg.
struct Machine {
    double m1 = 0;
    double m2 = 0;
    bool operator==(const Machine &) const = default;
};

// Which way the cord runs.
enum class Regime {
    Block1Sinks,
    Block2Sinks,
    Balanced, // equal masses (both zero included): nothing moves
};

Regime regime(const Machine &machine);

// False when both masses are zero: there is no acceleration to speak of.
bool solvable(const Machine &machine);

// Mass 1's acceleration in m/s², positive upwards; mass 2's is its negative.
// Needs a solvable machine.
double acceleration1(const Machine &machine);
// Its magnitude, the same for both blocks; 0 when not solvable.
double acceleration(const Machine &machine);
// The cord's tension in N; 0 when a mass is zero, nothing then pulls on the
// cord from the other side.
double tension(const Machine &machine);

// Metres travelled by each block t seconds after it left rest; 0 for a
// balanced machine.
double distanceAt(const Machine &machine, double t);

} // namespace simulation::atwood
