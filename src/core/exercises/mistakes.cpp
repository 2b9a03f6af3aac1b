#include "core/exercises/mistakes.h"

#include "core/problems/atwood_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "core/problems/inclined_plane_cases.h"

#include <QCoreApplication>

#include <cmath>

namespace exercises {

namespace {

constexpr double g = solvers::Gravity;

// Inclined plane, a = g·(sin θ − μ·cos θ), and its mistakes.
namespace inclined {
using namespace solvers::inclined;

std::array<double, 2> frictionLeftOut(const Values &v) // a = g·sin θ
{
    return {g * std::sin(radians(v[Angle])) - v[Acceleration], 0};
}

std::array<double, 2> sineAndCosineSwapped(const Values &v) // a = g·(cos θ − μ·sin θ)
{
    const double theta = radians(v[Angle]);
    return {g * (std::cos(theta) - v[Friction] * std::sin(theta)) - v[Acceleration], 0};
}

std::array<double, 2> frictionAdded(const Values &v) // a = g·(sin θ + μ·cos θ)
{
    const double theta = radians(v[Angle]);
    return {g * (std::sin(theta) + v[Friction] * std::cos(theta)) - v[Acceleration], 0};
}

std::array<double, 2> normalTakenAsWeight(const Values &v) // N = m·g, so a = g·(sin θ − μ)
{
    return {g * (std::sin(radians(v[Angle])) - v[Friction]) - v[Acceleration], 0};
}

// The calculator in radians: the law with θ's number read as radians, and
// an angle found comes out in radians.
std::array<double, 2> angleInRadians(const Values &v)
{
    const double theta = v[Angle];
    return {g * (std::sin(theta) - v[Friction] * std::cos(theta)) - v[Acceleration], 0};
}

} // namespace inclined

// Horizontal plane: block 1 on the table, T − μ·m1·g = m1·a; hanging block
// 2, m2·g − T = m2·a. Each mistake replaces the equations it gets wrong.
namespace horizontal {
using namespace solvers::horizontal;

double hangingBlock(const Values &v)
{
    return v[Mass2] * g - v[Tension] - v[Mass2] * v[Acceleration];
}

// Both blocks together: (m2 − μ·m1)·g = (m1 + m2)·a.
double pair(const Values &v)
{
    return (v[Mass2] - v[Friction] * v[Mass1]) * g - (v[Mass1] + v[Mass2]) * v[Acceleration];
}

std::array<double, 2> frictionLeftOut(const Values &v) // T = m1·a
{
    return {v[Tension] - v[Mass1] * v[Acceleration], hangingBlock(v)};
}

std::array<double, 2> frictionOnHangingBlock(const Values &v) // T − μ·m2·g = m1·a
{
    return {v[Tension] - v[Friction] * v[Mass2] * g - v[Mass1] * v[Acceleration], hangingBlock(v)};
}

// The hanging weight pulls block 1 alone: (m2 − μ·m1)·g = m1·a.
std::array<double, 2> oneMassLeftOut(const Values &v)
{
    return {(v[Mass2] - v[Friction] * v[Mass1]) * g - v[Mass1] * v[Acceleration], hangingBlock(v)};
}

std::array<double, 2> tensionTakenAsWeight(const Values &v) // T = m2·g
{
    return {pair(v), v[Tension] - v[Mass2] * g};
}

std::array<double, 2> frictionAdded(const Values &v) // T + μ·m1·g = m1·a
{
    return {v[Tension] + v[Friction] * v[Mass1] * g - v[Mass1] * v[Acceleration], hangingBlock(v)};
}

} // namespace horizontal

// Atwood machine: block 1 goes down, m1·g − T = m1·a; block 2 goes up,
// T − m2·g = m2·a.
namespace atwood {
using namespace solvers::atwood;

// Both blocks together: (m1 − m2)·g = (m1 + m2)·a.
double pair(const Values &v)
{
    return (v[Mass1] - v[Mass2]) * g - (v[Mass1] + v[Mass2]) * v[Acceleration];
}

// Block 1 taken for the one that goes up: T − m1·g = m1·a, m2·g − T = m2·a.
std::array<double, 2> massesSwapped(const Values &v)
{
    return {v[Tension] - v[Mass1] * g - v[Mass1] * v[Acceleration],
            v[Mass2] * g - v[Tension] - v[Mass2] * v[Acceleration]};
}

// The weight difference moves block 1 alone: (m1 − m2)·g = m1·a.
std::array<double, 2> oneMassLeftOut(const Values &v)
{
    return {(v[Mass1] - v[Mass2]) * g - v[Mass1] * v[Acceleration],
            v[Tension] - v[Mass2] * g - v[Mass2] * v[Acceleration]};
}

std::array<double, 2> tensionTakenAsWeight(const Values &v) // T = m1·g
{
    return {pair(v), v[Tension] - v[Mass1] * g};
}

std::array<double, 2> tensionTakenAsNetForce(const Values &v) // T = (m1 − m2)·g
{
    return {pair(v), v[Tension] - (v[Mass1] - v[Mass2]) * g};
}

// Block 2's acceleration taken downwards: T = m2·(g − a).
std::array<double, 2> signOfAcceleration(const Values &v)
{
    return {pair(v), v[Tension] - v[Mass2] * (g - v[Acceleration])};
}

} // namespace atwood

struct Model {
    Mistake mistake;
    Laws laws;
    const char *hint;
};

const QList<Model> &models(ProblemKind problem)
{
    static const QList<Model> inclinedPlane{
        {Mistake::FrictionLeftOut, inclined::frictionLeftOut,
         QT_TRANSLATE_NOOP("Exercises", "Parece que no has tenido en cuenta la fricción. Revisa la ecuación del eje "
                                        "x: además de m·g·sen θ actúa la fricción fr = μ·m·g·cos θ, que se opone al "
                                        "deslizamiento.")},
        {Mistake::SineAndCosineSwapped, inclined::sineAndCosineSwapped,
         QT_TRANSLATE_NOOP("Exercises", "Parece que has cambiado el seno por el coseno. Al descomponer el peso, la "
                                        "componente a lo largo del plano es m·g·sen θ y la perpendicular al plano, "
                                        "m·g·cos θ.")},
        {Mistake::FrictionAdded, inclined::frictionAdded,
         QT_TRANSLATE_NOOP("Exercises", "Parece que has sumado la fricción. La fricción se opone al deslizamiento, "
                                        "así que en el eje x resta: m·g·sen θ − fr = m·a.")},
        {Mistake::NormalTakenAsWeight, inclined::normalTakenAsWeight,
         QT_TRANSLATE_NOOP("Exercises", "Parece que has tomado la normal igual al peso. En un plano inclinado la "
                                        "normal equilibra solo la componente perpendicular del peso: N = m·g·cos θ.")},
        {Mistake::AngleInRadians, inclined::angleInRadians,
         QT_TRANSLATE_NOOP("Exercises", "Parece que la calculadora estaba en radianes. Los ángulos de este problema "
                                        "van en grados: pon la calculadora en modo grados (DEG) y repite el "
                                        "cálculo.")},
    };
    static const QList<Model> horizontalPlane{
        {Mistake::FrictionLeftOut, horizontal::frictionLeftOut,
         QT_TRANSLATE_NOOP("Exercises", "Parece que no has tenido en cuenta la fricción de la mesa. En la ecuación "
                                        "del bloque 1, además de la tensión T, actúa la fricción fr = μ·m₁·g, que "
                                        "se opone al movimiento.")},
        {Mistake::FrictionOnHangingBlock, horizontal::frictionOnHangingBlock,
         QT_TRANSLATE_NOOP("Exercises", "Revisa la fricción: actúa sobre el bloque de la mesa, cuya normal es "
                                        "N = m₁·g, así que fr = μ·m₁·g. El bloque colgante no roza con nada.")},
        {Mistake::OneMassLeftOut, horizontal::oneMassLeftOut,
         QT_TRANSLATE_NOOP("Exercises", "Revisa qué masa se acelera: el peso del bloque colgante arrastra a los "
                                        "dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.")},
        {Mistake::TensionTakenAsWeight, horizontal::tensionTakenAsWeight,
         QT_TRANSLATE_NOOP("Exercises", "Parece que has tomado la tensión igual al peso del bloque colgante. Ese "
                                        "bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza "
                                        "que su peso: T = m₂·(g − a).")},
        {Mistake::FrictionAdded, horizontal::frictionAdded,
         QT_TRANSLATE_NOOP("Exercises", "Parece que has sumado la fricción. La fricción se opone al movimiento, así "
                                        "que en la ecuación del bloque 1 resta: T − fr = m₁·a.")},
    };
    static const QList<Model> atwoodMachine{
        {Mistake::MassesSwapped, atwood::massesSwapped,
         QT_TRANSLATE_NOOP("Exercises", "Revisa qué bloque baja: m₁ es el que baja, m₁·g − T = m₁·a, y m₂ el que "
                                        "sube, T − m₂·g = m₂·a.")},
        {Mistake::OneMassLeftOut, atwood::oneMassLeftOut,
         QT_TRANSLATE_NOOP("Exercises", "Revisa qué masa se acelera: la diferencia de pesos mueve a los dos "
                                        "bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.")},
        {Mistake::TensionTakenAsWeight, atwood::tensionTakenAsWeight,
         QT_TRANSLATE_NOOP("Exercises", "Parece que has tomado la tensión igual al peso del bloque que baja. Ese "
                                        "bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza "
                                        "que su peso: T = m₁·(g − a).")},
        {Mistake::TensionTakenAsNetForce, atwood::tensionTakenAsNetForce,
         QT_TRANSLATE_NOOP("Exercises", "Parece que has tomado la tensión igual a la fuerza neta, (m₁ − m₂)·g. La "
                                        "tensión es la fuerza de la cuerda sobre cada bloque: sale de la ecuación "
                                        "de uno de ellos.")},
        {Mistake::SignOfAcceleration, atwood::signOfAcceleration,
         QT_TRANSLATE_NOOP("Exercises", "Revisa el signo de a en la ecuación del bloque que sube: acelera hacia "
                                        "arriba, T − m₂·g = m₂·a, así que T = m₂·(g + a).")},
    };
    switch (problem) {
    case ProblemKind::InclinedPlane:
        return inclinedPlane;
    case ProblemKind::HorizontalPlane:
        return horizontalPlane;
    case ProblemKind::AtwoodMachine:
        break;
    }
    return atwoodMachine;
}

const Model *model(ProblemKind problem, Mistake mistake)
{
    for (const Model &each : models(problem)) {
        if (each.mistake == mistake)
            return &each;
    }
    return nullptr;
}

} // namespace

const QList<Mistake> &mistakes(ProblemKind problem)
{
    const auto listed = [](ProblemKind kind) {
        QList<Mistake> all;
        for (const Model &each : models(kind))
            all.append(each.mistake);
        return all;
    };
    static const QList<Mistake> inclinedPlane = listed(ProblemKind::InclinedPlane);
    static const QList<Mistake> horizontalPlane = listed(ProblemKind::HorizontalPlane);
    static const QList<Mistake> atwoodMachine = listed(ProblemKind::AtwoodMachine);
    switch (problem) {
    case ProblemKind::InclinedPlane:
        return inclinedPlane;
    case ProblemKind::HorizontalPlane:
        return horizontalPlane;
    case ProblemKind::AtwoodMachine:
        break;
    }
    return atwoodMachine;
}

QString hint(ProblemKind problem, Mistake mistake)
{
    const Model *found = model(problem, mistake);
    return found ? QCoreApplication::translate("Exercises", found->hint) : QString();
}

std::optional<Values> valuesWithMistake(ProblemKind problem, Mistake mistake, const Values &exact,
                                        const QList<int> &unknowns)
{
    const Model *found = model(problem, mistake);
    if (!found)
        return std::nullopt;
    Values start = exact;
    // Newton's method starts from the right answer, which the wrong one
    // lies near; in radians, from the right angle in radians.
    if (answersInRadians(mistake) && unknowns.contains(solvers::inclined::Angle))
        start[solvers::inclined::Angle] = radians(exact[solvers::inclined::Angle]);
    std::optional<Values> wrong = solveLaws(found->laws, start, unknowns);
    // An angle is a plane's only between 0° and 90°, where the problem
    // window looks for it too; the laws have other roots a student never
    // meets.
    if (wrong && problem == ProblemKind::InclinedPlane && unknowns.contains(solvers::inclined::Angle)) {
        const double angle = (*wrong)[solvers::inclined::Angle];
        if (!(angle >= 0 && angle <= (answersInRadians(mistake) ? radians(90) : 90)))
            return std::nullopt;
    }
    return wrong;
}

bool answersInRadians(Mistake mistake)
{
    return mistake == Mistake::AngleInRadians;
}

} // namespace exercises
