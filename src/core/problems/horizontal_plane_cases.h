#pragma once

#include "core/problems/problem.h"

// The horizontal-plane problem: a block of mass m1 on a table with kinetic
// friction μ, pulled by a cord over a pulley at the table's edge by a hanging
// block of mass m2. Newton's second law for each block,
//     m2 · g − T = m2 · a        (hanging block)
//     T − μ · m1 · g = m1 · a    (block on the table)
// gives a = (m2 − μ · m1) · g / (m1 + m2) and
//       T = m1 · m2 · (1 + μ) · g / (m1 + m2).
// Three of the five are given; the case table finds the other two.
namespace solvers::horizontal {

// Field order of the window: Text1 m1, Text2 m2, Text3 μ, Text4 a, Text5 T.
enum Field { Mass1 = 0, Mass2 = 1, Friction = 2, Acceleration = 3, Tension = 4 };

// Captions of the check boxes, used in messages about a field.
QStringList captions();

// How many boxes a case ticks: any other number finds no case.
constexpr int GivenBoxes = 3;

Outcome solve(const Problem &problem);

} // namespace solvers::horizontal
