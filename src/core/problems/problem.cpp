#include "core/problems/problem.h"

#include "core/text/number_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace solvers {

QString invalidNumberMessage(const QString &caption)
{
    return QCoreApplication::translate("Problem", "El valor de «%1» no es un número válido.").arg(caption);
}

QString ticksHint(int boxes)
{
    //: The blue note of a problem window after "Resolver" with too few or too many boxes ticked
    return boxes == 3 ? QCoreApplication::translate("Problem", "Marca tres casillas: las magnitudes que conoces")
                      : QCoreApplication::translate("Problem", "Marca dos casillas: las magnitudes que conoces");
}

QString retypeHint(const QString &meant)
{
    //: Added to the blue note after a number typed with the other decimal separator; %1 is it as it must be typed
    return QCoreApplication::translate("Problem", "Escribe %1").arg(meant);
}

QString noSolutionMessage()
{
    return QCoreApplication::translate("Problem", "El problema no tiene solución");
}

Givens readGivens(const Problem &problem, const QStringList &captions, const QList<int> &fields)
{
    Givens givens;
    for (int field : fields) {
        const std::optional<double> number = core::parseNumber(problem.texts.value(field));
        if (!number) {
            givens.error = invalidNumberMessage(captions.value(field));
            givens.badField = field;
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

namespace {

QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    //: The last two items of a list of symbols: "m₁, m₂ y μ".
    return QCoreApplication::translate("Problem", "%1 y %2")
        .arg(QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")), items.last());
}

// A field that does not hold a number stops the case before any law is used.
Outcome notANumber(const Sheet &sheet, const QList<int> &given, int field, const QString &text)
{
    Givens none;
    Work work(sheet, given, none, Work::Reading::Unreadable);
    const QString example = core::formatShortest(0.25);
    return work.fail(text,
                     QCoreApplication::translate("Problem", "%1 no es un número")
                         .arg(sheet.quantities.at(field).symbol),
                     QCoreApplication::translate("Problem", "El campo «%1» no contiene un número que se pueda leer.")
                         .arg(sheet.captions.at(field)),
                     QCoreApplication::translate(
                         "Problem", "Escribe solo el número, con coma decimal y sin unidades: por ejemplo 2 o %1.")
                         .arg(example));
}

} // namespace

Outcome solveByTable(const Problem &problem, const Sheet &sheet, const QList<Case> &table)
{
    for (const Case &row : table) {
        if (!checkedExactly(problem, row.given))
            continue;
        const Givens given = readGivens(problem, sheet.captions, row.given);
        // The window answers such a case from the pattern alone; its working
        // still checks the values when they can be read.
        if (!row.readsFields) {
            Work work(sheet, row.given, given, given.error ? Work::Reading::PatternOnly : Work::Reading::Values);
            return row.rule(given, work);
        }
        if (given.error) {
            Outcome refused = notANumber(sheet, row.given, given.badField, *given.error);
            refused.retype = core::withLocaleDecimal(problem.texts.value(given.badField));
            return refused;
        }
        Work work(sheet, row.given, given);
        return row.rule(given, work);
    }
    return nothing();
}

Outcome nothing()
{
    return {};
}

double Outcome::shown(int field) const
{
    for (const Answer &answer : answers) {
        if (answer.field == field)
            return core::roundedAsShown(answer.value, 2);
    }
    for (const auto &[given, value] : givens) {
        if (given == field)
            return value;
    }
    return 0;
}

Work::Work(const Sheet &sheet, const QList<int> &given, const Givens &values, Reading reading)
    : m_sheet(sheet)
    , m_given(given)
    , m_values(values)
    , m_valuesRead(reading == Reading::Values)
{
    QStringList known, sought;
    for (int field = 0; field < sheet.quantities.size(); ++field)
        (given.contains(field) ? known : sought).append(sheet.quantities.at(field).symbol);
    //: %1 lists the given symbols, %2 the sought ones ("m₁, m₂ y μ").
    const QString several = QCoreApplication::translate("Problem", "Se conocen %1; se buscan %2.");
    //: %1 lists the given symbols, %2 is the one sought.
    const QString one = QCoreApplication::translate("Problem", "Se conocen %1; se busca %2.");
    add(Step::Kind::Title, (sought.size() > 1 ? several : one).arg(listed(known), listed(sought)));
    if (reading == Reading::Unreadable)
        return;
    for (int field : reading == Reading::Values ? given : QList<int>{})
        m_givens.append({field, values[field]});
    //: Heading of the worked solution: the given values.
    section(QCoreApplication::translate("Problem", "Datos"));
    if (reading == Reading::PatternOnly)
        say(QCoreApplication::translate(
            "Problem", "En este caso no hace falta leer los valores: basta con saber qué datos se conocen."));
    for (int field : reading == Reading::Values ? given : QList<int>{}) {
        const Quantity &q = sheet.quantities.at(field);
        say(QStringLiteral("%1 = %2 (%3)").arg(q.symbol, withUnit(givenNumber(values[field]), q.unit), q.meaning));
    }
    say(QCoreApplication::translate("Problem", "g = %1 (aceleración de la gravedad)")
            .arg(withUnit(givenNumber(Gravity), QStringLiteral("m/s²"))));
    section(QCoreApplication::translate("Problem", "Segunda ley de Newton"));
    sheet.laws(*this);
}

std::optional<double> Work::value(int field) const
{
    if (!m_valuesRead || !m_given.contains(field))
        return std::nullopt;
    return m_values[field];
}

Work &Work::misleading(const QString &realFault)
{
    m_realFault = realFault;
    return *this;
}

void Work::add(Step::Kind kind, const QString &text)
{
    m_steps.append({kind, text, -1, {}});
}

void Work::section(const QString &title)
{
    add(Step::Kind::Section, title);
}

void Work::say(const QString &sentence)
{
    add(Step::Kind::Sentence, sentence);
}

void Work::formula(const QString &line)
{
    add(Step::Kind::Formula, line);
}

QString Work::shown(int field, double value) const
{
    return withUnit(shownNumber(value), quantity(field).unit);
}

void Work::solveFor(int field, const QString &isolated, const QString &substituted, double value)
{
    const QString &symbol = quantity(field).symbol;
    formula(QStringLiteral("%1 = %2").arg(symbol, isolated));
    // After a value that overflowed, the lines that would use it say nothing.
    m_overflow = m_overflow || !std::isfinite(value);
    if (!m_overflow) {
        // "=" only where the two decimals are the whole value.
        const bool exact = core::parseNumber(core::format2(value)) == value;
        formula(QStringLiteral("%1 = %2 %3 %4")
                    .arg(symbol, substituted, exact ? QStringLiteral("=") : QStringLiteral("≈"),
                         shown(field, value)));
    }
    m_results.append({field, value});
}

Outcome Work::answer(const QList<int> &writeOrder)
{
    if (!writeOrder.isEmpty()) {
        std::stable_sort(m_results.begin(), m_results.end(), [&writeOrder](const auto &x, const auto &y) {
            return writeOrder.indexOf(x.first) < writeOrder.indexOf(y.first);
        });
    }
    for (const auto &[field, value] : std::as_const(m_results)) {
        if (!std::isfinite(value))
            return fail(noSolutionMessage(), QStringLiteral("%1 = ∞").arg(quantity(field).symbol),
                        QCoreApplication::translate(
                            "Problem", "Con estos datos el resultado es tan grande que no cabe en ningún número."),
                        QCoreApplication::translate("Problem", "Escribe datos de un tamaño razonable."));
    }
    Outcome outcome;
    outcome.givens = m_givens;
    section(QCoreApplication::translate("Problem", "Resultados"));
    for (const auto &[field, value] : std::as_const(m_results)) {
        const QString text = core::format2(value);
        outcome.answers.append({field, text, value});
        m_steps.append({Step::Kind::Result, QStringLiteral("%1 = %2").arg(quantity(field).symbol, shown(field, value)),
                        field, text});
    }
    outcome.working = m_steps;
    return outcome;
}

Outcome Work::fail(const QString &message, const QString &condition, const QString &words, const QString &change)
{
    Outcome outcome = nothingFound(condition, words, change);
    const qsizetype at = outcome.working.size() - 3;
    outcome.working.insert(at, {Step::Kind::Message, message, -1, {}});
    if (!m_realFault.isEmpty())
        outcome.working.insert(
            at + 1, {Step::Kind::Sentence,
                     QCoreApplication::translate("Problem", "Ese mensaje no describe lo que falla: %1.").arg(m_realFault),
                     -1,
                     {}});
    outcome.message = message;
    return outcome;
}

Outcome Work::nothingFound(const QString &condition, const QString &words, const QString &change)
{
    section(QCoreApplication::translate("Problem", "Por qué no hay resultado"));
    add(Step::Kind::Condition, condition);
    say(words);
    add(Step::Kind::Advice, change);
    Outcome outcome;
    outcome.working = m_steps;
    outcome.givens = m_givens;
    return outcome;
}

} // namespace solvers
