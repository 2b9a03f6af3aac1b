#include "solvers/horizontal_plane_cases.h"

namespace solvers::horizontal {

namespace {

// The friction message has a different wording in cases 1, 8 and the rest.
const QString FrictionAtLeastZero = QStringLiteral("El coeficiente de fricción debe ser mayor o igual a cero");
const QString TensionAtLeastZero = QStringLiteral("La tensión debe ser mayor o igual a cero");
const QString TensionAboveZero = QStringLiteral("La tensión debe ser mayor que cero");
const QString AccelerationAtLeastZero = QStringLiteral("La aceleración debe ser mayor o igual a cero");
const QString Mass1AboveZero = QStringLiteral("La masa m1 debe ser mayor a cero");
const QString Mass1AtLeastZero = QStringLiteral("La masa m1 debe ser mayor o igual a cero");
const QString Mass2AtLeastZero = QStringLiteral("La masa m2 debe ser mayor o igual a cero");
const QString AccelerationBelowGravity =
    QStringLiteral("La aceleración debe ser positiva y menor a 9,81 metros sobre segundo al cuadrado");

// Case 1: the forward problem.
Outcome fromMassesAndFriction(const Givens &given)
{
    const double m1 = given[Mass1], m2 = given[Mass2], mu = given[Friction];
    if (!(m1 >= 0 && m2 >= 0))
        return message(QStringLiteral("Las masas deben ser mayores o iguales a cero"));
    if (!(mu >= 0))
        return message(QStringLiteral("El coeficiente de fricción debe ser mayor o igual cero"));
    // Friction stronger than the hanging weight: the blocks stay at rest.
    if (!(m2 >= mu * m1))
        return message(noSolutionMessage());
    if (!(m1 + m2 > 0))
        return message(noSolutionMessage());
    return answers({{Acceleration, (m2 - mu * m1) * Gravity / (m1 + m2)},
                    {Tension, m1 * m2 * (1 + mu) * Gravity / (m1 + m2)}});
}

// Case 2: μ from the law of the pair, T from the hanging block.
Outcome fromMassesAndAcceleration(const Givens &given)
{
    const double m1 = given[Mass1], m2 = given[Mass2], a = given[Acceleration];
    if (!(m1 > 0))
        return message(Mass1AboveZero);
    if (!(m2 >= 0))
        return message(Mass2AtLeastZero);
    if (!(a >= 0))
        return message(AccelerationAtLeastZero);
    // More than this would need a negative friction coefficient.
    if (!(m2 * Gravity >= a * (m1 + m2)))
        return message(AccelerationAtLeastZero);
    return answers({{Friction, (m2 * Gravity - a * (m1 + m2)) / (Gravity * m1)}, {Tension, m2 * (Gravity - a)}});
}

// Case 3: μ from T (m1 + m2) = m1 m2 (1 + μ) g, a from the hanging block.
Outcome fromMassesAndTension(const Givens &given)
{
    const double m1 = given[Mass1], m2 = given[Mass2], t = given[Tension];
    if (!(m1 >= 0))
        return message(Mass1AtLeastZero);
    if (!(m2 >= 0))
        return message(Mass2AtLeastZero);
    if (t < 0 || !(m1 * m2 * Gravity > 0) || !(t * (m1 + m2) >= m1 * m2 * Gravity))
        return message(TensionAboveZero);
    const double mu = (t * (m1 + m2) - m1 * m2 * Gravity) / (m1 * m2 * Gravity);
    // A tension above the hanging weight would lift the hanging block.
    if (!(m2 * Gravity - t >= 0))
        return message(TensionAboveZero);
    return answers({{Friction, mu}, {Acceleration, (m2 * Gravity - t) / m2}});
}

// Case 4: m2 from T (m1 + m2) = m1 m2 (1 + μ) g, then a.
Outcome fromMass1FrictionAndTension(const Givens &given)
{
    const double m1 = given[Mass1], mu = given[Friction], t = given[Tension];
    if (!(m1 >= 0))
        return message(Mass1AtLeastZero);
    if (!(mu >= 0))
        return message(FrictionAtLeastZero);
    // The tension never reaches m1 (1 + μ) g, however heavy the hanging block.
    if (t < 0 || !(m1 * (1 + mu) * Gravity > t))
        return message(TensionAtLeastZero);
    const double m2 = m1 * t / (m1 * (1 + mu) * Gravity - t);
    const double a = (m2 - mu * m1) * Gravity / (m1 + m2);
    if (!(a >= 0))
        return message(TensionAtLeastZero);
    return answers({{Mass2, m2}, {Acceleration, a}});
}

// Case 5: m2 from the hanging block, μ from the block on the table.
Outcome fromMass1AccelerationAndTension(const Givens &given)
{
    const double m1 = given[Mass1], a = given[Acceleration], t = given[Tension];
    if (!(m1 > 0))
        return message(Mass1AboveZero);
    if (!(a >= 0 && a < Gravity))
        return message(AccelerationBelowGravity);
    if (t < 0)
        return message(TensionAtLeastZero);
    const double m2 = t / (Gravity - a);
    const double mu = (m2 * Gravity - a * (m1 + m2)) / (Gravity * m1);
    if (!(mu >= 0))
        return message(TensionAtLeastZero);
    return answers({{Mass2, m2}, {Friction, mu}});
}

// Case 6: m2 from the law of the pair, T from the hanging block.
Outcome fromMass1FrictionAndAcceleration(const Givens &given)
{
    const double m1 = given[Mass1], mu = given[Friction], a = given[Acceleration];
    if (!(m1 >= 0))
        return message(Mass1AtLeastZero);
    if (!(mu >= 0))
        return message(FrictionAtLeastZero);
    if (!(a > 0 && a < Gravity))
        return message(AccelerationBelowGravity);
    const double m2 = m1 * (a + mu * Gravity) / (Gravity - a);
    return answers({{Mass2, m2}, {Tension, m2 * (Gravity - a)}});
}

// Case 7: m2, a and T fix the hanging block only; the block on the table
// leaves one equation for two unknowns, m1 and μ.
Outcome fromMass2AccelerationAndTension(const Givens &)
{
    return message(QStringLiteral("El problema no tiene solución"));
}

// Case 8: m1 from the law of the pair, T from the hanging block.
Outcome fromMass2FrictionAndAcceleration(const Givens &given)
{
    const double m2 = given[Mass2], mu = given[Friction], a = given[Acceleration];
    if (!(m2 >= 0))
        return message(QStringLiteral("La masa m2 debe ser mayor que cero"));
    if (!(mu >= 0))
        return message(QStringLiteral("El coeficiente de fricción debe ser mayor que cero"));
    if (!(a >= 0) || a + mu * Gravity == 0)
        return message(AccelerationAtLeastZero);
    const double m1 = m2 * (Gravity - a) / (a + mu * Gravity);
    if (!(m1 >= 0))
        return message(AccelerationAtLeastZero);
    return answers({{Mass1, m1}, {Tension, m2 * (Gravity - a)}});
}

// Case 9: a from the hanging block, m1 from T (m1 + m2) = m1 m2 (1 + μ) g.
Outcome fromMass2FrictionAndTension(const Givens &given)
{
    const double m2 = given[Mass2], mu = given[Friction], t = given[Tension];
    if (!(m2 > 0))
        return message(QStringLiteral("La masa m2 debe ser mayor a cero"));
    if (!(mu >= 0))
        return message(FrictionAtLeastZero);
    if (t < 0)
        return message(TensionAtLeastZero);
    const double a = (m2 * Gravity - t) / m2;
    if (!(a >= 0) || m2 * (1 + mu) * Gravity - t == 0)
        return message(TensionAtLeastZero);
    return answers({{Mass1, m2 * t / (m2 * (1 + mu) * Gravity - t)}, {Acceleration, a}});
}

// Case 10: each block on its own, m1 from the table, m2 from the hanging one.
Outcome fromFrictionAccelerationAndTension(const Givens &given)
{
    const double mu = given[Friction], a = given[Acceleration], t = given[Tension];
    if (!(a > 0))
        return message(QStringLiteral("La aceleración debe ser mayor que cero"));
    if (!(mu >= 0))
        return message(FrictionAtLeastZero);
    if (t < 0)
        return message(TensionAtLeastZero);
    const double m1 = t / (mu * Gravity + a);
    if (!(Gravity > a))
        return message(QStringLiteral("La gravedad debe ser mayor que la acelaración"));
    return answers({{Mass1, m1}, {Mass2, t / (Gravity - a)}});
}

// Every choice of three given quantities, in the order they are tried.
const QList<Case> &table()
{
    static const QList<Case> cases{
        {{Mass1, Mass2, Friction}, fromMassesAndFriction},
        {{Mass1, Mass2, Acceleration}, fromMassesAndAcceleration},
        {{Mass1, Mass2, Tension}, fromMassesAndTension},
        {{Mass1, Friction, Tension}, fromMass1FrictionAndTension},
        {{Mass1, Acceleration, Tension}, fromMass1AccelerationAndTension},
        {{Mass1, Friction, Acceleration}, fromMass1FrictionAndAcceleration},
        {{Mass2, Acceleration, Tension}, fromMass2AccelerationAndTension, false},
        {{Mass2, Friction, Acceleration}, fromMass2FrictionAndAcceleration},
        {{Mass2, Friction, Tension}, fromMass2FrictionAndTension},
        {{Friction, Acceleration, Tension}, fromFrictionAccelerationAndTension},
    };
    return cases;
}

} // namespace

QStringList captions()
{
    return {QStringLiteral("Masa 1"), QStringLiteral("Masa 2"), QStringLiteral("Coeficiente de fricción"),
            QStringLiteral("Aceleración"), QStringLiteral("Tensión")};
}

Outcome solve(const Problem &problem)
{
    return solveByTable(problem, captions(), table());
}

} // namespace solvers::horizontal
