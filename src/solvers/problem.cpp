#include "solvers/problem.h"

#include "ui/number_text.h"

#include <algorithm>
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

Givens readGivens(const Problem &problem, const QStringList &captions, std::initializer_list<int> fields)
{
    Givens givens;
    for (int field : fields) {
        const std::optional<double> number = ui::parseNumber(problem.texts.value(field));
        if (!number) {
            givens.error = invalidNumberMessage(captions.value(field));
            return givens;
        }
        givens.value.at(field) = *number;
    }
    return givens;
}

bool checkedExactly(const Problem &problem, std::initializer_list<int> fields)
{
    for (int i = 0; i < problem.checked.size(); ++i) {
        const bool wanted = std::find(fields.begin(), fields.end(), i) != fields.end();
        if (problem.checked.at(i) != wanted)
            return false;
    }
    return true;
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
        outcome.answers.append({field, ui::format2(value)});
    }
    return outcome;
}

} // namespace solvers
