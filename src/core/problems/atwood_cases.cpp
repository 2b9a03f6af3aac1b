#include "core/problems/atwood_cases.h"

#include <QCoreApplication>

#include <cmath>
#include <optional>

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

// The laws of the block that goes down and the one that goes up. With both
// masses given the heavier one goes down; otherwise the window takes block 1
// as the one that goes down.
void laws(Work &work)
{
    const std::optional<double> m1 = work.value(Mass1), m2 = work.value(Mass2);
    const bool secondSinks = m1 && m2 && *m1 < *m2;
    if (secondSinks)
        work.say(AtwoodCases::tr("Aquí m₂ > m₁: baja el bloque 2 y sube el bloque 1."));
    else if (m1 && m2 && *m1 > *m2)
        work.say(AtwoodCases::tr("Aquí m₁ > m₂: baja el bloque 1 y sube el bloque 2."));
    else if (m1 && m2)
        work.say(AtwoodCases::tr("Aquí m₁ = m₂: las ecuaciones se escriben con el bloque 1 hacia abajo y darán "
                                 "a = 0, los bloques en reposo o a velocidad constante."));
    else
        work.say(AtwoodCases::tr("La ventana toma el bloque 1 como el que baja y el bloque 2 como el que sube."));
    work.say(AtwoodCases::tr("La cuerda tira de los dos hacia arriba con la misma tensión T y, como no se estira, "
                             "los dos tienen la misma aceleración a."));
    if (secondSinks) {
        work.formula(AtwoodCases::tr("Bloque 2 (baja):   m₂·g − T = m₂·a"));
        work.formula(AtwoodCases::tr("Bloque 1 (sube):   T − m₁·g = m₁·a"));
    } else {
        work.formula(AtwoodCases::tr("Bloque 1 (baja):   m₁·g − T = m₁·a"));
        work.formula(AtwoodCases::tr("Bloque 2 (sube):   T − m₂·g = m₂·a"));
    }
    work.say(AtwoodCases::tr("Sumando las dos ecuaciones, la tensión desaparece; despejando T de cada una:"));
    work.formula(secondSinks ? QStringLiteral("(m₂ − m₁)·g = (m₁ + m₂)·a")
                             : QStringLiteral("(m₁ − m₂)·g = (m₁ + m₂)·a"));
    work.formula(secondSinks ? QStringLiteral("T = m₂·(g − a) = m₁·(g + a)")
                             : QStringLiteral("T = m₁·(g − a) = m₂·(g + a)"));
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
    // The block that goes down first, as the laws above are written.
    const bool secondSinks = m1 < m2;
    const QString down = secondSinks ? QStringLiteral("m₂") : QStringLiteral("m₁");
    const QString up = secondSinks ? QStringLiteral("m₁") : QStringLiteral("m₂");
    const double heavy = secondSinks ? m2 : m1, light = secondSinks ? m1 : m2;
    //: Heading of the worked solution: the unknowns isolated from the equations.
    work.section(AtwoodCases::tr("Despeje"));
    work.say(AtwoodCases::tr("De la suma de las ecuaciones se despeja a:"));
    work.solveFor(Acceleration, fraction(QStringLiteral("(%1 − %2)·g").arg(down, up), QStringLiteral("m₁ + m₂")),
                  fraction(QStringLiteral("(%1 − %2)·%3").arg(n(heavy), n(light), g()),
                           QStringLiteral("%1 + %2").arg(n(m1), n(m2))),
                  std::fabs(m1 - m2) * Gravity / (m1 + m2));
    if (secondSinks)
        work.say(AtwoodCases::tr("Con las masas cambiadas la aceleración vale lo mismo: en los dos casos "
                                 "a = |m₁ − m₂|·g/(m₁ + m₂)."));
    work.say(AtwoodCases::tr("T sale de la ecuación del bloque que baja, T = %1·(g − a); sustituyendo a queda:")
                 .arg(down));
    work.formula(QStringLiteral("T = %1·(g − %2) = %1·%3")
                     .arg(down, fraction(QStringLiteral("(%1 − %2)·g").arg(down, up), QStringLiteral("m₁ + m₂")),
                          fraction(QStringLiteral("(m₁ + m₂ − %1 + %2)·g").arg(down, up), QStringLiteral("m₁ + m₂"))));
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
    if (!(Gravity * m1 > t)) {
        QString change = AtwoodCases::tr("Escribe una tensión menor que %1, o aumenta m₁.")
                             .arg(work.shown(Tension, m1 * Gravity));
        // Read the other way round, with block 1 going up, the data may fit.
        if (t == m1 * Gravity)
            change += QLatin1Char(' ') + AtwoodCases::tr("Con T = m₁·g los datos encajan con dos masas iguales: "
                                                         "m₂ = m₁ y a = 0.");
        else if (t < 2 * m1 * Gravity)
            change += QLatin1Char(' ') +
                      AtwoodCases::tr("Si el bloque 1 fuera el que sube, estos datos sí encajan: "
                                      "a = (T − m₁·g)/m₁ = %1 y m₂ = m₁·T/(2·m₁·g − T) = %2.")
                          .arg(work.shown(Acceleration, (t - m1 * Gravity) / m1),
                               work.shown(Mass2, m1 * t / (2 * m1 * Gravity - t)));
        return work.fail(noSolutionMessage(), QStringLiteral("T ≥ m₁·g = %1").arg(work.shown(Tension, m1 * Gravity)),
                         AtwoodCases::tr("Una tensión igual o mayor que el peso de m₁ lo sostendría o lo subiría, y "
                                         "la ventana toma el bloque 1 como el que baja."),
                         change);
    }
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
    if (!(Gravity > a)) {
        // The message allows a = g, which this check rejects.
        if (a == Gravity)
            work.misleading(AtwoodCases::tr("a = g cumple lo que pide el mensaje, pero la ventana exige a < g"));
        return work.fail(AtwoodCases::tr("La aceleración debe ser menor o igual que la aceleración de la gravedad"),
                         QStringLiteral("a ≥ g"), translated(FasterThanFreeFall),
                         AtwoodCases::tr("Escribe una aceleración menor que 9,81 m/s²."));
    }
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
        {{QStringLiteral("m₁"), QStringLiteral("kg"), AtwoodCases::tr("masa del bloque 1")},
         {QStringLiteral("m₂"), QStringLiteral("kg"), AtwoodCases::tr("masa del bloque 2")},
         {QStringLiteral("a"), QStringLiteral("m/s²"), AtwoodCases::tr("aceleración de los bloques")},
         {QStringLiteral("T"), QStringLiteral("N"), AtwoodCases::tr("tensión de la cuerda")}},
        laws};
    return solveByTable(problem, sheet, table());
}

} // namespace solvers::atwood
