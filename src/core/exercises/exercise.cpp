#include "core/exercises/exercise.h"

#include "core/text/number_text.h"
#include "core/exercises/draw.h"
#include "core/problems/atwood_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "core/problems/inclined_plane_cases.h"

#include <cmath>

namespace exercises {

namespace {

namespace inclined = solvers::inclined;
namespace horizontal = solvers::horizontal;
namespace atwood = solvers::atwood;

// Least values of an exercise: a block that clearly slides, a cord that
// clearly pulls, masses and friction a student can tell from nothing.
constexpr double MinAcceleration = 0.5; // m/s²
constexpr double MinTension = 1.0;      // N
constexpr double MinMass = 0.4;         // kg
constexpr double MinFriction = 0.04;
// Set-ups drawn before the problem's standard one is taken; far more than a
// code ever needs (every code is tried in the tests).
constexpr int Attempts = 1000;

std::uint32_t seed(const Code &code)
{
    return std::uint32_t(code.problem) * 1'000'000 + std::uint32_t(code.caseNumber) * NumbersPerCase +
           std::uint32_t(code.number);
}

double hundredths(double value)
{
    return std::round(value * 100) / 100;
}

// The quantities a set-up is drawn from; the others follow from the laws and
// are stated with two decimals.
bool drawn(ProblemKind problem, int field)
{
    switch (problem) {
    case ProblemKind::InclinedPlane:
        return field == inclined::Angle || field == inclined::Friction;
    case ProblemKind::HorizontalPlane:
        return field == horizontal::Mass1 || field == horizontal::Mass2 || field == horizontal::Friction;
    case ProblemKind::AtwoodMachine:
        break;
    }
    return field == atwood::Mass1 || field == atwood::Mass2;
}

double mass(Draw &draw)
{
    return draw.between(5, 100) / 10.0;
}

// Every quantity of a set-up, from its drawn ones by the problem's forward
// case (case 3 of the inclined plane, case 1 of the others).
Values completed(ProblemKind problem, const Values &values)
{
    return solveExactly(*findCase(problem, problem == ProblemKind::InclinedPlane ? 3 : 1), values);
}

Values drawSetUp(ProblemKind problem, Draw &draw)
{
    Values v{};
    switch (problem) {
    case ProblemKind::InclinedPlane:
        v[inclined::Angle] = draw.between(15, 60);
        v[inclined::Friction] = draw.between(5, 70) / 100.0;
        break;
    case ProblemKind::HorizontalPlane:
        v[horizontal::Mass1] = mass(draw);
        v[horizontal::Mass2] = mass(draw);
        v[horizontal::Friction] = draw.between(5, 60) / 100.0;
        break;
    case ProblemKind::AtwoodMachine:
        // Block 1 is the one that goes down.
        v[atwood::Mass1] = mass(draw);
        v[atwood::Mass2] = mass(draw);
        if (v[atwood::Mass1] < v[atwood::Mass2])
            std::swap(v[atwood::Mass1], v[atwood::Mass2]);
        break;
    }
    return completed(problem, v);
}

// The textbook's example of each problem, for a code whose draws all fail.
Values standardSetUp(ProblemKind problem)
{
    Values v{};
    switch (problem) {
    case ProblemKind::InclinedPlane:
        v[inclined::Angle] = 30;
        v[inclined::Friction] = 0.2;
        break;
    case ProblemKind::HorizontalPlane:
        v[horizontal::Mass1] = 2;
        v[horizontal::Mass2] = 3;
        v[horizontal::Friction] = 0.2;
        break;
    case ProblemKind::AtwoodMachine:
        v[atwood::Mass1] = 3;
        v[atwood::Mass2] = 2;
        break;
    }
    return completed(problem, v);
}

bool plausible(ProblemKind problem, int field, double value)
{
    const QString u = unit(problem, field);
    if (u == u"m/s²")
        return value >= MinAcceleration;
    if (u == u"N")
        return value >= MinTension;
    if (u == u"kg")
        return value >= MinMass;
    if (u.isEmpty())
        return value >= MinFriction;
    return value > 0;
}

// The exercise a set-up gives for the case: the given values as a textbook
// states them, the unknowns worked out exactly from those.
Exercise posed(const Code &code, const CaseInfo &kase, const Values &hidden)
{
    Values stated{};
    for (int field : kase.given)
        stated[field] = drawn(kase.problem, field) ? hidden[field] : hundredths(hidden[field]);
    Exercise exercise{code, kase.given, solveExactly(kase, stated), {}};
    for (int field : kase.unknowns) {
        const double exact = exercise.values[field];
        exercise.unknowns.append({field, exact, tolerance(isAngle(kase.problem, field), exact), {}});
    }
    return exercise;
}

// An angle asked is fixed to the degree: the whole degrees beside it give
// accelerations at least 0.1 m/s² (and a margin) away from the given one, so
// the problem window's search, which takes the largest whole degree within
// 0.1 m/s², finds the exact angle rounded.
bool angleFixedToTheDegree(const Exercise &exercise)
{
    constexpr double Apart = 0.1 + 0.005;
    const double a = exercise.values[inclined::Acceleration];
    for (const double step : {-1.0, 1.0}) {
        Values beside = exercise.values;
        beside[inclined::Angle] = std::round(beside[inclined::Angle]) + step;
        if (!(std::fabs(completed(ProblemKind::InclinedPlane, beside)[inclined::Acceleration] - a) >= Apart))
            return false;
    }
    return true;
}

// False when a value would be implausible, or an answer would depend on the
// rounding of the data.
bool fits(const Exercise &exercise, const Values &hidden)
{
    const ProblemKind problem = exercise.problem();
    for (int field = 0; field < fieldCount(problem); ++field) {
        const double value = exercise.values[field];
        if (!std::isfinite(value) || !plausible(problem, field, value))
            return false;
    }
    for (const Unknown &unknown : exercise.unknowns) {
        const double intended = hidden[unknown.field];
        if (!(std::fabs(unknown.exact - intended) <= tolerance(isAngle(problem, unknown.field), intended) / 2))
            return false;
        if (isAngle(problem, unknown.field) && !angleFixedToTheDegree(exercise))
            return false;
    }
    return true;
}

void offerMistakes(Exercise &exercise)
{
    const ProblemKind problem = exercise.problem();
    const QList<int> &unknowns = findCase(problem, exercise.code.caseNumber)->unknowns;
    for (Mistake mistake : mistakes(problem)) {
        const std::optional<Values> wrong = valuesWithMistake(problem, mistake, exercise.values, unknowns);
        if (!wrong)
            continue;
        for (Unknown &unknown : exercise.unknowns) {
            const double value = (*wrong)[unknown.field];
            const double width = tolerance(isAngle(problem, unknown.field) && !answersInRadians(mistake), value);
            if (std::fabs(value - unknown.exact) > unknown.tolerance + width)
                unknown.mistakes.append({mistake, value, width});
        }
    }
}

} // namespace

std::optional<Exercise> makeExercise(const Code &code)
{
    if (!exists(code))
        return std::nullopt;
    const CaseInfo &kase = *findCase(code.problem, code.caseNumber);
    Draw draw(seed(code));
    std::optional<Exercise> exercise;
    for (int attempt = 0; attempt < Attempts && !exercise; ++attempt) {
        const Values hidden = drawSetUp(code.problem, draw);
        Exercise candidate = posed(code, kase, hidden);
        if (fits(candidate, hidden))
            exercise = candidate;
    }
    if (!exercise)
        exercise = posed(code, kase, standardSetUp(code.problem));
    offerMistakes(*exercise);
    return exercise;
}

Verdict judge(const Unknown &unknown, double typed)
{
    if (std::fabs(typed - unknown.exact) <= unknown.tolerance)
        return {true, std::nullopt};
    for (const MistakeValue &each : unknown.mistakes) {
        if (std::fabs(typed - each.value) <= each.tolerance)
            return {false, each.mistake};
    }
    return {};
}

solvers::Problem caseTableInput(const Exercise &exercise)
{
    solvers::Problem input;
    for (int field = 0; field < fieldCount(exercise.problem()); ++field) {
        const bool given = exercise.given.contains(field);
        input.checked.append(given);
        input.texts.append(given ? core::formatShortest(exercise.values[field]) : QString());
    }
    return input;
}

solvers::Outcome solveWithCaseTable(const Exercise &exercise)
{
    const solvers::Problem input = caseTableInput(exercise);
    switch (exercise.problem()) {
    case ProblemKind::InclinedPlane:
        return inclined::solve(input);
    case ProblemKind::HorizontalPlane:
        return horizontal::solve(input);
    case ProblemKind::AtwoodMachine:
        break;
    }
    return atwood::solve(input);
}

} // namespace exercises
