#include "core/problems/inclined_plane_cases.h"

#include <QCoreApplication>

#include <cmath>

namespace solvers::inclined {

namespace {

// tr() with the context the catalogues file these texts under.
struct InclinedPlaneCases {
    Q_DECLARE_TR_FUNCTIONS(InclinedPlaneCases)
};

// The problem windows turn degrees into radians with this value of π.
constexpr double Pi = constants::ProblemPi;
// Case B accepts an angle whose acceleration lies this close to a, m/s².
constexpr double AngleTolerance = 0.1;

double radians(double degrees)
{
    return degrees * Pi / 180.0;
}

double acceleration(double degrees, double mu)
{
    return (std::sin(radians(degrees)) - std::cos(radians(degrees)) * mu) * Gravity;
}

const char *const AngleRange = QT_TRANSLATE_NOOP("InclinedPlaneCases",
                                                 "El ángulo debe ser mayor a cero y menor a 90 grados");

// The texts above stay untranslated until a case uses them, after the
// language is chosen.
QString translated(const char *text)
{
    return QCoreApplication::translate("InclinedPlaneCases", text);
}

QString g()
{
    return givenNumber(Gravity);
}

QString n(double value)
{
    return factor(value);
}

QString degrees(double value)
{
    return givenNumber(value) + QStringLiteral("°");
}

void laws(Work &work)
{
    work.say(InclinedPlaneCases::tr(
        "Sobre el bloque actúan su peso m·g, la normal N (Normal en el dibujo) y la fricción fr, "
        "que se opone al deslizamiento. El eje x va a lo largo del plano, hacia abajo, y el eje y "
        "perpendicular al plano; el peso se descompone en m·g·sen θ y m·g·cos θ."));
    work.formula(InclinedPlaneCases::tr("Eje x:   m·g·sen θ − fr = m·a"));
    work.formula(InclinedPlaneCases::tr("Eje y:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ"));
    work.formula(InclinedPlaneCases::tr("Fricción:   fr = μ·N = μ·m·g·cos θ"));
    work.say(InclinedPlaneCases::tr("Sustituyendo fr en la ecuación del eje x, la masa m se simplifica:"));
    work.formula(InclinedPlaneCases::tr("a = g·(sen θ − μ·cos θ)"));
}

// Case A: μ = (9.81 sin θ − a) / (9.81 cos θ).
Outcome frictionFromAccelerationAndAngle(const Givens &given, Work &work)
{
    const double a = given[Acceleration];
    const double theta = given[Angle];

    if (!(theta >= 0 && theta < 90))
        return work.fail(translated(AngleRange), theta < 0 ? QStringLiteral("θ < 0°") : QStringLiteral("θ ≥ 90°"),
                         InclinedPlaneCases::tr(
                             "Un plano inclinado forma con el suelo un ángulo entre 0° y 90°; con 90° la "
                             "pared es vertical y no hay normal ni fricción."),
                         InclinedPlaneCases::tr("Escribe un ángulo mayor que 0 y menor que 90."));
    if (theta == 0)
        return work.fail(InclinedPlaneCases::tr("El ángulo debe ser diferente de cero"), QStringLiteral("θ = 0°"),
                         InclinedPlaneCases::tr(
                             "En un plano horizontal el peso no empuja al bloque a lo largo del plano: "
                             "no desliza solo."),
                         InclinedPlaneCases::tr("Escribe un ángulo mayor que 0."));
    const double along = Gravity * std::sin(radians(theta));
    if (!(along - a > 0))
        return work.fail(InclinedPlaneCases::tr(
                             "9,81 por el seno del ángulo de inclinación debe ser mayor que la aceleración"),
                         InclinedPlaneCases::tr("a ≥ g·sen θ = %1").arg(work.shown(Acceleration, along)),
                         InclinedPlaneCases::tr(
                             "Sin fricción el bloque bajaría con g·sen θ; una aceleración igual o mayor "
                             "pediría un coeficiente de fricción nulo o negativo."),
                         InclinedPlaneCases::tr("Escribe una aceleración menor que %1, o un ángulo mayor.")
                             .arg(work.shown(Acceleration, along)));
    //: Heading of the worked solution: the unknowns isolated from the equations.
    work.section(InclinedPlaneCases::tr("Despeje"));
    work.say(InclinedPlaneCases::tr("De a = g·(sen θ − μ·cos θ) se despeja μ:"));
    work.solveFor(Friction, fraction(InclinedPlaneCases::tr("g·sen θ − a"), QStringLiteral("g·cos θ")),
                  fraction(InclinedPlaneCases::tr("%1·sen %2 − %3").arg(g(), degrees(theta), n(a)),
                           QStringLiteral("%1·cos %2").arg(g(), degrees(theta))),
                  (along - a) / (Gravity * std::cos(radians(theta))));
    return work.answer();
}

// Case B: no closed form is used; the whole degrees 0 to 90 are tried and
// the largest one whose acceleration lies within 0.1 of a is the answer.
Outcome angleFromAccelerationAndFriction(const Givens &given, Work &work)
{
    const double a = given[Acceleration];
    const double mu = given[Friction];

    std::optional<int> match;
    for (int d = 0; d <= 90; ++d) {
        if (std::fabs(a - acceleration(d, mu)) < AngleTolerance)
            match = d;
    }
    work.section(InclinedPlaneCases::tr("Búsqueda del ángulo"));
    work.say(InclinedPlaneCases::tr(
        "θ no se despeja con una fórmula sencilla: se prueban los ángulos enteros de 0° a 90° en "
        "a = g·(sen θ − μ·cos θ) y se toma el mayor cuya aceleración se aleja de la dada menos de "
        "0,1 m/s²."));
    if (!match)
        return work.nothingFound(
            InclinedPlaneCases::tr("|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ de 0° a 90°"),
            InclinedPlaneCases::tr(
                "Con μ = %1, la aceleración va de %2 (θ = 0°) a %3 (θ = 90°): ningún ángulo entero da "
                "una aceleración tan cerca de a = %4. El programa no escribe nada.")
                .arg(givenNumber(mu), work.shown(Acceleration, acceleration(0, mu)),
                     work.shown(Acceleration, acceleration(90, mu)), withUnit(givenNumber(a), QStringLiteral("m/s²"))),
            InclinedPlaneCases::tr("Escribe una aceleración entre esos dos valores, o cambia μ."));
    const double found = acceleration(*match, mu);
    work.formula(InclinedPlaneCases::tr("θ = %1:   a = %2·(sen %1 − %3·cos %1) ≈ %4")
                     .arg(degrees(*match), g(), n(mu), work.shown(Acceleration, found)));
    work.formula(QStringLiteral("|%1 − %2| < 0,1").arg(givenNumber(a), shownNumber(found)));
    work.solveFor(Angle,
                  InclinedPlaneCases::tr("el mayor ángulo entero que cumple |a − g·(sen θ − μ·cos θ)| < 0,1"),
                  degrees(*match), double(*match));
    return work.answer();
}

// Case C: a = (sin θ − μ cos θ) · 9.81; a negative a means the block stays.
Outcome accelerationFromAngleAndFriction(const Givens &given, Work &work)
{
    const double theta = given[Angle];
    const double mu = given[Friction];

    if (!(theta >= 0 && theta <= 90))
        return work.fail(translated(AngleRange), theta < 0 ? QStringLiteral("θ < 0°") : QStringLiteral("θ > 90°"),
                         InclinedPlaneCases::tr("Un plano inclinado forma con el suelo un ángulo entre 0° y 90°."),
                         InclinedPlaneCases::tr("Escribe un ángulo entre 0 y 90."));
    if (mu <= 0)
        return work.fail(InclinedPlaneCases::tr("El coeficiente de fricción debe ser mayor que cero"),
                         QStringLiteral("μ ≤ 0"),
                         InclinedPlaneCases::tr(
                             "Este problema es el de un plano con fricción: el coeficiente tiene que ser "
                             "positivo."),
                         InclinedPlaneCases::tr("Escribe un coeficiente de fricción mayor que cero."));
    const double a = acceleration(theta, mu);
    work.section(InclinedPlaneCases::tr("Despeje"));
    work.say(InclinedPlaneCases::tr("La aceleración ya está despejada; se sustituyen los datos:"));
    work.solveFor(Acceleration, InclinedPlaneCases::tr("g·(sen θ − μ·cos θ)"),
                  InclinedPlaneCases::tr("%1·(sen %2 − %3·cos %2)").arg(g(), degrees(theta), n(mu)), a);
    if (a >= 0)
        return work.answer();
    const double tangent = std::tan(radians(theta));
    return work.fail(noSolutionMessage(),
                     InclinedPlaneCases::tr("μ > tan θ   (%1 > tan %2 = %3)")
                         .arg(givenNumber(mu), degrees(theta), shownNumber(tangent)),
                     InclinedPlaneCases::tr(
                         "La fricción supera la componente del peso a lo largo del plano "
                         "(μ·m·g·cos θ > m·g·sen θ): el bloque no desliza, a = 0. La fórmula da un valor "
                         "negativo porque supone que el bloque ya baja."),
                     InclinedPlaneCases::tr("Aumenta el ángulo o reduce μ por debajo de tan θ."));
}

// The three choices of two given quantities, in the order they are tried.
const QList<Case> &table()
{
    static const QList<Case> cases{
        {{Acceleration, Angle}, frictionFromAccelerationAndAngle},
        {{Acceleration, Friction}, angleFromAccelerationAndFriction},
        {{Angle, Friction}, accelerationFromAngleAndFriction},
    };
    return cases;
}

} // namespace

QStringList captions()
{
    return {InclinedPlaneCases::tr("Aceleración"), InclinedPlaneCases::tr("Ángulo"),
            InclinedPlaneCases::tr("Coeficiente de fricción")};
}

Outcome solve(const Problem &problem)
{
    const Sheet sheet{
        captions(),
        {{QStringLiteral("a"), QStringLiteral("m/s²"), InclinedPlaneCases::tr("aceleración del bloque")},
         {QStringLiteral("θ"), QStringLiteral("°"), InclinedPlaneCases::tr("ángulo del plano")},
         {QStringLiteral("μ"), QString(), InclinedPlaneCases::tr("coeficiente de fricción")}},
        laws};
    return solveByTable(problem, sheet, table());
}

} // namespace solvers::inclined
