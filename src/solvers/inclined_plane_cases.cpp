#include "solvers/inclined_plane_cases.h"

#include <cmath>

namespace solvers::inclined {

namespace {

// The problem windows turn degrees into radians with this value of π.
constexpr double Pi = 3.14159;

double radians(double degrees)
{
    return degrees * Pi / 180.0;
}

const QString AngleRange = QStringLiteral("El ángulo debe ser mayor a cero y menor a 90 grados");

// Case A: μ = (9.81 sin θ − a) / (9.81 cos θ).
Outcome frictionFromAccelerationAndAngle(const Problem &problem)
{
    const Givens given = readGivens(problem, captions(), {Acceleration, Angle});
    if (given.error)
        return message(*given.error);
    const double a = given[Acceleration];
    const double theta = given[Angle];

    if (!(theta >= 0 && theta < 90))
        return message(AngleRange);
    if (theta == 0)
        return message(QStringLiteral("El ángulo debe ser diferente de cero"));
    const double along = Gravity * std::sin(radians(theta));
    if (!(along - a > 0))
        return message(QStringLiteral("9,81 por el seno del ángulo de inclinación debe ser mayor que la aceleración"));
    const double mu = (along - a) / (Gravity * std::cos(radians(theta)));
    return answers({{Friction, mu}});
}

// Case B: no closed form is used; the whole degrees 0 to 90 are tried and
// the largest one whose acceleration lies within 0.1 of a is the answer.
Outcome angleFromAccelerationAndFriction(const Problem &problem)
{
    const Givens given = readGivens(problem, captions(), {Acceleration, Friction});
    if (given.error)
        return message(*given.error);
    const double a = given[Acceleration];
    const double mu = given[Friction];

    std::optional<int> match;
    for (int degrees = 0; degrees <= 90; ++degrees) {
        const double r = (std::sin(radians(degrees)) - std::cos(radians(degrees)) * mu) * Gravity;
        if (std::fabs(a - r) < 0.1)
            match = degrees;
    }
    if (!match)
        return nothing();
    return answers({{Angle, double(*match)}});
}

// Case C: a = (sin θ − μ cos θ) · 9.81; a negative a means the block stays.
Outcome accelerationFromAngleAndFriction(const Problem &problem)
{
    const Givens given = readGivens(problem, captions(), {Angle, Friction});
    if (given.error)
        return message(*given.error);
    const double theta = given[Angle];
    const double mu = given[Friction];

    if (!(theta >= 0 && theta <= 90))
        return message(AngleRange);
    if (mu <= 0)
        return message(QStringLiteral("El coeficiente de fricción debe ser mayor que cero"));
    const double a = (std::sin(radians(theta)) - std::cos(radians(theta)) * mu) * Gravity;
    if (a >= 0)
        return answers({{Acceleration, a}});
    return message(noSolutionMessage());
}

} // namespace

QStringList captions()
{
    return {QStringLiteral("Aceleración"), QStringLiteral("Ángulo"), QStringLiteral("Coeficiente de fricción")};
}

Outcome solve(const Problem &problem)
{
    if (checkedExactly(problem, {Acceleration, Angle}))
        return frictionFromAccelerationAndAngle(problem);
    if (checkedExactly(problem, {Acceleration, Friction}))
        return angleFromAccelerationAndFriction(problem);
    if (checkedExactly(problem, {Angle, Friction}))
        return accelerationFromAngleAndFriction(problem);
    return nothing();
}

} // namespace solvers::inclined
