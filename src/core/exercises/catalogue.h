#pragma once

#include <QList>
#include <QString>

// The questions the practice asks: for each of the three problems, the rows
// of its case table whose data fix the answer, each named by its unknowns.
//
// A case keeps the number of its row in the problem's case table, counted
// from 1 in the order the table tries them. The number is the middle part of
// every exercise code ("2-4-4817") and the --case of the class sets, so it
// never changes:
//   1 inclined plane    1 μ   2 θ   3 a
//   2 horizontal plane  1 a, T   2 μ, T   3 μ, a   4 m₂, a   5 m₂, μ   6 m₂, T
//                       8 m₁, T   9 m₁, a   10 m₁, m₂
//                       (no 7: m₂, a and T leave m₁ and μ open)
//   3 Atwood machine    1 a, T   2 m₂, T   3 m₂, a   4 m₁, T   5 m₁, a   6 m₁, m₂
// Fields are those of the problem windows (solvers::inclined::Field, …).
namespace exercises {

// The first part of a code.
enum class ProblemKind { InclinedPlane = 1, HorizontalPlane = 2, AtwoodMachine = 3 };

const QList<ProblemKind> &problems();

struct CaseInfo {
    ProblemKind problem;
    int number;
    QList<int> given;    // in field order
    QList<int> unknowns; // in field order
};

// The cases of a problem, in number order.
const QList<CaseInfo> &cases(ProblemKind problem);
// Nothing for a number that is not one of the problem's cases.
const CaseInfo *findCase(ProblemKind problem, int number);

int fieldCount(ProblemKind problem);
// A quantity as the working writes it: "m₁" in "kg", "θ" in "°", "μ" with
// no unit.
QString symbol(ProblemKind problem, int field);
QString unit(ProblemKind problem, int field);
bool isAngle(ProblemKind problem, int field);
// The problem window's caption of the field ("Masa 1"), in the program's
// language.
QString caption(ProblemKind problem, int field);

// "Plano inclinado", "Plano horizontal", "Máquina de Atwood".
QString problemName(ProblemKind problem);
// "Calcula μ", "Calcula m₂ y a".
QString caseName(const CaseInfo &kase);

} // namespace exercises
