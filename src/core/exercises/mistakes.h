#pragma once

#include "core/exercises/catalogue.h"
#include "core/exercises/physics.h"

#include <QList>
#include <QString>

#include <optional>

// The typical mistakes of each problem. A mistake is a wrong set of
// equations (mistakes.cpp writes each one); solving the exercise's case with
// it, on the same data, gives the values a student who made it would find.
namespace exercises {

enum class Mistake {
    FrictionLeftOut,        // inclined and horizontal planes
    SineAndCosineSwapped,   // inclined plane
    FrictionAdded,          // inclined and horizontal planes
    NormalTakenAsWeight,    // inclined plane
    AngleInRadians,         // inclined plane
    FrictionOnHangingBlock, // horizontal plane
    OneMassLeftOut,         // horizontal plane and Atwood machine
    TensionTakenAsWeight,   // horizontal plane and Atwood machine
    MassesSwapped,          // Atwood machine
    TensionTakenAsNetForce, // Atwood machine
    SignOfAcceleration,     // Atwood machine
};

// A problem's mistakes, in the order a typed value is matched against them.
const QList<Mistake> &mistakes(ProblemKind problem);

// The hint shown for a mistake: it points at the step, not at the number.
QString hint(ProblemKind problem, Mistake mistake);

// The exact values with the unknowns computed with the mistake instead;
// nothing when the mistake leaves them open or contradicts the data. An
// angle in radians comes out in radians (answersInRadians).
std::optional<Values> valuesWithMistake(ProblemKind problem, Mistake mistake, const Values &exact,
                                        const QList<int> &unknowns);
bool answersInRadians(Mistake mistake);

} // namespace exercises
