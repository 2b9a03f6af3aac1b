#pragma once

#include "core/problems/problem.h"

// The inclined-plane problem: a block sliding down a plane with friction,
//     a = 9.81 · (sin θ − μ · cos θ),
// with a in m/s², θ in degrees and μ the coefficient of kinetic friction.
// Two of the three are given; the case table finds the third.
namespace solvers::inclined {

// Field order of the window: Text1 a, Text2 θ, Text3 μ.
enum Field { Acceleration = 0, Angle = 1, Friction = 2 };

// Captions of the check boxes, used in messages about a field.
QStringList captions();

// How many boxes a case ticks: any other number finds no case.
constexpr int GivenBoxes = 2;

Outcome solve(const Problem &problem);

} // namespace solvers::inclined
