#pragma once

#include "core/problems/problem.h"

// The Atwood machine: blocks of masses m1 and m2 hang from the two ends of a
// cord over a fixed pulley. With m1 the block that goes down, Newton's second
// law for each block gives
//     m1 · (g − a) = T = m2 · (g + a),
// so a = |m1 − m2| · g / (m1 + m2) and T = 2 · m1 · m2 · g / (m1 + m2).
// Two of the four are given; the case table finds the other two.
namespace solvers::atwood {

// Field order of the window: Text1 m1, Text2 m2, Text3 a, Text4 T.
enum Field { Mass1 = 0, Mass2 = 1, Acceleration = 2, Tension = 3 };

// Captions of the check boxes, used in messages about a field.
QStringList captions();

// How many boxes a case ticks: any other number finds no case.
constexpr int GivenBoxes = 2;

Outcome solve(const Problem &problem);

} // namespace solvers::atwood
