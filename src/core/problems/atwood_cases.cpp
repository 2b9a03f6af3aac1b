#include "core/problems/atwood_cases.h"

#include <QCoreApplication>

#include <cmath>

namespace solvers::atwood {

namespace {

// tr() with the context the catalogues file these texts under.
struct AtwoodCases {
    Q_DECLARE_TR_FUNCTIONS(AtwoodCases)
};

const char *const Mass1AboveZero = QT_TRANSLATE_NOOP("AtwoodCases", "La masa m1 debe ser mayor que cero");
const char *const Mass2AboveZero = QT_TRANSLATE_NOOP("AtwoodCases", "La masa m2 debe ser mayor que cero");
const char *const TensionAtLeastZero = QT_TRANSLATE_NOOP("AtwoodCases", "La tensión debe ser mayor o igual a cero");
const char *const GravityAboveAcceleration =
    QT_TRANSLATE_NOOP("AtwoodCases", "La aceleración de la gravedad debe ser mayor que la aceleración");

const char *const NegativeTension =
    QT_TRANSLATE_NOOP("AtwoodCases", "Una cuerda solo puede tirar: su tensión no puede ser negativa.");
const char *const FasterThanFreeFall =
    QT_TRANSLATE_NOOP("AtwoodCases",
                      "El bloque que baja no puede caer más deprisa que en caída libre: la aceleración tiene que ser "
                      "menor que g.");

// The texts above stay untranslated until a case uses them, after the
// language is chosen.
QString translated(const char *text)
{
    return QCoreApplication::translate("AtwoodCases", text);
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
    work.say(AtwoodCases::tr(
        "m₁ es el bloque que baja y m₂ el que sube. La cuerda tira de los dos hacia arriba con la "
        "misma tensión T y, como no se estira, los dos tienen la misma aceleración a."));
    work.formula(AtwoodCases::tr("Bloque 1 (baja):   m₁·g − T = m₁·a"));
    work.formula(AtwoodCases::tr("Bloque 2 (sube):   T − m₂·g = m₂·a"));
    work.say(AtwoodCases::tr("Sumando las dos ecuaciones, la tensión desaparece; despejando T de cada una:"));
    work.formula(QStringLiteral("(m₁ − m₂)·g = (m₁ + m₂)·a"));
    work.formula(QStringLiteral("T = m₁·(g − a) = m₂·(g + a)"));
}

Outcome massNotPositive(Work &work, int field, const QString &message)
{
    const QString &m = work.quantity(field).symbol;
    return work.fail(message, QStringLiteral("%1 ≤ 0").arg(m),
                     AtwoodCases::tr("Cada bloque tiene que tener masa: una masa cero o negativa no describe un "
                                     "bloque colgado de la cuerda."),
                     AtwoodCases::tr("Escribe una masa %1 mayor que cero.").arg(m));
}

// Case 1: the forward problem; whichever block is heavier goes down.
Outcome fromMasses(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], m2 = given[Mass2];
    if (!(m2 > 0))
        return massNotPositive(work, Mass2, translated(Mass2AboveZero));
    if (!(m1 > 0))
        return massNotPositive(work, Mass1, translated(Mass1AboveZero));
    //: Heading of the worked solution: the unknowns isolated from the equations.
    work.section(AtwoodCases::tr("Despeje"));
    if (m1 < m2)
        work.say(AtwoodCases::tr(
            "Aquí m₂ es más pesado que m₁: baja m₂ y sube m₁. La aceleración tiene el mismo valor "
            "con las masas cambiadas, por eso se usa |m₁ − m₂|."));
    else
        work.say(AtwoodCases::tr("De la suma de las ecuaciones se despeja a; T sale de T = m₁·(g − a):"));
    work.solveFor(Acceleration, fraction(QStringLiteral("|m₁ − m₂|·g"), QStringLiteral("m₁ + m₂")),
                  fraction(QStringLiteral("|%1 − %2|·%3").arg(n(m1), n(m2), g()),
                           QStringLiteral("%1 + %2").arg(n(m1), n(m2))),
                  std::fabs(m1 - m2) * Gravity / (m1 + m2));
    work.solveFor(Tension, fraction(QStringLiteral("2·m₁·m₂·g"), QStringLiteral("m₁ + m₂")),
                  fraction(QStringLiteral("2·%1·%2·%3").arg(n(m1), n(m2), g()),
                           QStringLiteral("%1 + %2").arg(n(m1), n(m2))),
                  2 * m1 * m2 * Gravity / (m1 + m2));
    return work.answer();
}

// Case 2: T from the falling block, m2 from m2 (g + a) = T.
Outcome fromMass1AndAcceleration(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], a = given[Acceleration];
    if (!(a > 0))
        return work.fail(AtwoodCases::tr("La aceleración debe ser mayor que cero"), QStringLiteral("a ≤ 0"),
                         AtwoodCases::tr("m₁ es el bloque que baja: con a = 0 las masas serían iguales y con a < 0 "
                                         "m₁ subiría."),
                         AtwoodCases::tr("Escribe una aceleración mayor que cero."));
    if (!(m1 > 0))
        return massNotPositive(work, Mass1, translated(Mass1AboveZero));
    if (!(Gravity > a))
        return work.fail(translated(GravityAboveAcceleration), QStringLiteral("a ≥ g"),
                         translated(FasterThanFreeFall),
                         AtwoodCases::tr("Escribe una aceleración menor que 9,81 m/s²."));
    work.section(AtwoodCases::tr("Despeje"));
    work.say(AtwoodCases::tr("T sale de la ecuación del bloque 1, y m₂ de T = m₂·(g + a):"));
    work.solveFor(Tension, QStringLiteral("m₁·(g − a)"), QStringLiteral("%1·(%2 − %3)").arg(n(m1), g(), n(a)),
                  m1 * (Gravity - a));
    work.solveFor(Mass2, fraction(QStringLiteral("m₁·(g − a)"), QStringLiteral("g + a")),
                  fraction(QStringLiteral("%1·(%2 − %3)").arg(n(m1), g(), n(a)),
                           QStringLiteral("%1 + %2").arg(g(), n(a))),
                  m1 * (Gravity - a) / (Gravity + a));
    return work.answer();
}

// Case 3: a from the falling block, m2 from T (m1 + m2) = 2 m1 m2 g.
Outcome fromMass1AndTension(const Givens &given, Work &work)
{
    const double m1 = given[Mass1], t = given[Tension];
    if (t < 0)
        return work.fail(translated(TensionAtLeastZero), QStringLiteral("T < 0"), translated(NegativeTension),
                         AtwoodCases::tr("Escribe una tensión mayor o igual a cero."));
    if (!(m1 > 0))
        return massNotPositive(work, Mass1, translated(Mass1AboveZero));
    // A tension of at least m1 g would stop m1 from going down.
    if (!(Gravity * m1 > t))
        return work.fail(noSolutionMessage(),
                         QStringLiteral("T ≥ m₁·g = %1").arg(work.shown(Tension, m1 * Gravity)),
                         AtwoodCases::tr(
                             "Una tensión igual o mayor que el peso de m₁ lo sostendría o lo subiría, y m₁ "
                             "es el bloque que baja."),
                         AtwoodCases::tr("Escribe una tensión menor que %1, o aumenta m₁.")
                             .arg(work.shown(Tension, m1 * Gravity)));
    work.section(AtwoodCases::tr("Despeje"));
    work.say(AtwoodCases::tr("a sale de la ecuación del bloque 1; eliminando a entre las dos ecuaciones queda "
                             "T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₂:"));
    work.solveFor(Acceleration, fraction(QStringLiteral("m₁·g − T"), QStringLiteral("m₁")),
                  fraction(QStringLiteral("%1·%2 − %3").arg(n(m1), g(), n(t)), n(m1)), (m1 * Gravity - t) / m1);
    work.solveFor(Mass2, fraction(QStringLiteral("m₁·T"), QStringLiteral("2·m₁·g − T")),
                  fraction(QStringLiteral("%1·%2").arg(n(m1), n(t)),
                           QStringLiteral("2·%1·%2 − %3").arg(n(m1), g(), n(t))),
                  m1 * t / (2 * m1 * Gravity - t));
    return work.answer();
}

// Case 4: T from the rising block, m1 from m1 (g − a) = T.
Outcome fromMass2AndAcceleration(const Givens &given, Work &work)
{
    const double m2 = given[Mass2], a = given[Acceleration];
    if (!(m2 >= 0))
        return work.fail(AtwoodCases::tr("La masa m2 debe ser mayor o igual a cero"), QStringLiteral("m₂ < 0"),
                         AtwoodCases::tr("Una masa no puede ser negativa."),
                         AtwoodCases::tr("Escribe una masa m₂ mayor o igual a cero."));
    if (!(a >= 0))
        return work.fail(AtwoodCases::tr("La aceleración debe ser mayor o igual a cero"), QStringLiteral("a < 0"),
                         AtwoodCases::tr("m₂ es el bloque que sube: con a < 0 bajaría."),
                         AtwoodCases::tr("Escribe una aceleración mayor o igual a cero."));
    if (!(Gravity > a))
        return work.fail(AtwoodCases::tr("La aceleración debe ser menor o igual que la aceleración de la gravedad"),
                         QStringLiteral("a ≥ g"), translated(FasterThanFreeFall),
                         AtwoodCases::tr("Escribe una aceleración menor que 9,81 m/s²."));
    work.section(AtwoodCases::tr("Despeje"));
    work.say(AtwoodCases::tr("T sale de la ecuación del bloque 2, y m₁ de T = m₁·(g − a):"));
    work.solveFor(Tension, QStringLiteral("m₂·(g + a)"), QStringLiteral("%1·(%2 + %3)").arg(n(m2), g(), n(a)),
                  m2 * (Gravity + a));
    work.solveFor(Mass1, fraction(QStringLiteral("m₂·(g + a)"), QStringLiteral("g − a")),
                  fraction(QStringLiteral("%1·(%2 + %3)").arg(n(m2), g(), n(a)),
                           QStringLiteral("%1 − %2").arg(g(), n(a))),
                  m2 * (Gravity + a) / (Gravity - a));
    return work.answer();
}

// Case 5: a from the rising block, m1 from T (m1 + m2) = 2 m1 m2 g.
Outcome fromMass2AndTension(const Givens &given, Work &work)
{
    const double m2 = given[Mass2], t = given[Tension];
    if (!(m2 > 0))
        return massNotPositive(work, Mass2, translated(Mass2AboveZero));
    if (t < 0)
        return work.fail(translated(TensionAtLeastZero), QStringLiteral("T < 0"), translated(NegativeTension),
                         AtwoodCases::tr("Escribe una tensión mayor o igual a cero."));
    // The rising block needs T ≥ m2 g; T reaches 2 m2 g only for an
    // infinitely heavy m1.
    if (!(t >= m2 * Gravity))
        return work.fail(noSolutionMessage(), QStringLiteral("T < m₂·g = %1").arg(work.shown(Tension, m2 * Gravity)),
                         AtwoodCases::tr("La cuerda no podría con el peso de m₂, que es el bloque que sube."),
                         AtwoodCases::tr("Escribe una tensión de al menos %1, o reduce m₂.")
                             .arg(work.shown(Tension, m2 * Gravity)));
    if (!(2 * m2 * Gravity > t))
        return work.fail(noSolutionMessage(),
                         QStringLiteral("T ≥ 2·m₂·g = %1").arg(work.shown(Tension, 2 * m2 * Gravity)),
                         AtwoodCases::tr(
                             "La tensión se acerca a 2·m₂·g cuando m₁ es muy pesado, pero nunca llega: "
                             "haría falta un bloque m₁ infinito."),
                         AtwoodCases::tr("Escribe una tensión menor que %1.")
                             .arg(work.shown(Tension, 2 * m2 * Gravity)));
    work.section(AtwoodCases::tr("Despeje"));
    work.say(AtwoodCases::tr("a sale de la ecuación del bloque 2; eliminando a entre las dos ecuaciones queda "
                             "T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₁:"));
    work.solveFor(Acceleration, fraction(QStringLiteral("T − m₂·g"), QStringLiteral("m₂")),
                  fraction(QStringLiteral("%1 − %2·%3").arg(n(t), n(m2), g()), n(m2)), (t - Gravity * m2) / m2);
    work.solveFor(Mass1, fraction(QStringLiteral("m₂·T"), QStringLiteral("2·m₂·g − T")),
                  fraction(QStringLiteral("%1·%2").arg(n(m2), n(t)),
                           QStringLiteral("2·%1·%2 − %3").arg(n(m2), g(), n(t))),
                  m2 * t / (2 * m2 * Gravity - t));
    return work.answer();
}

// Case 6: each block on its own.
Outcome fromAccelerationAndTension(const Givens &given, Work &work)
{
    const double a = given[Acceleration], t = given[Tension];
    if (t < 0)
        return work.fail(translated(TensionAtLeastZero), QStringLiteral("T < 0"), translated(NegativeTension),
                         AtwoodCases::tr("Escribe una tensión mayor o igual a cero."));
    if (!(a >= 0))
        return work.fail(AtwoodCases::tr("La aceleración debe ser mayor o igual a cero"), QStringLiteral("a < 0"),
                         AtwoodCases::tr("m₁ es el bloque que baja: con a < 0 subiría."),
                         AtwoodCases::tr("Escribe una aceleración mayor o igual a cero."));
    if (!(Gravity > a))
        return work.fail(translated(GravityAboveAcceleration), QStringLiteral("a ≥ g"),
                         translated(FasterThanFreeFall),
                         AtwoodCases::tr("Escribe una aceleración menor que 9,81 m/s²."));
    work.section(AtwoodCases::tr("Despeje"));
    work.say(
        AtwoodCases::tr("Cada bloque por separado: m₁ sale de T = m₁·(g − a) y m₂ de T = m₂·(g + a)."));
    work.solveFor(Mass1, fraction(QStringLiteral("T"), QStringLiteral("g − a")),
                  fraction(n(t), QStringLiteral("%1 − %2").arg(g(), n(a))), t / (Gravity - a));
    work.solveFor(Mass2, fraction(QStringLiteral("T"), QStringLiteral("g + a")),
                  fraction(n(t), QStringLiteral("%1 + %2").arg(g(), n(a))), t / (Gravity + a));
    return work.answer();
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
    return {AtwoodCases::tr("Masa 1"), AtwoodCases::tr("Masa 2"), AtwoodCases::tr("Aceleración"),
            AtwoodCases::tr("Tensión")};
}

Outcome solve(const Problem &problem)
{
    const Sheet sheet{
        captions(),
        {{QStringLiteral("m₁"), QStringLiteral("kg"), AtwoodCases::tr("masa del bloque que baja")},
         {QStringLiteral("m₂"), QStringLiteral("kg"), AtwoodCases::tr("masa del bloque que sube")},
         {QStringLiteral("a"), QStringLiteral("m/s²"), AtwoodCases::tr("aceleración de los bloques")},
         {QStringLiteral("T"), QStringLiteral("N"), AtwoodCases::tr("tensión de la cuerda")}},
        laws};
    return solveByTable(problem, sheet, table());
}

} // namespace solvers::atwood
