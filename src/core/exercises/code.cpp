#include "core/exercises/code.h"

#include "core/exercises/draw.h"

#include <QCoreApplication>

namespace exercises {

namespace {

struct Exercises {
    Q_DECLARE_TR_FUNCTIONS(Exercises)
};

// Seeds of the "cualquiera" draws, apart from those of the exercises
// themselves (below 4 000 000, exercise.cpp).
constexpr std::uint32_t AnyProblemSeed = 100'000'000;
constexpr std::uint32_t AnyCaseSeed = 200'000'000;

bool inRange(int number)
{
    return number >= 0 && number < NumbersPerCase;
}

// A part of a code: ASCII digits only, short enough for an int.
std::optional<int> codePart(const QString &text)
{
    const QString part = text.trimmed();
    if (part.isEmpty() || part.size() > 9)
        return std::nullopt;
    for (QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return part.toInt();
}

Code drawnCase(ProblemKind problem, int number, Draw &draw)
{
    const QList<CaseInfo> &all = cases(problem);
    return {problem, all.at(draw.between(0, int(all.size()) - 1)).number, number};
}

} // namespace

QString Code::text() const
{
    return QStringLiteral("%1-%2-%3").arg(int(problem)).arg(caseNumber).arg(number);
}

bool exists(const Code &code)
{
    return findCase(code.problem, code.caseNumber) && inRange(code.number);
}

std::optional<Code> parseCode(const QString &text)
{
    QString plain = text;
    for (const char16_t dash : {u'‐', u'‑', u'‒', u'–', u'—', u'−'})
        plain.replace(QChar(dash), QLatin1Char('-'));
    const QStringList parts = plain.split(QLatin1Char('-'));
    if (parts.size() != 3)
        return std::nullopt;
    const std::optional<int> problem = codePart(parts.at(0));
    const std::optional<int> kase = codePart(parts.at(1));
    const std::optional<int> number = codePart(parts.at(2));
    if (!problem || !kase || !number)
        return std::nullopt;
    const Code code{ProblemKind(*problem), *kase, *number};
    if (!exists(code))
        return std::nullopt;
    return code;
}

QString noSuchCodeMessage(const QString &typed)
{
    const QString code = typed.trimmed();
    const QString what = code.isEmpty() ? Exercises::tr("Escribe el código de un ejercicio.")
                                        : Exercises::tr("No hay ningún ejercicio con el código «%1».").arg(code);
    //: %1 is the largest number of an exercise.
    return what + QLatin1Char(' ') +
           Exercises::tr("Un código tiene tres números separados por guiones, como 2-4-4817: el problema (1, 2 o 3), "
                         "la pregunta y un número de 0 a %1.")
               .arg(NumbersPerCase - 1);
}

std::optional<Code> anyCaseCode(ProblemKind problem, int number)
{
    if (!problems().contains(problem) || !inRange(number))
        return std::nullopt;
    Draw draw(AnyCaseSeed + std::uint32_t(problem) * NumbersPerCase + std::uint32_t(number));
    return drawnCase(problem, number, draw);
}

std::optional<Code> anyCode(int number)
{
    if (!inRange(number))
        return std::nullopt;
    Draw draw(AnyProblemSeed + std::uint32_t(number));
    return drawnCase(problems().at(draw.between(0, int(problems().size()) - 1)), number, draw);
}

} // namespace exercises
