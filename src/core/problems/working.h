#pragma once

#include <QList>
#include <QString>

// The worked solution of one press of "Resolver": the steps a teacher writes
// on the board (data, Newton's second law for each body, the unknowns
// isolated, the values substituted, the results), or the condition that
// stopped the case. The case tables write it while they compute, so it
// cannot disagree with the fields. Formula texts may hold fractions, made
// with fraction() and undone by plainText().
namespace solvers {

struct Step {
    enum class Kind {
        Title,     // what is given and what is sought
        Section,   // "Datos", "Segunda ley de Newton", ...
        Sentence,  // plain words
        Formula,   // an equation line
        Result,    // a final value, as the window shows it
        Message,   // the message box the press showed
        Condition, // the condition that failed, in symbols
        Advice,    // what the student can change
    };

    Kind kind;
    QString text;
    // Result only: the field written and the text written into it.
    int field = -1;
    QString value;

    bool operator==(const Step &) const = default;
};

using Working = QList<Step>;

// A fraction inside a formula text: numerator over denominator.
QString fraction(const QString &numerator, const QString &denominator);

// One piece of a formula text: plain text, or a fraction when denominator
// is not empty.
struct FormulaPiece {
    QString text;
    QString denominator;
};
QList<FormulaPiece> formulaPieces(const QString &formula);

// The text with each fraction written on one line, "(a + b)/c".
QString plainText(const QString &formula);
// Every step as plain text, one line each.
QString plainText(const Working &working);

// Numbers as the working writes them, with the locale's decimal separator
// and a true minus sign (−): a given value in full ("0,25", "9,81"), or a
// computed value with two decimals as the fields show it, never "−0,00".
QString givenNumber(double value);
QString shownNumber(double value);
// A computed value with two decimals, or with as many more as it takes to
// tell it from `other` ("0,9999987" beside 1, "−0,0000092" beside 0), so a
// comparison written with both reads true.
QString shownApart(double value, double other);
// A given value inside a formula: negative ones in parentheses.
QString factor(double value);
// A value followed by its unit: "30°", "2 kg", "0,2".
QString withUnit(const QString &number, const QString &unit);

} // namespace solvers
