#include "core/problems/horizontal_plane_cases.h"

#include <QCoreApplication>

namespace solvers::horizontal {

namespace {

// tr() with the context the catalogues file these texts under.
struct HorizontalPlaneCases {
    Q_DECLARE_TR_FUNCTIONS(HorizontalPlaneCases)
};

// The friction message has a different wording in case 8 and the rest.
const char *const FrictionAtLeastZero = QT_TRANSLATE_NOOP("HorizontalPlaneCases",
                                                          "El coeficiente de fricción debe ser mayor o igual a cero");
const char *const TensionAtLeastZero = QT_TRANSLATE_NOOP("HorizontalPlaneCases",
                                                         "La tensión debe ser mayor o igual a cero");
const char *const TensionAboveZero = QT_TRANSLATE_NOOP("HorizontalPlaneCases", "La tensión debe ser mayor que cero");
const char *const AccelerationAtLeastZero = QT_TRANSLATE_NOOP("HorizontalPlaneCases",
                                                              "La aceleración debe ser mayor o igual a cero");
const char *const Mass1AboveZero = QT_TRANSLATE_NOOP("HorizontalPlaneCases", "La masa m1 debe ser mayor a cero");
const char *const Mass1AtLeastZero = QT_TRANSLATE_NOOP("HorizontalPlaneCases",
                                                       "La masa m1 debe ser mayor o igual a cero");
const char *const Mass2AtLeastZero = QT_TRANSLATE_NOOP("HorizontalPlaneCases",
                                                       "La masa m2 debe ser mayor o igual a cero");
const char *const AccelerationBelowGravity =
    QT_TRANSLATE_NOOP("HorizontalPlaneCases",
                      "La aceleración debe ser positiva y menor a 9,81 metros sobre segundo al cuadrado");

// Words shared by several cases' conditions.
const char *const NegativeMass = QT_TRANSLATE_NOOP("HorizontalPlaneCases", "Una masa no puede ser negativa.");
const char *const NegativeFriction =
    QT_TRANSLATE_NOOP("HorizontalPlaneCases",
                      "El coeficiente de fricción no puede ser negativo: la fricción siempre se opone al "
                      "deslizamiento.");
const char *const NegativeTension =
    QT_TRANSLATE_NOOP("HorizontalPlaneCases", "Una cuerda solo puede tirar: su tensión no puede ser negativa.");
// What a = 0 leaves open: the blocks may also be at rest.
const char *const FrictionAtConstantVelocity = QT_TRANSLATE_NOOP(
    "HorizontalPlaneCases",
    "Con a = 0 los bloques se mueven a velocidad constante, con fricción cinética μ = %1. Si estuvieran en "
    "reposo, la fricción estática los sujetaría con cualquier μ ≥ %1: ese valor sería solo el mínimo.");

// The texts above stay untranslated until a case uses them, after the
// language is chosen.
QString translated(const char *text)
{
    return QCoreApplication::translate("HorizontalPlaneCases", text);
}

QString g()
{
    return givenNumber(Gravity);
}

QString n(double value)
{
    return factor(value);
}

void laws(Work &work)
{
    work.say(HorizontalPlaneCases::tr(
        "Bloque 1 (m₁, sobre la mesa): la cuerda tira de él con la tensión T hacia la polea y la "
        "fricción fr se opone al deslizamiento; en vertical, la normal N equilibra el peso m₁·g."));
    work.formula(HorizontalPlaneCases::tr("Bloque 1, horizontal:   T − fr = m₁·a"));
    work.formula(HorizontalPlaneCases::tr("Bloque 1, vertical:   N − m₁·g = 0   ⇒   N = m₁·g"));
    work.formula(HorizontalPlaneCases::tr("Fricción cinética (el bloque 1 desliza):   fr = μ·N = μ·m₁·g"));
    work.say(HorizontalPlaneCases::tr(
        "Bloque 2 (m₂, colgante): su peso m₂·g tira hacia abajo y la cuerda hacia arriba con T; "
        "la cuerda no se estira, así que los dos bloques tienen la misma aceleración a."));
    work.formula(HorizontalPlaneCases::tr("Bloque 2, vertical (hacia abajo):   m₂·g − T = m₂·a"));
    work.say(HorizontalPlaneCases::tr("Sistema de ecuaciones:"));
    work.formula(QStringLiteral("T − μ·m₁·g = m₁·a"));
    work.formula(QStringLiteral("m₂·g − T = m₂·a"));
    work.say(HorizontalPlaneCases::tr("Sumando las dos ecuaciones, la tensión desaparece:"));
    work.formula(QStringLiteral("(m₂ − μ·m₁)·g = (m₁ + m₂)·a"));
}

// Case 1: the forward problem.
Outcome fromMassesAndFriction(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], m2 = given[Mass2], mu = given[Friction];
    if (!(m1 >= 0 && m2 >= 0))
        return work.fail(HorizontalPlaneCases::tr("Las masas deben ser mayores o iguales a cero"),
                         QStringLiteral("m₁ < 0 o m₂ < 0"), translated(NegativeMass),
                         HorizontalPlaneCases::tr("Escribe masas mayores o iguales a cero."));
    if (!(mu >= 0))
        return work.fail(translated(FrictionAtLeastZero), QStringLiteral("μ < 0"), translated(NegativeFriction),
                         HorizontalPlaneCases::tr("Escribe un coeficiente de fricción mayor o igual a cero."));
    // Friction stronger than the hanging weight: the blocks stay at rest.
    if (!(m2 >= mu * m1))
        return work.fail(noSolutionMessage(),
                         QStringLiteral("m₂ < μ·m₁   (%1 kg < %2 kg)").arg(givenNumber(m2), shownNumber(mu * m1)),
                         HorizontalPlaneCases::tr(
                             "El peso del bloque colgante, m₂·g, no supera la fricción máxima μ·m₁·g del "
                             "bloque de la mesa: el sistema se queda en reposo, a = 0, la fricción estática "
                             "vale justo m₂·g y la tensión es T = m₂·g = %1. La ventana no da resultado "
                             "porque sus fórmulas son las del sistema que desliza, con fricción cinética.")
                             .arg(work.shown(Tension, m2 * Gravity)),
                         HorizontalPlaneCases::tr("Aumenta m₂ o reduce μ o m₁, hasta que m₂ ≥ μ·m₁."));
    if (!(m1 + m2 > 0))
        return work.fail(noSolutionMessage(), QStringLiteral("m₁ + m₂ = 0"),
                         HorizontalPlaneCases::tr("Las dos masas son cero: no hay nada que mover."),
                         HorizontalPlaneCases::tr("Escribe al menos una masa mayor que cero."));
    //: Heading of the worked solution: the unknowns isolated from the equations.
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr("De la suma de las dos ecuaciones se despeja a:"));
    work.solveFor(Acceleration, fraction(QStringLiteral("(m₂ − μ·m₁)·g"), QStringLiteral("m₁ + m₂")),
                  fraction(QStringLiteral("(%1 − %2·%3)·%4").arg(n(m2), n(mu), n(m1), g()),
                           QStringLiteral("%1 + %2").arg(n(m1), n(m2))),
                  (m2 - mu * m1) * Gravity / (m1 + m2));
    work.say(HorizontalPlaneCases::tr("T sale de la ecuación del bloque 2, T = m₂·(g − a); sustituyendo a queda:"));
    work.formula(QStringLiteral("T = m₂·(g − %1) = m₂·%2")
                     .arg(fraction(QStringLiteral("(m₂ − μ·m₁)·g"), QStringLiteral("m₁ + m₂")),
                          fraction(QStringLiteral("(m₁ + m₂ − m₂ + μ·m₁)·g"), QStringLiteral("m₁ + m₂"))));
    work.solveFor(Tension, fraction(QStringLiteral("m₁·m₂·(1 + μ)·g"), QStringLiteral("m₁ + m₂")),
                  fraction(QStringLiteral("%1·%2·(1 + %3)·%4").arg(n(m1), n(m2), n(mu), g()),
                           QStringLiteral("%1 + %2").arg(n(m1), n(m2))),
                  m1 * m2 * (1 + mu) * Gravity / (m1 + m2));
    return work.answer();
}

// Case 2: μ from the law of the pair, T from the hanging block.
Outcome fromMassesAndAcceleration(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], m2 = given[Mass2], a = given[Acceleration];
    if (!(m1 > 0))
        return work.fail(translated(Mass1AboveZero), QStringLiteral("m₁ ≤ 0"),
                         HorizontalPlaneCases::tr(
                             "Para despejar μ hay que dividir entre m₁·g, así que m₁ no puede ser cero."),
                         HorizontalPlaneCases::tr("Escribe una masa m₁ mayor que cero."));
    if (!(m2 >= 0))
        return work.fail(translated(Mass2AtLeastZero), QStringLiteral("m₂ < 0"), translated(NegativeMass),
                         HorizontalPlaneCases::tr("Escribe una masa m₂ mayor o igual a cero."));
    if (!(a >= 0))
        return work.fail(translated(AccelerationAtLeastZero), QStringLiteral("a < 0"),
                         HorizontalPlaneCases::tr(
                             "El bloque colgante tira del sistema, que parte del reposo: no puede acelerar "
                             "hacia atrás."),
                         HorizontalPlaneCases::tr("Escribe una aceleración mayor o igual a cero."));
    // More than this would need a negative friction coefficient.
    if (!(m2 * Gravity >= a * (m1 + m2))) {
        work.misleading(HorizontalPlaneCases::tr("la aceleración no es negativa, es demasiado grande"));
        return work.fail(translated(AccelerationAtLeastZero),
                         QStringLiteral("a > %1 = %2")
                             .arg(fraction(QStringLiteral("m₂·g"), QStringLiteral("m₁ + m₂")),
                                  work.shown(Acceleration, m2 * Gravity / (m1 + m2))),
                         HorizontalPlaneCases::tr(
                             "Ni sin fricción (μ = 0) llegaría el sistema a esa aceleración: haría falta un "
                             "coeficiente de fricción negativo."),
                         HorizontalPlaneCases::tr("Escribe una aceleración menor o igual a %1, o aumenta m₂.")
                             .arg(work.shown(Acceleration, m2 * Gravity / (m1 + m2))));
    }
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr(
        "De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja μ; T sale de la ecuación del bloque 2:"));
    work.solveFor(Friction, fraction(QStringLiteral("m₂·g − a·(m₁ + m₂)"), QStringLiteral("m₁·g")),
                  fraction(QStringLiteral("%1·%2 − %3·(%4 + %5)").arg(n(m2), g(), n(a), n(m1), n(m2)),
                           QStringLiteral("%1·%2").arg(n(m1), g())),
                  (m2 * Gravity - a * (m1 + m2)) / (Gravity * m1));
    work.solveFor(Tension, QStringLiteral("m₂·(g − a)"), QStringLiteral("%1·(%2 − %3)").arg(n(m2), g(), n(a)),
                  m2 * (Gravity - a));
    if (a == 0)
        work.say(translated(FrictionAtConstantVelocity).arg(shownNumber(m2 / m1)));
    return work.answer();
}

// Case 3: μ from T (m1 + m2) = m1 m2 (1 + μ) g, a from the hanging block.
Outcome fromMassesAndTension(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], m2 = given[Mass2], t = given[Tension];
    if (!(m1 >= 0))
        return work.fail(translated(Mass1AtLeastZero), QStringLiteral("m₁ < 0"), translated(NegativeMass),
                         HorizontalPlaneCases::tr("Escribe una masa m₁ mayor o igual a cero."));
    if (!(m2 >= 0))
        return work.fail(translated(Mass2AtLeastZero), QStringLiteral("m₂ < 0"), translated(NegativeMass),
                         HorizontalPlaneCases::tr("Escribe una masa m₂ mayor o igual a cero."));
    if (t < 0)
        return work.fail(translated(TensionAboveZero), QStringLiteral("T < 0"), translated(NegativeTension),
                         HorizontalPlaneCases::tr("Escribe una tensión mayor que cero."));
    if (!(m1 * m2 * Gravity > 0)) {
        work.misleading(HorizontalPlaneCases::tr("una de las masas es cero"));
        return work.fail(translated(TensionAboveZero), QStringLiteral("m₁·m₂·g = 0"),
                         HorizontalPlaneCases::tr(
                             "Con una masa igual a cero no se puede despejar μ: habría que dividir entre "
                             "m₁·m₂·g."),
                         HorizontalPlaneCases::tr("Escribe dos masas mayores que cero."));
    }
    const double frictionless = m1 * m2 * Gravity / (m1 + m2);
    if (!(t * (m1 + m2) >= m1 * m2 * Gravity)) {
        // Only a tension of zero is what the message says.
        if (t > 0)
            work.misleading(HorizontalPlaneCases::tr("la tensión es positiva, pero menor que la tensión sin fricción"));
        return work.fail(translated(TensionAboveZero),
                         QStringLiteral("T < %1 = %2")
                             .arg(fraction(QStringLiteral("m₁·m₂·g"), QStringLiteral("m₁ + m₂")),
                                  work.shown(Tension, frictionless)),
                         HorizontalPlaneCases::tr(
                             "Esa es la tensión sin fricción; una tensión menor pediría un coeficiente de "
                             "fricción negativo."),
                         HorizontalPlaneCases::tr("Escribe una tensión de al menos %1.")
                             .arg(work.shown(Tension, frictionless)));
    }
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr(
        "Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se "
        "despeja μ:"));
    work.solveFor(Friction,
                  fraction(QStringLiteral("T·(m₁ + m₂) − m₁·m₂·g"), QStringLiteral("m₁·m₂·g")),
                  fraction(QStringLiteral("%1·(%2 + %3) − %2·%3·%4").arg(n(t), n(m1), n(m2), g()),
                           QStringLiteral("%1·%2·%3").arg(n(m1), n(m2), g())),
                  (t * (m1 + m2) - m1 * m2 * Gravity) / (m1 * m2 * Gravity));
    // A tension above the hanging weight would lift the hanging block.
    if (!(m2 * Gravity - t >= 0)) {
        work.misleading(HorizontalPlaneCases::tr("la tensión es positiva, pero mayor que el peso del bloque colgante"));
        return work.fail(translated(TensionAboveZero),
                         QStringLiteral("T > m₂·g = %1").arg(work.shown(Tension, m2 * Gravity)),
                         HorizontalPlaneCases::tr(
                             "La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría, "
                             "y el sistema no se movería hacia la polea."),
                         HorizontalPlaneCases::tr("Escribe una tensión menor o igual a %1, o aumenta m₂.")
                             .arg(work.shown(Tension, m2 * Gravity)));
    }
    work.say(HorizontalPlaneCases::tr("La aceleración sale de la ecuación del bloque 2:"));
    work.solveFor(Acceleration, fraction(QStringLiteral("m₂·g − T"), QStringLiteral("m₂")),
                  fraction(QStringLiteral("%1·%2 − %3").arg(n(m2), g(), n(t)), n(m2)), (m2 * Gravity - t) / m2);
    return work.answer();
}

// Case 4: m2 from T (m1 + m2) = m1 m2 (1 + μ) g, then a.
Outcome fromMass1FrictionAndTension(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], mu = given[Friction], t = given[Tension];
    if (!(m1 >= 0))
        return work.fail(translated(Mass1AtLeastZero), QStringLiteral("m₁ < 0"), translated(NegativeMass),
                         HorizontalPlaneCases::tr("Escribe una masa m₁ mayor o igual a cero."));
    if (!(mu >= 0))
        return work.fail(translated(FrictionAtLeastZero), QStringLiteral("μ < 0"), translated(NegativeFriction),
                         HorizontalPlaneCases::tr("Escribe un coeficiente de fricción mayor o igual a cero."));
    if (t < 0)
        return work.fail(translated(TensionAtLeastZero), QStringLiteral("T < 0"), translated(NegativeTension),
                         HorizontalPlaneCases::tr("Escribe una tensión mayor o igual a cero."));
    // The tension never reaches m1 (1 + μ) g, however heavy the hanging block.
    const double limit = m1 * (1 + mu) * Gravity;
    if (!(limit > t)) {
        work.misleading(HorizontalPlaneCases::tr("la tensión no es negativa, es demasiado grande"));
        return work.fail(translated(TensionAtLeastZero),
                         QStringLiteral("T ≥ m₁·(1 + μ)·g = %1").arg(work.shown(Tension, limit)),
                         HorizontalPlaneCases::tr(
                             "Por pesado que sea el bloque colgante, la tensión se acerca a m₁·(1 + μ)·g "
                             "sin llegar nunca a ese valor."),
                         HorizontalPlaneCases::tr("Escribe una tensión menor que %1, o aumenta m₁ o μ.")
                             .arg(work.shown(Tension, limit)));
    }
    const double m2 = m1 * t / (limit - t);
    const double a = (m2 - mu * m1) * Gravity / (m1 + m2);
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr(
        "Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se "
        "despeja m₂; después a sale de la suma de las ecuaciones:"));
    work.solveFor(Mass2, fraction(QStringLiteral("m₁·T"), QStringLiteral("m₁·(1 + μ)·g − T")),
                  fraction(QStringLiteral("%1·%2").arg(n(m1), n(t)),
                           QStringLiteral("%1·(1 + %2)·%3 − %4").arg(n(m1), n(mu), g(), n(t))),
                  m2);
    work.solveFor(Acceleration, fraction(QStringLiteral("(m₂ − μ·m₁)·g"), QStringLiteral("m₁ + m₂")),
                  fraction(QStringLiteral("(%1 − %2·%3)·%4").arg(shownNumber(m2), n(mu), n(m1), g()),
                           QStringLiteral("%1 + %2").arg(n(m1), shownNumber(m2))),
                  a);
    if (!(a >= 0)) {
        work.misleading(HorizontalPlaneCases::tr("la tensión no es negativa, es menor que la fricción máxima"));
        return work.fail(translated(TensionAtLeastZero),
                         HorizontalPlaneCases::tr("a < 0, es decir, T < μ·m₁·g = %1")
                             .arg(work.shown(Tension, mu * m1 * Gravity)),
                         HorizontalPlaneCases::tr(
                             "Con T < μ·m₁·g el sistema no desliza: se queda en reposo, a = 0, sujeto por la fricción "
                             "estática, y entonces la cuerda aguanta el peso del bloque colgante, T = m₂·g, así que "
                             "m₂ = T/g = %1. La ventana no da ese resultado porque sus fórmulas son las del sistema "
                             "que desliza, con fricción cinética.")
                             .arg(work.shown(Mass2, t / Gravity)),
                         HorizontalPlaneCases::tr("Escribe una tensión de al menos %1, o reduce μ.")
                             .arg(work.shown(Tension, mu * m1 * Gravity)));
    }
    return work.answer();
}

// Case 5: m2 from the hanging block, μ from the block on the table.
Outcome fromMass1AccelerationAndTension(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], a = given[Acceleration], t = given[Tension];
    if (!(m1 > 0))
        return work.fail(translated(Mass1AboveZero), QStringLiteral("m₁ ≤ 0"),
                         HorizontalPlaneCases::tr(
                             "Para despejar μ hay que dividir entre m₁·g, así que m₁ no puede ser cero."),
                         HorizontalPlaneCases::tr("Escribe una masa m₁ mayor que cero."));
    if (!(a >= 0 && a < Gravity))
        return work.fail(translated(AccelerationBelowGravity),
                         a < 0 ? QStringLiteral("a < 0") : QStringLiteral("a ≥ g"),
                         HorizontalPlaneCases::tr(
                             "El sistema parte del reposo hacia la polea, y el bloque colgante no puede "
                             "caer más deprisa que en caída libre: 0 ≤ a < g."),
                         HorizontalPlaneCases::tr(
                             "Escribe una aceleración entre 0 y 9,81 m/s² (sin llegar a 9,81)."));
    if (t < 0)
        return work.fail(translated(TensionAtLeastZero), QStringLiteral("T < 0"), translated(NegativeTension),
                         HorizontalPlaneCases::tr("Escribe una tensión mayor o igual a cero."));
    const double m2 = t / (Gravity - a);
    const double mu = (m2 * Gravity - a * (m1 + m2)) / (Gravity * m1);
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr(
        "De la ecuación del bloque 2, m₂·(g − a) = T, se despeja m₂; μ sale de la suma de las "
        "ecuaciones:"));
    work.solveFor(Mass2, fraction(QStringLiteral("T"), QStringLiteral("g − a")),
                  fraction(n(t), QStringLiteral("%1 − %2").arg(g(), n(a))), m2);
    work.solveFor(Friction, fraction(QStringLiteral("m₂·g − a·(m₁ + m₂)"), QStringLiteral("m₁·g")),
                  fraction(QStringLiteral("%1·%2 − %3·(%4 + %1)").arg(shownNumber(m2), g(), n(a), n(m1)),
                           QStringLiteral("%1·%2").arg(n(m1), g())),
                  mu);
    if (!(mu >= 0)) {
        work.misleading(
            HorizontalPlaneCases::tr("la tensión no es negativa, es demasiado pequeña para esa aceleración"));
        return work.fail(translated(TensionAtLeastZero),
                         HorizontalPlaneCases::tr("μ < 0, es decir, T < m₁·a = %1")
                             .arg(work.shown(Tension, m1 * a)),
                         HorizontalPlaneCases::tr(
                             "La cuerda no tira lo bastante para dar esa aceleración al bloque de la mesa, "
                             "ni siquiera sin fricción."),
                         HorizontalPlaneCases::tr("Escribe una tensión de al menos %1, o reduce a o m₁.")
                             .arg(work.shown(Tension, m1 * a)));
    }
    if (a == 0)
        work.say(translated(FrictionAtConstantVelocity).arg(shownNumber(mu)));
    return work.answer();
}

// Case 6: m2 from the law of the pair, T from the hanging block.
Outcome fromMass1FrictionAndAcceleration(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], mu = given[Friction], a = given[Acceleration];
    if (!(m1 >= 0))
        return work.fail(translated(Mass1AtLeastZero), QStringLiteral("m₁ < 0"), translated(NegativeMass),
                         HorizontalPlaneCases::tr("Escribe una masa m₁ mayor o igual a cero."));
    if (!(mu >= 0))
        return work.fail(translated(FrictionAtLeastZero), QStringLiteral("μ < 0"), translated(NegativeFriction),
                         HorizontalPlaneCases::tr("Escribe un coeficiente de fricción mayor o igual a cero."));
    if (!(a > 0 && a < Gravity))
        return work.fail(translated(AccelerationBelowGravity),
                         a <= 0 ? QStringLiteral("a ≤ 0") : QStringLiteral("a ≥ g"),
                         HorizontalPlaneCases::tr(
                             "Este caso pide un sistema que acelera, a > 0, y el bloque colgante no "
                             "puede caer más deprisa que en caída libre, a < g."),
                         HorizontalPlaneCases::tr("Escribe una aceleración mayor que 0 y menor que 9,81 m/s²."));
    const double m2 = m1 * (a + mu * Gravity) / (Gravity - a);
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr(
        "De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₂; T sale de la ecuación del bloque 2:"));
    work.solveFor(Mass2, fraction(QStringLiteral("m₁·(a + μ·g)"), QStringLiteral("g − a")),
                  fraction(QStringLiteral("%1·(%2 + %3·%4)").arg(n(m1), n(a), n(mu), g()),
                           QStringLiteral("%1 − %2").arg(g(), n(a))),
                  m2);
    work.solveFor(Tension, QStringLiteral("m₂·(g − a)"),
                  QStringLiteral("%1·(%2 − %3)").arg(shownNumber(m2), g(), n(a)), m2 * (Gravity - a));
    return work.answer();
}

// Case 7: m2, a and T fix the hanging block only; the block on the table
// leaves one equation for two unknowns, m1 and μ. The window answers from
// the pattern alone; the working still checks the values it can read
// against the hanging block's equation, which they must satisfy.
Outcome fromMass2AccelerationAndTension(const Givens &given, Work &work)
{
    const QString twoUnknowns =
        HorizontalPlaneCases::tr("T − μ·m₁·g = m₁·a   (dos incógnitas, m₁ y μ, en una ecuación)");
    const QString tooFew = HorizontalPlaneCases::tr(
        "m₂, a y T solo describen el bloque colgante. La ecuación del bloque de la mesa tiene dos incógnitas, "
        "m₁ y μ, y cualquier pareja que la cumpla vale: faltan datos.");
    const QString change = HorizontalPlaneCases::tr("Marca m₁ o μ como dato en lugar de m₂, a o T.");
    if (given.error)
        return work.fail(noSolutionMessage(), twoUnknowns, tooFew, change);
    const double m2 = given[Mass2], a = given[Acceleration], t = given[Tension];
    const double pull = m2 * Gravity - t, needed = m2 * a;
    work.section(HorizontalPlaneCases::tr("Comprobación"));
    work.say(HorizontalPlaneCases::tr("Los datos tienen que cumplir la ecuación del bloque 2, m₂·g − T = m₂·a:"));
    work.formula(QStringLiteral("m₂·g − T = %1·%2 − %3 = %4;   m₂·a = %1·%5 = %6")
                     .arg(n(m2), g(), n(t), work.shown(Tension, pull), n(a), work.shown(Tension, needed)));
    // As the student compares them: to the two decimals shown.
    if (shownNumber(pull) == shownNumber(needed))
        return work.fail(noSolutionMessage(), twoUnknowns, tooFew, change);
    return work.fail(noSolutionMessage(),
                     QStringLiteral("m₂·g − T ≠ m₂·a   (%1 ≠ %2)")
                         .arg(work.shown(Tension, pull), work.shown(Tension, needed)),
                     HorizontalPlaneCases::tr(
                         "Estos datos se contradicen: no cumplen la ecuación del bloque colgante. Y aunque la "
                         "cumplieran, la ecuación del bloque de la mesa tendría dos incógnitas, m₁ y μ: faltarían "
                         "datos."),
                     HorizontalPlaneCases::tr(
                         "Marca m₁ o μ como dato en lugar de m₂, a o T, con valores que cumplan m₂·g − T = m₂·a."));
}

// Case 8: m1 from the law of the pair, T from the hanging block.
Outcome fromMass2FrictionAndAcceleration(const Givens &given, Work &work)
{
    const double m2 = given[Mass2], mu = given[Friction], a = given[Acceleration];
    if (!(m2 >= 0))
        return work.fail(HorizontalPlaneCases::tr("La masa m2 debe ser mayor que cero"), QStringLiteral("m₂ < 0"),
                         translated(NegativeMass), HorizontalPlaneCases::tr("Escribe una masa m₂ mayor que cero."));
    if (!(mu >= 0))
        return work.fail(HorizontalPlaneCases::tr("El coeficiente de fricción debe ser mayor que cero"),
                         QStringLiteral("μ < 0"), translated(NegativeFriction),
                         HorizontalPlaneCases::tr("Escribe un coeficiente de fricción mayor que cero."));
    if (!(a >= 0))
        return work.fail(translated(AccelerationAtLeastZero), QStringLiteral("a < 0"),
                         HorizontalPlaneCases::tr("El sistema parte del reposo: no puede acelerar hacia atrás."),
                         HorizontalPlaneCases::tr("Escribe una aceleración mayor o igual a cero."));
    if (a + mu * Gravity == 0) {
        work.misleading(HorizontalPlaneCases::tr("la aceleración no es negativa, pero a y μ valen cero a la vez"));
        return work.fail(translated(AccelerationAtLeastZero), QStringLiteral("a + μ·g = 0"),
                         m2 > 0 ? HorizontalPlaneCases::tr(
                                      "Sin fricción, el bloque colgante siempre acelera el sistema: "
                                      "a = m₂·g/(m₁ + m₂) > 0 sea cual sea m₁. Ninguna m₁ da a = 0, y al "
                                      "despejarla habría que dividir entre "
                                      "a + μ·g = 0.")
                                : HorizontalPlaneCases::tr(
                                      "Sin bloque colgante (m₂ = 0) y sin fricción, nada tira del bloque 1 "
                                      "ni lo frena: "
                                      "a = 0 con cualquier m₁, que no se puede despejar."),
                         HorizontalPlaneCases::tr(
                             "Escribe una aceleración o un coeficiente de fricción mayor que cero."));
    }
    const double m1 = m2 * (Gravity - a) / (a + mu * Gravity);
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr(
        "De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₁; T sale de la ecuación del bloque 2:"));
    work.solveFor(Mass1, fraction(QStringLiteral("m₂·(g − a)"), QStringLiteral("a + μ·g")),
                  fraction(QStringLiteral("%1·(%2 − %3)").arg(n(m2), g(), n(a)),
                           QStringLiteral("%1 + %2·%3").arg(n(a), n(mu), g())),
                  m1);
    if (!(m1 >= 0)) {
        work.misleading(HorizontalPlaneCases::tr("la aceleración no es negativa, es mayor que g"));
        return work.fail(translated(AccelerationAtLeastZero), HorizontalPlaneCases::tr("a > g, así que m₁ < 0"),
                         HorizontalPlaneCases::tr("El bloque colgante no puede caer más deprisa que en caída libre."),
                         HorizontalPlaneCases::tr("Escribe una aceleración menor que 9,81 m/s²."));
    }
    work.solveFor(Tension, QStringLiteral("m₂·(g − a)"), QStringLiteral("%1·(%2 − %3)").arg(n(m2), g(), n(a)),
                  m2 * (Gravity - a));
    if (a == 0)
        work.say(HorizontalPlaneCases::tr(
                     "Con a = 0 los bloques se mueven a velocidad constante con m₁ = %1. Si estuvieran en reposo, "
                     "la fricción estática los sujetaría con cualquier m₁ ≥ %1: ese valor sería solo el mínimo.")
                     .arg(work.shown(Mass1, m1)));
    return work.answer();
}

// Case 9: a from the hanging block, m1 from T (m1 + m2) = m1 m2 (1 + μ) g.
Outcome fromMass2FrictionAndTension(const Givens &given, Work &work)
{
    const double m2 = given[Mass2], mu = given[Friction], t = given[Tension];
    if (!(m2 > 0))
        return work.fail(HorizontalPlaneCases::tr("La masa m2 debe ser mayor a cero"), QStringLiteral("m₂ ≤ 0"),
                         HorizontalPlaneCases::tr(
                             "Para despejar a hay que dividir entre m₂, así que m₂ no puede ser cero."),
                         HorizontalPlaneCases::tr("Escribe una masa m₂ mayor que cero."));
    if (!(mu >= 0))
        return work.fail(translated(FrictionAtLeastZero), QStringLiteral("μ < 0"), translated(NegativeFriction),
                         HorizontalPlaneCases::tr("Escribe un coeficiente de fricción mayor o igual a cero."));
    if (t < 0)
        return work.fail(translated(TensionAtLeastZero), QStringLiteral("T < 0"), translated(NegativeTension),
                         HorizontalPlaneCases::tr("Escribe una tensión mayor o igual a cero."));
    const double a = (m2 * Gravity - t) / m2;
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr("La aceleración sale de la ecuación del bloque 2:"));
    work.solveFor(Acceleration, fraction(QStringLiteral("m₂·g − T"), QStringLiteral("m₂")),
                  fraction(QStringLiteral("%1·%2 − %3").arg(n(m2), g(), n(t)), n(m2)), a);
    if (!(a >= 0)) {
        work.misleading(
            HorizontalPlaneCases::tr("la tensión no es negativa, es mayor que el peso del bloque colgante"));
        return work.fail(translated(TensionAtLeastZero),
                         QStringLiteral("T > m₂·g = %1").arg(work.shown(Tension, m2 * Gravity)),
                         HorizontalPlaneCases::tr(
                             "La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría "
                             "en lugar de bajar."),
                         HorizontalPlaneCases::tr("Escribe una tensión menor o igual a %1, o aumenta m₂.")
                             .arg(work.shown(Tension, m2 * Gravity)));
    }
    if (m2 * (1 + mu) * Gravity - t == 0) {
        work.misleading(HorizontalPlaneCases::tr("la tensión no es negativa, es igual al peso del bloque colgante"));
        return work.fail(translated(TensionAtLeastZero), QStringLiteral("T = m₂·(1 + μ)·g"),
                         HorizontalPlaneCases::tr(
                             "Sin fricción, una tensión igual al peso del bloque colgante pediría un "
                             "bloque m₁ infinitamente pesado."),
                         HorizontalPlaneCases::tr("Escribe una tensión menor que %1.")
                             .arg(work.shown(Tension, m2 * Gravity)));
    }
    work.say(HorizontalPlaneCases::tr(
        "Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se "
        "despeja m₁:"));
    work.solveFor(Mass1, fraction(QStringLiteral("m₂·T"), QStringLiteral("m₂·(1 + μ)·g − T")),
                  fraction(QStringLiteral("%1·%2").arg(n(m2), n(t)),
                           QStringLiteral("%1·(1 + %2)·%3 − %4").arg(n(m2), n(mu), g(), n(t))),
                  m2 * t / (m2 * (1 + mu) * Gravity - t));
    // The window writes m1 first, then a.
    return work.answer({Mass1, Acceleration});
}

// Case 10: each block on its own, m1 from the table, m2 from the hanging one.
Outcome fromFrictionAccelerationAndTension(const Givens &given, Work &work)
{
    const double mu = given[Friction], a = given[Acceleration], t = given[Tension];
    if (!(a > 0))
        return work.fail(HorizontalPlaneCases::tr("La aceleración debe ser mayor que cero"), QStringLiteral("a ≤ 0"),
                         HorizontalPlaneCases::tr(
                             "Este caso pide un sistema que acelera, a > 0. Con a = 0 los bloques podrían "
                             "moverse a velocidad constante, pero la ventana no admite ese valor."),
                         HorizontalPlaneCases::tr("Escribe una aceleración mayor que cero."));
    if (!(mu >= 0))
        return work.fail(translated(FrictionAtLeastZero), QStringLiteral("μ < 0"), translated(NegativeFriction),
                         HorizontalPlaneCases::tr("Escribe un coeficiente de fricción mayor o igual a cero."));
    if (t < 0)
        return work.fail(translated(TensionAtLeastZero), QStringLiteral("T < 0"), translated(NegativeTension),
                         HorizontalPlaneCases::tr("Escribe una tensión mayor o igual a cero."));
    work.section(HorizontalPlaneCases::tr("Despeje"));
    work.say(HorizontalPlaneCases::tr(
        "Cada bloque por separado: m₁ sale de la ecuación del bloque 1, T − μ·m₁·g = m₁·a, y m₂ de "
        "la del bloque 2, m₂·g − T = m₂·a."));
    work.solveFor(Mass1, fraction(QStringLiteral("T"), QStringLiteral("μ·g + a")),
                  fraction(n(t), QStringLiteral("%1·%2 + %3").arg(n(mu), g(), n(a))), t / (mu * Gravity + a));
    if (!(Gravity > a))
        return work.fail(HorizontalPlaneCases::tr("La gravedad debe ser mayor que la aceleración"),
                         QStringLiteral("a ≥ g"),
                         HorizontalPlaneCases::tr(
                             "El bloque colgante no puede caer más deprisa que en caída libre; con a ≥ g, "
                             "m₂ = T/(g − a) no tiene sentido."),
                         HorizontalPlaneCases::tr("Escribe una aceleración menor que 9,81 m/s²."));
    work.solveFor(Mass2, fraction(QStringLiteral("T"), QStringLiteral("g − a")),
                  fraction(n(t), QStringLiteral("%1 − %2").arg(g(), n(a))), t / (Gravity - a));
    return work.answer();
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
    return {HorizontalPlaneCases::tr("Masa 1"), HorizontalPlaneCases::tr("Masa 2"),
            HorizontalPlaneCases::tr("Coeficiente de fricción"), HorizontalPlaneCases::tr("Aceleración"),
            HorizontalPlaneCases::tr("Tensión")};
}

Outcome solve(const Problem &problem)
{
    const Sheet sheet{
        captions(),
        {{QStringLiteral("m₁"), QStringLiteral("kg"), HorizontalPlaneCases::tr("masa del bloque sobre la mesa")},
         {QStringLiteral("m₂"), QStringLiteral("kg"), HorizontalPlaneCases::tr("masa del bloque colgante")},
         {QStringLiteral("μ"), QString(), HorizontalPlaneCases::tr("coeficiente de fricción de la mesa")},
         {QStringLiteral("a"), QStringLiteral("m/s²"), HorizontalPlaneCases::tr("aceleración del sistema")},
         {QStringLiteral("T"), QStringLiteral("N"), HorizontalPlaneCases::tr("tensión de la cuerda")}},
        laws};
    return solveByTable(problem, sheet, table());
}

} // namespace solvers::horizontal
