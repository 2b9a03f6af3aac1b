#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

// What the problem windows share: a press of "Resolver" hands the check marks
// and field texts to a pure case table, which answers with nothing, one
// message, or the texts of the unknown fields.
namespace solvers {

// Gravity in every formula of the problem windows, m/s².
inline constexpr double Gravity = 9.81;

// The check marks and texts of a problem window; index 0 is Check1/Text1.
struct Problem {
    QList<bool> checked;
    QStringList texts;
};

// One unknown written back into its field.
struct Answer {
    int field;
    QString text;

    bool operator==(const Answer &) const = default;
};

struct Outcome {
    // Shown in a message box; then nothing is written.
    std::optional<QString> message;
    // Written in this order, each with "#,##0.00".
    QList<Answer> answers;

    bool isNothing() const { return !message && answers.isEmpty(); }
};

// The given fields of a case, read in the order the case reads them.
struct Givens {
    // The message for the first field that did not hold a number.
    std::optional<QString> error;
    std::array<double, 5> value{};

    double operator[](int field) const { return value.at(field); }
};

Givens readGivens(const Problem &problem, const QStringList &captions, const QList<int> &fields);

// True when exactly the listed boxes are checked.
bool checkedExactly(const Problem &problem, const QList<int> &fields);

Outcome nothing();
Outcome message(const QString &text);
// Formats the results; a result that is not a finite number means the data
// have no solution, and then nothing is written.
Outcome answers(std::initializer_list<std::pair<int, double>> results);

// One row of a case table: the boxes that must be exactly the checked ones
// and the rule that answers from their values.
struct Case {
    using Rule = Outcome (*)(const Givens &given);

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
Outcome solveByTable(const Problem &problem, const QStringList &captions, const QList<Case> &table);

QString invalidNumberMessage(const QString &caption);
QString noSolutionMessage();

} // namespace solvers
