#pragma once

#include "core/exercises/code.h"
#include "core/exercises/mistakes.h"
#include "core/exercises/physics.h"
#include "core/problems/problem.h"

#include <QList>

#include <optional>

// One exercise of the practice, made from its code: the data as a textbook
// states them, the exact answers, how far an answer may stray, and the
// typical mistakes that give a different value on these data.
//
// The data come from a hidden set-up drawn from the code (whole degrees, μ
// with two decimals, masses of 0.5 to 10 kg with one decimal, and a block
// that clearly slides); the accelerations and tensions it gives are stated
// rounded to two decimals. The answers are worked out exactly from the data
// as stated, and a set-up is only kept when they lie within half a tolerance
// of the hidden ones, so rounding in the middle of a calculation does not
// turn a right method into a wrong answer.
namespace exercises {

struct MistakeValue {
    Mistake mistake;
    double value;
    double tolerance;
};

struct Unknown {
    int field;
    double exact;
    // Right when |typed − exact| ≤ tolerance (1 %, at least 0.01, or 0.5°).
    double tolerance;
    // The mistakes worth naming for this unknown, each with the value it
    // gives: their windows lie apart from the right one, so no right answer
    // ever gets a hint.
    QList<MistakeValue> mistakes;
};

struct Exercise {
    Code code;
    QList<int> given; // in field order
    // A given field holds its value as stated; an unknown one, the exact
    // answer.
    Values values{};
    QList<Unknown> unknowns; // in field order

    ProblemKind problem() const { return code.problem; }
};

// Nothing for a code that does not exist.
std::optional<Exercise> makeExercise(const Code &code);

struct Verdict {
    bool right = false;
    // For a wrong answer, the mistake that gives that value, if one does.
    std::optional<Mistake> mistake;
};
Verdict judge(const Unknown &unknown, double typed);

// The check marks and field texts of the problem window with this exercise's
// data, the numbers written in the current locale.
solvers::Problem caseTableInput(const Exercise &exercise);
// The problem window's answers for these data, with the worked solution that
// "Ver resolución" shows.
solvers::Outcome solveWithCaseTable(const Exercise &exercise);

} // namespace exercises
