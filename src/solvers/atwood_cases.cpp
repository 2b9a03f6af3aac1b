#include "solvers/atwood_cases.h"

#include <cmath>

namespace solvers::atwood {

namespace {

const QString Mass1AboveZero = QStringLiteral("La masa m1 debe ser mayor que cero");
const QString Mass2AboveZero = QStringLiteral("La masa m2 debe ser mayor que cero");
// Cases 3 and 6 write "Tensión" with a capital letter, case 5 does not.
const QString TensionCapitalAtLeastZero = QStringLiteral("La tensión debe ser mayor o igual a cero");

// Case 1: the forward problem; whichever block is heavier goes down.
Outcome fromMasses(const Givens &given)
{
    const double m1 = given[Mass1], m2 = given[Mass2];
    if (!(m2 > 0))
        return message(Mass2AboveZero);
    if (!(m1 > 0))
        return message(Mass1AboveZero);
    return answers({{Acceleration, std::fabs(m1 - m2) * Gravity / (m1 + m2)},
                    {Tension, 2 * m1 * m2 * Gravity / (m1 + m2)}});
}

// Case 2: T from the falling block, m2 from m2 (g + a) = T.
Outcome fromMass1AndAcceleration(const Givens &given)
{
    const double m1 = given[Mass1], a = given[Acceleration];
    if (!(a > 0))
        return message(QStringLiteral("La aceleración debe ser mayor que cero"));
    if (!(m1 > 0))
        return message(Mass1AboveZero);
    if (!(Gravity > a))
        return message(QStringLiteral("La aceleración de la gravedad debe ser mayor que la aceleración"));
    return answers({{Tension, m1 * (Gravity - a)}, {Mass2, m1 * (Gravity - a) / (Gravity + a)}});
}

// Case 3: a from the falling block, m2 from T (m1 + m2) = 2 m1 m2 g.
Outcome fromMass1AndTension(const Givens &given)
{
    const double m1 = given[Mass1], t = given[Tension];
    if (t < 0)
        return message(TensionCapitalAtLeastZero);
    if (!(m1 > 0))
        return message(Mass1AboveZero);
    // A tension of at least m1 g would stop m1 from going down.
    if (!(Gravity * m1 > t))
        return message(noSolutionMessage());
    return answers({{Acceleration, (m1 * Gravity - t) / m1}, {Mass2, m1 * t / (2 * m1 * Gravity - t)}});
}

// Case 4: T from the rising block, m1 from m1 (g − a) = T.
Outcome fromMass2AndAcceleration(const Givens &given)
{
    const double m2 = given[Mass2], a = given[Acceleration];
    if (!(m2 >= 0))
        return message(QStringLiteral("La masa m2 debe ser mayor o igual a cero"));
    if (!(a >= 0))
        return message(QStringLiteral("La aceleración debe ser mayor o igual a cero"));
    if (!(Gravity > a))
        return message(QStringLiteral("La aceleración debe ser menor o igual que la aceleración de la gravedad"));
    return answers({{Tension, m2 * (Gravity + a)}, {Mass1, m2 * (Gravity + a) / (Gravity - a)}});
}

// Case 5: a from the rising block, m1 from T (m1 + m2) = 2 m1 m2 g.
Outcome fromMass2AndTension(const Givens &given)
{
    const double m2 = given[Mass2], t = given[Tension];
    if (!(m2 > 0))
        return message(Mass2AboveZero);
    if (t < 0)
        return message(QStringLiteral("La tensión debe ser mayor o igual a cero"));
    // The rising block needs T ≥ m2 g; T reaches 2 m2 g only for an
    // infinitely heavy m1.
    if (!(t >= m2 * Gravity))
        return message(noSolutionMessage());
    if (!(2 * m2 * Gravity > t))
        return message(noSolutionMessage());
    return answers({{Acceleration, (t - Gravity * m2) / m2}, {Mass1, m2 * t / (2 * m2 * Gravity - t)}});
}

// Case 6: each block on its own.
Outcome fromAccelerationAndTension(const Givens &given)
{
    const double a = given[Acceleration], t = given[Tension];
    if (t < 0)
        return message(TensionCapitalAtLeastZero);
    if (!(a >= 0))
        return message(QStringLiteral("La aceleración debe ser mayor o igual a cero"));
    if (!(Gravity > a))
        return message(QStringLiteral("La aceleración de la gravedad debe ser mayor que la aceleración"));
    return answers({{Mass1, t / (Gravity - a)}, {Mass2, t / (Gravity + a)}});
}

// Every choice of two given quantities, in the order they are tried.
const QList<Case> &table()
{
    static const QList<Case> cases{
        {{Mass1, Mass2}, fromMasses},
        {{Mass1, Acceleration}, fromMass1AndAcceleration},
        {{Mass1, Tension}, fromMass1AndTension},
        {{Mass2, Acceleration}, fromMass2AndAcceleration},
        {{Mass2, Tension}, fromMass2AndTension},
        {{Acceleration, Tension}, fromAccelerationAndTension},
    };
    return cases;
}

} // namespace

QStringList captions()
{
    return {QStringLiteral("Masa 1"), QStringLiteral("Masa 2"), QStringLiteral("Aceleración"),
            QStringLiteral("Tensión")};
}

Outcome solve(const Problem &problem)
{
    return solveByTable(problem, captions(), table());
}

} // namespace solvers::atwood
