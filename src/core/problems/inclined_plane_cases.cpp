#include "core/problems/inclined_plane_cases.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>

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
    work.formula(InclinedPlaneCases::tr("Fricción cinética (el bloque desliza):   fr = μ·N = μ·m·g·cos θ"));
    work.say(InclinedPlaneCases::tr("Sustituyendo fr en la ecuación del eje x, la masa m se simplifica:"));
    work.formula(InclinedPlaneCases::tr("a = g·(sen θ − μ·cos θ)"));
}

// The angle in degrees, turned back from radians with the windows' π.
double toDegrees(double radians)
{
    return radians * 180.0 / Pi;
}

// sen θ − μ cos θ = √(1 + μ²) sen(θ − arctg μ), so the angle whose
// acceleration is a is θ = arctg μ + arcsen(a / (g √(1 + μ²))); the
// acceleration grows with θ from −μ g at 0° to g at 90°, so there is one.
double exactAngle(double a, double mu)
{
    return toDegrees(std::atan(mu) + std::asin(a / (Gravity * std::sqrt(1 + mu * mu))));
}

// The closed form of case B, in symbols and with the values.
void exactAngleSteps(Work &work, double a, double mu)
{
    work.say(InclinedPlaneCases::tr(
        "De a = g·(sen θ − μ·cos θ) se despeja θ: como sen θ − μ·cos θ = √(1 + μ²)·sen(θ − arctg μ),"));
    //: "arctg" and "arcsen" as the school books of the language write them.
    work.formula(InclinedPlaneCases::tr("θ = arctg μ + arcsen %1")
                     .arg(fraction(QStringLiteral("a"), QStringLiteral("g·√(1 + μ²)"))));
    work.formula(InclinedPlaneCases::tr("θ = arctg %1 + arcsen %2")
                     .arg(n(mu), fraction(n(a), QStringLiteral("%1·√(1 + %2²)").arg(g(), n(mu)))) +
                 QStringLiteral(" ≈ %1°").arg(shownNumber(exactAngle(a, mu))));
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
    if (a == 0)
        work.say(InclinedPlaneCases::tr(
            "Con a = 0 el bloque baja a velocidad constante y μ = tg θ. Si estuviera en reposo, la "
            "fricción estática lo sujetaría con cualquier μ ≥ tg θ: el valor hallado sería solo el mínimo."));
    return work.answer();
}

// Case B: the window does not use the closed form; it tries the whole
// degrees 0 to 90 and answers the largest one whose acceleration lies
// within 0.1 of a.
Outcome angleFromAccelerationAndFriction(const Givens &given, Work &work)
{
    const double a = given[Acceleration];
    const double mu = given[Friction];

    std::optional<int> smallest, match;
    for (int d = 0; d <= 90; ++d) {
        if (std::fabs(a - acceleration(d, mu)) < AngleTolerance) {
            smallest = smallest.value_or(d);
            match = d;
        }
    }
    const double lowest = acceleration(0, mu), highest = acceleration(90, mu);
    // With μ ≥ 0 the acceleration grows with the angle, so one angle at
    // most gives a; a negative μ, which no window rejects here, has no
    // physical meaning and gets the search alone.
    const bool physical = mu >= 0;
    const bool reachable = physical && a >= lowest && a <= highest;
    const QString aGiven = withUnit(givenNumber(a), QStringLiteral("m/s²"));
    if (physical) {
        work.section(InclinedPlaneCases::tr("Despeje"));
        if (reachable)
            exactAngleSteps(work, a, mu);
        else
            work.say(InclinedPlaneCases::tr(
                "La aceleración crece con el ángulo, de %1 (θ = 0°) a %2 (θ = 90°): ningún ángulo da "
                "exactamente a = %3.")
                         .arg(work.shown(Acceleration, lowest), work.shown(Acceleration, highest), aGiven));
    }
    work.section(InclinedPlaneCases::tr("Búsqueda del ángulo"));
    work.say(InclinedPlaneCases::tr(
        "La ventana no despeja θ: prueba los ángulos de grado entero de 0° a 90° en "
        "a = g·(sen θ − μ·cos θ) y escribe el mayor cuya aceleración se aleja de la dada menos de "
        "0,1 m/s²."));
    const QString none =
        InclinedPlaneCases::tr("|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ entero de 0° a 90°");
    if (!match && reachable) {
        const double exact = exactAngle(a, mu);
        const int below = std::min(int(std::floor(exact)), 89);
        const int above = below + 1;
        return work.nothingFound(
            none,
            InclinedPlaneCases::tr(
                "a = %1 está entre la aceleración de %2, %3, y la de %4, %5, pero a más de 0,1 m/s² de "
                "las dos: con μ = %6 la aceleración cambia más de 0,2 m/s² de un grado al siguiente. El "
                "ángulo exacto, %7°, no es entero, y la ventana no escribe nada.")
                .arg(aGiven, degrees(below), work.shown(Acceleration, acceleration(below, mu)), degrees(above),
                     work.shown(Acceleration, acceleration(above, mu)), givenNumber(mu), shownNumber(exact)),
            InclinedPlaneCases::tr("El ángulo que buscas es el exacto, %1°. Para que la ventana escriba uno, "
                                   "acerca a a la aceleración de %2 o de %3.")
                .arg(shownNumber(exact), degrees(below), degrees(above)));
    }
    if (!match)
        return work.nothingFound(
            none,
            InclinedPlaneCases::tr(
                "Con μ = %1, la aceleración va de %2 (θ = 0°) a %3 (θ = 90°): ningún ángulo entero da "
                "una aceleración tan cerca de a = %4. El programa no escribe nada.")
                .arg(givenNumber(mu), work.shown(Acceleration, lowest), work.shown(Acceleration, highest), aGiven),
            InclinedPlaneCases::tr("Escribe una aceleración entre esos dos valores, o cambia μ."));
    const double found = acceleration(*match, mu);
    work.formula(InclinedPlaneCases::tr("θ = %1:   a = %2·(sen %1 − %3·cos %1) ≈ %4")
                     .arg(degrees(*match), g(), n(mu), work.shown(Acceleration, found)));
    work.formula(QStringLiteral("|%1 − %2| < 0,1").arg(givenNumber(a), shownNumber(found)));
    work.solveFor(Angle,
                  InclinedPlaneCases::tr("el mayor ángulo entero que cumple |a − g·(sen θ − μ·cos θ)| < 0,1"),
                  degrees(*match), double(*match));
    if (!physical)
        return work.answer();
    if (!reachable)
        work.say(InclinedPlaneCases::tr("Ningún ángulo da exactamente a, pero la aceleración de %1 queda a menos "
                                        "de 0,1 m/s², y la ventana lo escribe.")
                     .arg(degrees(*match)));
    else if (*smallest < *match)
        work.say(InclinedPlaneCases::tr(
            "Por eso la ventana escribe %1 y no el ángulo exacto, %2°: de %3 a %1 todos los ángulos enteros "
            "quedan a menos de 0,1 m/s² de a, y se queda con el mayor.")
                     .arg(degrees(*match), shownNumber(exactAngle(a, mu)), degrees(*smallest)));
    else
        work.say(InclinedPlaneCases::tr(
            "La ventana escribe %1, el único ángulo entero a menos de 0,1 m/s² de a; el exacto es %2°.")
                     .arg(degrees(*match), shownNumber(exactAngle(a, mu))));
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
    const QString isolated = InclinedPlaneCases::tr("g·(sen θ − μ·cos θ)");
    const QString substituted = InclinedPlaneCases::tr("%1·(sen %2 − %3·cos %2)").arg(g(), degrees(theta), n(mu));
    if (a >= 0) {
        work.solveFor(Acceleration, isolated, substituted, a);
        return work.answer();
    }
    // Not solveFor: a negative a too small for two decimals must not read 0,00.
    work.formula(QStringLiteral("a = %1").arg(isolated));
    work.formula(QStringLiteral("a = %1 ≈ %2").arg(substituted, withUnit(shownApart(a, 0), QStringLiteral("m/s²"))));
    const double tangent = std::tan(radians(theta));
    const double slidesFrom = toDegrees(std::atan(mu));
    if (shownApart(tangent, mu) != shownNumber(tangent))
        work.say(InclinedPlaneCases::tr(
            "La ventana pasa los grados a radianes con π ≈ 3,14159, un poco menos que π: por eso tg %1 le sale "
            "%2, algo menos que %3, y a es negativa por muy poco.")
                     .arg(degrees(theta), shownApart(tangent, mu), givenNumber(mu)));
    //: "tg" is the tangent as the school books of the language write it.
    return work.fail(noSolutionMessage(),
                     InclinedPlaneCases::tr("μ > tg θ   (%1 > tg %2 = %3)")
                         .arg(givenNumber(mu), degrees(theta), shownApart(tangent, mu)),
                     InclinedPlaneCases::tr(
                         "Solo la fricción máxima, μ·N = μ·m·g·cos θ, supera la componente del peso a lo largo "
                         "del plano, m·g·sen θ: el bloque no desliza. Se queda en reposo, a = 0, y la fricción "
                         "estática vale justo m·g·sen θ. La fórmula da un valor negativo porque es la del bloque "
                         "que desliza, con fricción cinética; por eso la ventana no da resultado. Con μ = %1 el "
                         "bloque empieza a deslizar a partir de θ = arctg μ = %2°.")
                         .arg(givenNumber(mu), shownApart(slidesFrom, theta)),
                     InclinedPlaneCases::tr("Aumenta el ángulo por encima de %1° o reduce μ por debajo de tg θ = %2.")
                         .arg(shownApart(slidesFrom, theta), shownApart(tangent, mu)));
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
