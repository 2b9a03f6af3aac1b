#include "core/exercises/catalogue.h"

#include "core/problems/atwood_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "core/problems/inclined_plane_cases.h"

#include <QCoreApplication>

#include <iterator>

namespace exercises {

namespace {

// tr() with the context the catalogues file these texts under.
struct Exercises {
    Q_DECLARE_TR_FUNCTIONS(Exercises)
};

namespace inclined = solvers::inclined;
namespace horizontal = solvers::horizontal;
namespace atwood = solvers::atwood;

struct ProblemTable {
    QStringList symbols;
    QStringList units;
    QList<CaseInfo> cases;
};

// `rows` repeats the given fields of each row of the problem's case table,
// in the table's order; the rows in `leftOut` are not asked.
QList<CaseInfo> casesOf(ProblemKind problem, int fields, const QList<QList<int>> &rows, const QList<int> &leftOut = {})
{
    QList<CaseInfo> cases;
    for (int row = 0; row < rows.size(); ++row) {
        if (leftOut.contains(row + 1))
            continue;
        QList<int> unknowns;
        for (int field = 0; field < fields; ++field) {
            if (!rows.at(row).contains(field))
                unknowns.append(field);
        }
        cases.append({problem, row + 1, rows.at(row), unknowns});
    }
    return cases;
}

const ProblemTable &table(ProblemKind problem)
{
    static const ProblemTable tables[] = {
        {{QStringLiteral("a"), QStringLiteral("θ"), QStringLiteral("μ")},
         {QStringLiteral("m/s²"), QStringLiteral("°"), QString()},
         casesOf(ProblemKind::InclinedPlane, 3,
                 {{inclined::Acceleration, inclined::Angle},
                  {inclined::Acceleration, inclined::Friction},
                  {inclined::Angle, inclined::Friction}})},
        {{QStringLiteral("m₁"), QStringLiteral("m₂"), QStringLiteral("μ"), QStringLiteral("a"), QStringLiteral("T")},
         {QStringLiteral("kg"), QStringLiteral("kg"), QString(), QStringLiteral("m/s²"), QStringLiteral("N")},
         casesOf(ProblemKind::HorizontalPlane, 5,
                 {{horizontal::Mass1, horizontal::Mass2, horizontal::Friction},
                  {horizontal::Mass1, horizontal::Mass2, horizontal::Acceleration},
                  {horizontal::Mass1, horizontal::Mass2, horizontal::Tension},
                  {horizontal::Mass1, horizontal::Friction, horizontal::Tension},
                  {horizontal::Mass1, horizontal::Acceleration, horizontal::Tension},
                  {horizontal::Mass1, horizontal::Friction, horizontal::Acceleration},
                  {horizontal::Mass2, horizontal::Acceleration, horizontal::Tension},
                  {horizontal::Mass2, horizontal::Friction, horizontal::Acceleration},
                  {horizontal::Mass2, horizontal::Friction, horizontal::Tension},
                  {horizontal::Friction, horizontal::Acceleration, horizontal::Tension}},
                 {7})},
        {{QStringLiteral("m₁"), QStringLiteral("m₂"), QStringLiteral("a"), QStringLiteral("T")},
         {QStringLiteral("kg"), QStringLiteral("kg"), QStringLiteral("m/s²"), QStringLiteral("N")},
         casesOf(ProblemKind::AtwoodMachine, 4,
                 {{atwood::Mass1, atwood::Mass2},
                  {atwood::Mass1, atwood::Acceleration},
                  {atwood::Mass1, atwood::Tension},
                  {atwood::Mass2, atwood::Acceleration},
                  {atwood::Mass2, atwood::Tension},
                  {atwood::Acceleration, atwood::Tension}})},
    };
    static const ProblemTable none;
    const int at = int(problem) - 1;
    return at >= 0 && at < int(std::size(tables)) ? tables[at] : none;
}

} // namespace

const QList<ProblemKind> &problems()
{
    static const QList<ProblemKind> all{ProblemKind::InclinedPlane, ProblemKind::HorizontalPlane,
                                        ProblemKind::AtwoodMachine};
    return all;
}

const QList<CaseInfo> &cases(ProblemKind problem)
{
    return table(problem).cases;
}

const CaseInfo *findCase(ProblemKind problem, int number)
{
    for (const CaseInfo &kase : cases(problem)) {
        if (kase.number == number)
            return &kase;
    }
    return nullptr;
}

int fieldCount(ProblemKind problem)
{
    return int(table(problem).symbols.size());
}

QString symbol(ProblemKind problem, int field)
{
    return table(problem).symbols.value(field);
}

QString unit(ProblemKind problem, int field)
{
    return table(problem).units.value(field);
}

bool isAngle(ProblemKind problem, int field)
{
    return problem == ProblemKind::InclinedPlane && field == inclined::Angle;
}

QString caption(ProblemKind problem, int field)
{
    switch (problem) {
    case ProblemKind::InclinedPlane:
        return inclined::captions().value(field);
    case ProblemKind::HorizontalPlane:
        return horizontal::captions().value(field);
    case ProblemKind::AtwoodMachine:
        break;
    }
    return atwood::captions().value(field);
}

QString problemName(ProblemKind problem)
{
    switch (problem) {
    case ProblemKind::InclinedPlane:
        return Exercises::tr("Plano inclinado");
    case ProblemKind::HorizontalPlane:
        return Exercises::tr("Plano horizontal");
    case ProblemKind::AtwoodMachine:
        break;
    }
    return Exercises::tr("Máquina de Atwood");
}

QString caseName(const CaseInfo &kase)
{
    QStringList sought;
    for (int field : kase.unknowns)
        sought.append(symbol(kase.problem, field));
    if (sought.size() == 1)
        //: A question of the practice, named by its unknown: "Calcula μ".
        return Exercises::tr("Calcula %1").arg(sought.first());
    //: A question of the practice, named by its two unknowns: "Calcula m₂ y a".
    return Exercises::tr("Calcula %1 y %2").arg(sought.first(), sought.last());
}

} // namespace exercises
