#pragma once

#include "core/exercises/catalogue.h"

#include <QString>

#include <optional>

// Exercise codes, "P-C-N": the problem (1 to 3), the case (its number in
// catalogue.h) and a number from 0 to 9999. A code gives the same exercise on
// any computer and in any language, so a teacher can give one to the class.
namespace exercises {

inline constexpr int NumbersPerCase = 10000;

struct Code {
    ProblemKind problem = ProblemKind::InclinedPlane;
    int caseNumber = 0;
    int number = 0;

    // "2-4-4817".
    QString text() const;
    bool operator==(const Code &) const = default;
};

// True when the problem, its case and the number exist.
bool exists(const Code &code);

// A code as typed: "2-4-4817", with blanks around the parts and any dash
// a word processor puts for '-' allowed. Nothing for a text that is not the
// code of an exercise.
std::optional<Code> parseCode(const QString &text);
// What to tell someone who typed a text that is not a code.
QString noSuchCodeMessage(const QString &typed);

// The "cualquiera" choices: from a number 0 to 9999, the code with that
// number of a case drawn from the number (of the given problem, or of a
// problem drawn too, each problem equally often). Nothing for a number out
// of range.
std::optional<Code> anyCaseCode(ProblemKind problem, int number);
std::optional<Code> anyCode(int number);

} // namespace exercises
