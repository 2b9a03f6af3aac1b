#pragma once

#include "core/constants.h"
#include "core/problems/working.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>

// What the problem windows share: a press of "Resolver" hands the check marks
// and field texts to a pure case table, which answers with nothing, one
// message, or the texts of the unknown fields.
namespace solvers {

// Gravity in every formula of the problem windows, m/s².
inline constexpr double Gravity = constants::ProblemGravity;

// The check marks and texts of a problem window; index 0 is Check1/Text1.
struct Problem {
    QList<bool> checked;
    QStringList texts;
};

// One unknown written back into its field.
struct Answer {
    int field;
    QString text;     // as the field shows it, "#,##0.00"
    double value = 0; // the result itself, before the text rounds it

    bool operator==(const Answer &) const = default;
};

struct Outcome {
    // Shown in a message box; then nothing is written.
    std::optional<QString> message;
    // Written in this order, each with "#,##0.00".
    QList<Answer> answers;
    // How the answers come out, or why the case stopped; empty when the
    // checked boxes name no case.
    Working working;
    // The values of the given fields, as the case read them; also after a
    // message about them.
    QList<std::pair<int, double>> givens;
    // A given field refused for the other decimal separator ("0.2" in
    // Spanish): the number as it must be typed here, "0,2".
    std::optional<QString> retype;

    bool isNothing() const { return !message && answers.isEmpty(); }
    bool solved() const { return !message && !answers.isEmpty(); }
    // After a press that solved: the number a field holds as the student
    // reads it, a given value as typed or an answer as written, rounded as
    // its text; 0 for a field the case neither reads nor writes.
    double shown(int field) const;
};

// The given fields of a case, read in the order the case reads them.
struct Givens {
    // The message for the first field that did not hold a number.
    std::optional<QString> error;
    int badField = -1;
    std::array<double, 5> value{};

    double operator[](int field) const { return value.at(field); }
};

Givens readGivens(const Problem &problem, const QStringList &captions, const QList<int> &fields);

// True when exactly the listed boxes are checked.
bool checkedExactly(const Problem &problem, const QList<int> &fields);

Outcome nothing();

// A quantity of a problem as the working names it.
struct Quantity {
    QString symbol;  // "m₁", "θ"
    QString unit;    // "kg", "°", "" for μ
    QString meaning; // "masa del bloque sobre la mesa"
};

class Work;

// What the working of every case of one problem starts from.
struct Sheet {
    QStringList captions;
    QList<Quantity> quantities; // in field order
    // Newton's second law for each body and the system of equations.
    void (*laws)(Work &work);
};

// Writes the working of one case while the case computes, and turns it into
// the case's outcome: the answers with their working, or the message with
// the condition that failed.
class Work
{
public:
    // How much of the problem the case got to read.
    enum class Reading {
        Values,      // the given values
        PatternOnly, // which quantities are given, not their values
        Unreadable,  // a given field that does not hold a number
    };

    // Starts with the title, then the data and the laws of the problem
    // unless a field could not be read.
    Work(const Sheet &sheet, const QList<int> &given, const Givens &values, Reading reading = Reading::Values);

    void section(const QString &title);
    void say(const QString &sentence);
    void formula(const QString &line);
    // The unknown isolated in symbols, then the values substituted and the
    // value as the field shows it; the value is also the field's answer.
    void solveFor(int field, const QString &isolated, const QString &substituted, double value);

    const Quantity &quantity(int field) const { return m_sheet.quantities.at(field); }
    // The value of a given field, when the case read it.
    std::optional<double> value(int field) const;
    // A value with the unit of the field's quantity, as the fields show it.
    QString shown(int field, double value) const;

    // Every solveFor so far, written in that order or in the order of the
    // fields given; a value that is not a finite number ends the case with
    // the no-solution message instead.
    Outcome answer(const QList<int> &writeOrder = {});
    // The message of the next fail() names a fault that is not the one
    // found (it says "must be at least zero" of a value too large): the
    // working says so, and says what does fail.
    Work &misleading(const QString &realFault);
    // The case stops with this message: the condition that failed in
    // symbols, in words, and what the student can change.
    Outcome fail(const QString &message, const QString &condition, const QString &words, const QString &change);
    // The case ends with no message and nothing written.
    Outcome nothingFound(const QString &condition, const QString &words, const QString &change);

private:
    void add(Step::Kind kind, const QString &text);

    const Sheet &m_sheet;
    QList<int> m_given;
    Givens m_values;
    bool m_valuesRead;
    QString m_realFault;
    Working m_steps;
    QList<std::pair<int, double>> m_givens;
    QList<std::pair<int, double>> m_results;
    bool m_overflow = false;
};

// One row of a case table: the boxes that must be exactly the checked ones
// and the rule that answers from their values.
struct Case {
    using Rule = Outcome (*)(const Givens &given, Work &work);

    QList<int> given;
    Rule rule;
    // A case that answers from the pattern alone reads no field, so no
    // field text can stop it.
    bool readsFields = true;
};

// Runs the first case whose boxes are exactly the checked ones: reads its
// given fields in the listed order (the first one that is not a number ends
// the press with its message), then applies its rule. When no case matches,
// the press does nothing.
Outcome solveByTable(const Problem &problem, const Sheet &sheet, const QList<Case> &table);

QString invalidNumberMessage(const QString &caption);
// The hint of a press that ticked other than `boxes` boxes: "Marca dos
// casillas: las magnitudes que conoces".
QString ticksHint(int boxes);
// The hint after a number refused for its decimal separator: "Escribe 0,2".
QString retypeHint(const QString &meant);
QString noSolutionMessage();

} // namespace solvers
