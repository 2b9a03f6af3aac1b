#pragma once

#include "core/exercises/catalogue.h"

#include <QList>

#include <array>
#include <optional>

// The exact physics of the exercises: g = 9.81 m/s², angles in degrees
// turned into radians with π itself (the problem windows use 3.14159).
namespace exercises {

// Every quantity of a problem in SI units (angles in degrees), indexed by
// the problem window's field.
using Values = std::array<double, 5>;

// The case's unknowns from its given values, by the closed forms of Newton's
// second law written in physics.cpp; the given values are kept.
Values solveExactly(const CaseInfo &kase, Values values);

// A problem's equations as residuals, each zero when the values satisfy it.
// The inclined plane has one equation; its second residual is always 0.
using Laws = std::array<double, 2> (*)(const Values &values);

// Values of `unknowns` (one or two) that satisfy `laws`, by Newton's method
// from `start`; nothing when the laws do not fix them (no unknown appears in
// an equation, or the given values contradict one) or the method does not
// settle on finite values.
std::optional<Values> solveLaws(Laws laws, const Values &start, const QList<int> &unknowns);

// Degrees to radians with π itself, as the exact physics and its mistakes take them.
double radians(double degrees);

// How far from a value an answer may be and still be taken for it: 1 % of
// the value but at least 0.01, or 0.5 for an angle in degrees.
double tolerance(bool angle, double value);

} // namespace exercises
