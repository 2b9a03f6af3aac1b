#include "solvers/problem.h"

#include "core/number_text.h"

#include <cmath>

namespace solvers {

QString invalidNumberMessage(const QString &caption)
{
    return QStringLiteral("El valor de «%1» no es un número válido.").arg(caption);
}

QString noSolutionMessage()
{
    return QStringLiteral("El problema no tiene solución");
}

Givens readGivens(const Problem &problem, const QStringList &captions, const QList<int> &fields)
{
    Givens givens;
    for (int field : fields) {
        const std::optional<double> number = core::parseNumber(problem.texts.value(field));
        if (!number) {
            givens.error = invalidNumberMessage(captions.value(field));
            return givens;
        }
        givens.value.at(field) = *number;
    }
    return givens;
}

bool checkedExactly(const Problem &problem, const QList<int> &fields)
{
    for (int i = 0; i < problem.checked.size(); ++i) {
        if (problem.checked.at(i) != fields.contains(i))
            return false;
    }
    return true;
}

Outcome solveByTable(const Problem &problem, const QStringList &captions, const QList<Case> &table)
{
    for (const Case &row : table) {
        if (!checkedExactly(problem, row.given))
            continue;
        if (!row.readsFields)
            return row.rule(Givens{});
        const Givens given = readGivens(problem, captions, row.given);
        if (given.error)
            return message(*given.error);
        return row.rule(given);
    }
    return nothing();
}

Outcome nothing()
{
    return {};
}

Outcome message(const QString &text)
{
    Outcome outcome;
    outcome.message = text;
    return outcome;
}

Outcome answers(std::initializer_list<std::pair<int, double>> results)
{
    Outcome outcome;
    for (const auto &[field, value] : results) {
        if (!std::isfinite(value))
            return message(noSolutionMessage());
        outcome.answers.append({field, core::format2(value)});
    }
    return outcome;
}

} // namespace solvers
