#pragma once

// Block 1 (mass m1) lies on a table with friction coefficient μ and is pulled
// by a cord over a pulley at the table's end by block 2 (mass m2), hanging.
// Newton's second law for the pair, while they move:
//
//     (m1 + m2) a = m2 g − μ m1 g        a = D g / (m1 + m2), D = m2 − μ m1
//     T = m2 (g − a) = m1 (a + μ g)      = m1 m2 g (1 + μ) / (m1 + m2)
//
// When D ≤ 0 static friction holds the blocks and the cord carries the weight
// of block 2. Starting from rest, both blocks travel ½ a t².
//
// SI units throughout: kilograms, metres, seconds, newtons.
namespace simulation::horizontal_plane {

struct Setup {
    double m1 = 50; // kg, on the table
    double m2 = 50; // kg, hanging
    double mu = 0;  // friction coefficient between block 1 and the table
};

enum class Regime {
    NoSolution, // both masses zero
    Moving,     // D > 0
    Held,       // friction holds the blocks, also at D = 0
};

// D = m2 − μ m1, what is left of the pull once friction is paid, in kg.
double drive(const Setup &setup);
Regime regime(const Setup &setup);

// 0 unless the blocks move.
double acceleration(const Setup &setup);
// Moving: m1 m2 g (1 + μ) / (m1 + m2). Held: m2 g. No solution: 0.
double tension(const Setup &setup);
// The friction on block 1: μ m1 g while it slides; while the blocks are held,
// as much as the pull of block 2, m2 g.
double frictionForce(const Setup &setup);
// The weight of block 2, m2 g.
double weight(const Setup &setup);

// ½ a t² in metres after t seconds from rest; 0 unless the blocks move.
double distanceAt(const Setup &setup, double time);

} // namespace simulation::horizontal_plane
