#include "core/class_sets/class_set.h"

#include "core/problems/working.h"

#include <QCoreApplication>

#include <cmath>

namespace class_sets {

namespace {

struct ClassSets {
    Q_DECLARE_TR_FUNCTIONS(ClassSets)
};

using exercises::Code;

// Four decimals keep an answer far inside its margin (at least 0,01), and
// a margin within a hundredth of a percent of the practice window's.
constexpr int AnswerDecimals = 4;

} // namespace

int lastFirst(int count)
{
    return exercises::NumbersPerCase - count;
}

bool isValid(const Choice &choice)
{
    if (choice.count < 1 || choice.count > MaxStudents || choice.first < 0 || choice.first > lastFirst(choice.count))
        return false;
    if (choice.problem && !exercises::problems().contains(*choice.problem))
        return false;
    if (choice.caseNumber)
        return choice.problem && exercises::findCase(*choice.problem, *choice.caseNumber);
    return true;
}

QList<Code> codes(const Choice &choice)
{
    QList<Code> set;
    if (!isValid(choice))
        return set;
    for (int number = choice.first; number < choice.first + choice.count; ++number) {
        if (choice.caseNumber)
            set.append({*choice.problem, *choice.caseNumber, number});
        else if (choice.problem)
            set.append(*exercises::anyCaseCode(*choice.problem, number));
        else
            set.append(*exercises::anyCode(number));
    }
    return set;
}

QString problemLabel(const Choice &choice)
{
    return choice.problem ? exercises::problemName(*choice.problem) : ClassSets::tr("Cualquier problema");
}

QString questionLabel(const Choice &choice)
{
    if (choice.problem && choice.caseNumber) {
        if (const exercises::CaseInfo *kase = exercises::findCase(*choice.problem, *choice.caseNumber))
            return exercises::caseName(*kase);
    }
    return ClassSets::tr("Cualquier pregunta");
}

QList<Variant> variants(const QList<Code> &codes)
{
    QList<Variant> set;
    set.reserve(codes.size());
    for (const Code &code : codes) {
        const std::optional<exercises::Exercise> exercise = exercises::makeExercise(code);
        if (!exercise)
            continue;
        set.append({*exercise, exercises::statement(*exercise), exercises::answerFields(*exercise),
                    exercises::solveWithCaseTable(*exercise)});
    }
    return set;
}

QString answerNumber(double value, const QLocale &locale)
{
    const double scale = std::pow(10.0, AnswerDecimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0)
        rounded = 0; // never "-0"
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(rounded, 'f', AnswerDecimals);
    const QChar point = plain.decimalPoint().at(0);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(point))
        text.chop(1);
    return text;
}

QString answerLine(const Variant &variant, const exercises::Unknown &unknown)
{
    const exercises::ProblemKind problem = variant.exercise.problem();
    const QString unit = exercises::unit(problem, unknown.field);
    //: An answer of the key and how far a student's may stray: "a = 3,2086 m/s² (± 0,0321)".
    return ClassSets::tr("%1 = %2 (± %3)")
        .arg(exercises::symbol(problem, unknown.field),
             solvers::withUnit(answerNumber(unknown.exact), unit), answerNumber(unknown.tolerance));
}

} // namespace class_sets
