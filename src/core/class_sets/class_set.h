#pragma once

#include "core/exercises/code.h"
#include "core/exercises/exercise.h"
#include "core/exercises/statement.h"
#include "core/problems/problem.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// A class set: a different exercise for every student, the practice's
// exercises numbered first, first + 1, … so that each carries its own code
// and a student can open it in the program.
namespace class_sets {

inline constexpr int MaxStudents = 60;

struct Choice {
    std::optional<exercises::ProblemKind> problem; // nothing: each variant draws its problem
    std::optional<int> caseNumber;                 // nothing: each variant draws its question
    int first = 0;
    int count = 1;
};

// The largest first number with room for `count` codes after it.
int lastFirst(int count);

// True when the choice names a problem's question (or none), 1 to
// MaxStudents students, and numbers that every code has.
bool isValid(const Choice &choice);

// The codes of the set, in order; empty for a choice that is not valid.
QList<exercises::Code> codes(const Choice &choice);

// "Plano inclinado" or "Cualquier problema"; "Calcula a" or "Cualquier pregunta".
QString problemLabel(const Choice &choice);
QString questionLabel(const Choice &choice);

// Everything the sheet, the key and the question bank show of one variant.
struct Variant {
    exercises::Exercise exercise;
    exercises::Statement statement;
    QList<exercises::AnswerField> fields;
    // The problem window's answers for these data, with the worked solution
    // that its "Resolución" dialog shows.
    solvers::Outcome outcome;

    QString code() const { return exercise.code.text(); }
};

QList<Variant> variants(const QList<exercises::Code> &codes);

// An answer or its margin as the key and the question bank write it: four
// decimals at most, trailing zeros dropped, no grouping, in `locale` (the
// question bank uses QLocale::c(), a decimal point).
QString answerNumber(double value, const QLocale &locale = QLocale());

// The key's line for one unknown: "a = 3,2086 m/s² (± 0,0321)".
QString answerLine(const Variant &variant, const exercises::Unknown &unknown);

} // namespace class_sets
