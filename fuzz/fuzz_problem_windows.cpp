// Feeds the problem windows' case tables with any check marks and any field
// texts, in es_ES or en_US, and checks what a press of "Resolver" may do:
// show exactly one message and write nothing, or write only unknown fields
// with texts that read back as finite numbers, or do nothing at all. The
// worked solution goes with it: a press that shows or writes anything has
// one; its results are the written texts, in order; a message comes with its
// condition and what to change; and no step shows "nan", "inf" or a
// negative zero.
//
// Input: byte 0 picks the window and the locale, byte 1 the check marks;
// the rest is the field texts, separated by '\n'.

#include "core/problems/atwood_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "core/problems/inclined_plane_cases.h"
#include "core/text/number_text.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <cstdint>
#include <cstdlib>
#include <cstdio>

namespace {

struct Window {
    const char *name;
    int fields;
    solvers::Outcome (*solve)(const solvers::Problem &);
};

const Window windows[] = {
    {"Form8", 3, &solvers::inclined::solve},
    {"Form9", 5, &solvers::horizontal::solve},
    {"Form10", 4, &solvers::atwood::solve},
};

[[noreturn]] void fail(const char *what, const Window &window, const solvers::Problem &problem)
{
    std::fprintf(stderr, "%s: %s\n", window.name, what);
    for (int i = 0; i < problem.texts.size(); ++i)
        std::fprintf(stderr, "  field %d [%c] \"%s\"\n", i + 1, problem.checked.at(i) ? 'x' : ' ',
                     problem.texts.at(i).toUtf8().constData());
    std::abort();
}

// A number the working must never show: "nan", "inf", "-0,00" (with either
// minus sign and either decimal separator).
bool showsABadNumber(const QString &text)
{
    static const QRegularExpression bad(QStringLiteral("\\b(nan|inf)\\b|(^|[^0-9])[-−]0([.,]0+)?([^0-9.,]|$)"),
                                        QRegularExpression::CaseInsensitiveOption);
    return bad.match(text).hasMatch();
}

void checkWorking(const Window &window, const solvers::Problem &problem, const solvers::Outcome &outcome)
{
    using Kind = solvers::Step::Kind;
    const solvers::Working &working = outcome.working;
    if ((outcome.message || !outcome.answers.isEmpty()) && working.isEmpty())
        fail("an outcome without its working", window, problem);
    QList<solvers::Answer> results;
    bool message = false, condition = false, advice = false;
    for (const solvers::Step &step : working) {
        if (step.text.isEmpty())
            fail("an empty step in the working", window, problem);
        if (showsABadNumber(solvers::plainText(step.text)))
            fail("a step that shows nan, inf or a negative zero", window, problem);
        if (step.kind == Kind::Result)
            results.append({step.field, step.value, outcome.answers.value(results.size()).value});
        message = message || (step.kind == Kind::Message && outcome.message && step.text == *outcome.message);
        condition = condition || step.kind == Kind::Condition;
        advice = advice || step.kind == Kind::Advice;
    }
    if (results != outcome.answers)
        fail("results of the working that differ from the written fields", window, problem);
    if (outcome.message && !(message && condition && advice))
        fail("a message without its condition and advice in the working", window, problem);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const Window &window = windows[(data[0] & 0x7F) % std::size(windows)];
    QLocale::setDefault(data[0] & 0x80 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                       : QLocale(QLocale::Spanish, QLocale::Spain));

    solvers::Problem problem;
    for (int i = 0; i < window.fields; ++i)
        problem.checked.append((data[1] >> i) & 1);
    const QStringList texts = QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2))
                                  .split(QLatin1Char('\n'));
    for (int i = 0; i < window.fields; ++i)
        problem.texts.append(texts.value(i));

    const solvers::Outcome outcome = window.solve(problem);
    checkWorking(window, problem, outcome);

    if (outcome.message) {
        if (!outcome.answers.isEmpty())
            fail("a message and written fields", window, problem);
        if (outcome.message->isEmpty())
            fail("an empty message", window, problem);
        return 0;
    }
    QSet<int> written;
    for (const solvers::Answer &answer : outcome.answers) {
        if (answer.field < 0 || answer.field >= window.fields)
            fail("a field that does not exist", window, problem);
        if (problem.checked.at(answer.field))
            fail("a given field was written", window, problem);
        if (written.contains(answer.field))
            fail("a field written twice", window, problem);
        written.insert(answer.field);
        // Results are shown grouped ("1.234,50"); without the group
        // separators they must read back as a finite number.
        QString plain = answer.text;
        plain.remove(QLocale().groupSeparator());
        const std::optional<double> back = core::parseNumber(plain);
        if (!back)
            fail("a result that does not read back as a number", window, problem);
    }
    return 0;
}
