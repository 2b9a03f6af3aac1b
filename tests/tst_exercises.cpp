#include "app/startup.h"
#include "core/text/language.h"
#include "core/text/number_text.h"
#include "core/exercises/code.h"
#include "core/exercises/exercise.h"
#include "core/exercises/statement.h"
#include "core/problems/inclined_plane_cases.h"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace exercises;

Q_DECLARE_METATYPE(exercises::Code)

namespace {

const QLocale Spanish(QLocale::Spanish, QLocale::Spain);

Exercise exerciseOf(const QString &code)
{
    const std::optional<Code> parsed = parseCode(code);
    return parsed ? makeExercise(*parsed).value_or(Exercise{}) : Exercise{};
}

// a = g·(sin θ − μ·cos θ) with θ in degrees.
double inclinedAcceleration(double degrees, double mu)
{
    const double theta = degrees * std::numbers::pi / 180;
    return solvers::Gravity * (std::sin(theta) - mu * std::cos(theta));
}

// A value as a textbook states it: whole degrees, masses with one decimal,
// the rest with two.
int statedDecimals(const QString &unit)
{
    return unit == u"°" ? 0 : unit == u"kg" ? 1 : 2;
}

bool hasDecimals(double value, int decimals)
{
    const double scaled = value * std::pow(10.0, decimals);
    return std::fabs(scaled - std::round(scaled)) < 1e-9;
}

// Classroom ranges, and far from degenerate: every block clearly slides.
bool classroomValue(const QString &unit, double value)
{
    if (unit == u"°")
        return value >= 5 && value <= 85;
    if (unit == u"kg")
        return value >= 0.4 && value <= 10.5;
    if (unit.isEmpty())
        return value >= 0.04 && value <= 0.8;
    if (unit == u"m/s²")
        return value >= 0.5 && value < solvers::Gravity;
    return value >= 1 && value <= 200;
}

void addEveryCaseRow()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("kase");
    for (ProblemKind problem : problems()) {
        for (const CaseInfo &kase : cases(problem))
            QTest::addRow("%d-%d %s", int(problem), kase.number, qPrintable(caseName(kase))) << int(problem)
                                                                                            << kase.number;
    }
}

} // namespace

// The generator of the practice and the class sets: codes, data, exact
// answers, the case tables agreeing with them, and the hints.
class TestExercises : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(Spanish);
        app::setLanguage(QStringLiteral("es"));
    }

    void cleanup()
    {
        QLocale::setDefault(Spanish);
        app::setLanguage(QStringLiteral("es"));
    }

    // Hand-checked numbers. Faults caught: a code giving other data on another
    // computer or after a change to the drawing, and a wrong closed form.
    void pinnedCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<double>>("given");   // in field order
        QTest::addColumn<QList<double>>("answers"); // in field order
        QTest::newRow("1-1-4817 μ") << "1-1-4817" << QList<double>{5.03, 41} << QList<double>{0.1898968};
        QTest::newRow("1-2-2024 θ") << "1-2-2024" << QList<double>{2.23, 0.4} << QList<double>{33.9859141};
        QTest::newRow("1-3-0 a") << "1-3-0" << QList<double>{15, 0.14} << QList<double>{1.2124123};
        QTest::newRow("2-4-4817 m₂ a") << "2-4-4817" << QList<double>{5.7, 0.32, 34.49}
                                       << QList<double>{4.9997660, 2.9116772};
        QTest::newRow("2-10-9999 m₁ m₂") << "2-10-9999" << QList<double>{0.1, 4.57, 38.28}
                                         << QList<double>{6.8960548, 7.3053435};
        QTest::newRow("3-2-7 m₂ T") << "3-2-7" << QList<double>{7.2, 2.69} << QList<double>{4.10112, 51.264};
        QTest::newRow("3-6-17 m₁ m₂") << "3-6-17" << QList<double>{5.13, 46.32}
                                      << QList<double>{9.8974359, 3.1004016};
    }

    void pinnedCodes()
    {
        QFETCH(QString, code);
        QFETCH(QList<double>, given);
        QFETCH(QList<double>, answers);
        const Exercise exercise = exerciseOf(code);
        QCOMPARE(exercise.code.text(), code);
        QCOMPARE(exercise.given.size(), given.size());
        for (int i = 0; i < given.size(); ++i)
            QCOMPARE(exercise.values[exercise.given[i]], given[i]);
        QCOMPARE(exercise.unknowns.size(), answers.size());
        for (int i = 0; i < answers.size(); ++i)
            QVERIFY2(std::fabs(exercise.unknowns[i].exact - answers[i]) < 1e-6, qPrintable(QString::number(i)));
    }

    // Every code of every case. Faults caught: data a case table refuses or
    // answers otherwise, data not stated as a textbook states them, a
    // degenerate exercise, a hint that could fire for a right answer, a code
    // that does not read back.
    void everyCode_data() { addEveryCaseRow(); }

    void everyCode()
    {
        QFETCH(int, problem);
        QFETCH(int, kase);
        const ProblemKind kind = ProblemKind(problem);
        const CaseInfo &info = *findCase(kind, kase);
        for (int number = 0; number < NumbersPerCase; ++number) {
            const Code code{kind, kase, number};
            const Exercise exercise = makeExercise(code).value();
            const QByteArray where = code.text().toUtf8();
            QVERIFY2(parseCode(code.text()) == code, where);
            QCOMPARE(exercise.given, info.given);

            for (int field = 0; field < fieldCount(kind); ++field) {
                const QString &u = unit(kind, field);
                QVERIFY2(classroomValue(u, exercise.values[field]), where);
                if (info.given.contains(field))
                    QVERIFY2(hasDecimals(exercise.values[field], statedDecimals(u)), where);
            }

            const solvers::Outcome table = solveWithCaseTable(exercise);
            QVERIFY2(!table.message && table.answers.size() == info.unknowns.size(), where);
            for (const solvers::Answer &answer : table.answers) {
                const int at = int(info.unknowns.indexOf(answer.field));
                QVERIFY2(at >= 0, where);
                const Unknown &unknown = exercise.unknowns[at];
                const double shown = core::parseNumber(answer.text).value();
                if (isAngle(kind, unknown.field)) {
                    // The table's whole degree meets its own rule and is the
                    // exact angle rounded; the exact angle meets the law.
                    const double a = exercise.values[solvers::inclined::Acceleration];
                    const double mu = exercise.values[solvers::inclined::Friction];
                    QVERIFY2(std::fabs(a - inclinedAcceleration(shown, mu)) < 0.1, where);
                    QVERIFY2(shown == std::round(unknown.exact), where);
                    QVERIFY2(std::fabs(a - inclinedAcceleration(unknown.exact, mu)) < 1e-9, where);
                } else {
                    // Two decimals, and the windows' π of 3.14159.
                    QVERIFY2(std::fabs(shown - unknown.exact) <= 0.005 + 1e-4, where);
                }

                QVERIFY(judge(unknown, unknown.exact).right);
                for (const MistakeValue &mistake : unknown.mistakes) {
                    QVERIFY2(std::fabs(mistake.value - unknown.exact) > unknown.tolerance, where);
                    const Verdict verdict = judge(unknown, mistake.value);
                    QVERIFY2(!verdict.right && verdict.mistake, where);
                }
            }
        }
    }

    // Faults caught: numbers drawn or written through the language's locale,
    // data written otherwise than the worked solution writes them, texts left
    // in Spanish.
    void sameNumbersInEveryLanguage()
    {
        const QList<int> numbers{0, 1, 17, 512, 4817, 9999};
        QList<Exercise> spanish;
        QStringList spanishTexts;
        for (const QString &language : core::programLanguages()) {
            app::setLanguage(language);
            QLocale::setDefault(core::numberLocaleFor(language, Spanish));
            int at = 0;
            for (ProblemKind problem : problems()) {
                for (const CaseInfo &kase : cases(problem)) {
                    for (int number : numbers) {
                        const Exercise exercise = makeExercise({problem, kase.number, number}).value();
                        const Statement words = statement(exercise);
                        const QByteArray where = (language + u' ' + exercise.code.text()).toUtf8();
                        if (language == u"es") {
                            spanish.append(exercise);
                            spanishTexts.append(words.text());
                        } else {
                            QVERIFY2(exercise.values == spanish[at].values, where);
                            QVERIFY2(words.text() != spanishTexts[at], where);
                        }
                        const solvers::Outcome table = solveWithCaseTable(exercise);
                        QVERIFY2(!table.message && !table.answers.isEmpty(), where);
                        for (const QString &item : words.data) {
                            const bool inWorking = std::any_of(table.working.cbegin(), table.working.cend(),
                                                               [&item](const solvers::Step &step) {
                                                                   return step.text.startsWith(item + u' ');
                                                               });
                            QVERIFY2(inWorking, qPrintable(where + ": " + item));
                        }
                        ++at;
                    }
                }
            }
        }
    }

    // Values as a student types them (two decimals, whole degrees). Faults
    // caught: a wrong model behind a hint, a right answer rejected at the
    // edge of its tolerance, a hint for a value no mistake gives.
    void verdicts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("unknown");
        QTest::addColumn<double>("typed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("mistake"); // -1: none
        const auto row = [](const char *name, const char *code, int unknown, double typed, bool right,
                            int mistake = -1) {
            QTest::newRow(name) << QString::fromLatin1(code) << unknown << typed << right << mistake;
        };
        // 1-3-0: θ = 15°, μ = 0,14, a = 1,2124.
        row("a rounded", "1-3-0", 0, 1.21, true);
        row("a 0.99 % high", "1-3-0", 0, 1.2124 * 1.0099, true);
        row("a 1.3 % high, no mistake", "1-3-0", 0, 1.2124 * 1.013, false);
        row("a = g·sen θ", "1-3-0", 0, 2.54, false, int(Mistake::FrictionLeftOut));
        row("a = g·(cos θ − μ·sen θ)", "1-3-0", 0, 9.12, false, int(Mistake::SineAndCosineSwapped));
        row("a = g·(sen θ + μ·cos θ)", "1-3-0", 0, 3.87, false, int(Mistake::FrictionAdded));
        row("a = g·(sen θ − μ)", "1-3-0", 0, 1.17, false, int(Mistake::NormalTakenAsWeight));
        row("a with 15 rad", "1-3-0", 0, 7.42, false, int(Mistake::AngleInRadians));
        // 1-2-2024: a = 2,23, μ = 0,4, θ = 33,99°.
        row("θ whole degrees", "1-2-2024", 0, 34, true);
        row("θ 0.6° off", "1-2-2024", 0, 34.6, false);
        row("θ in radians", "1-2-2024", 0, 0.59, false, int(Mistake::AngleInRadians));
        row("θ = arcsen(a/g)", "1-2-2024", 0, 13, false, int(Mistake::FrictionLeftOut));
        // 2-4-4817: m₁ = 5,7 kg, μ = 0,32, T = 34,49 N; m₂ = 5,00 kg, a = 2,91.
        row("m₂ without friction", "2-4-4817", 0, 9.18, false, int(Mistake::FrictionLeftOut));
        row("m₂ with fr = μ·m₂·g", "2-4-4817", 0, 5.21, false, int(Mistake::FrictionOnHangingBlock));
        row("m₂ = T/g", "2-4-4817", 0, 3.52, false, int(Mistake::TensionTakenAsWeight));
        row("m₂ with friction added", "2-4-4817", 0, 55.64, false, int(Mistake::FrictionAdded));
        // 2-6-8: m₁ = 6,5 kg, μ = 0,28, a = 4,54; m₂ = 8,99 kg, T = 47,36 N.
        row("m₂ = m₁·(a + μ·g)/g", "2-6-8", 0, 4.83, false, int(Mistake::OneMassLeftOut));
        // 3-6-17: a = 5,13, T = 46,32 N; m₁ = 9,90 kg, m₂ = 3,10 kg.
        row("m₁ = T/(g + a)", "3-6-17", 0, 3.10, false, int(Mistake::MassesSwapped));
        row("m₁ from (m₁ − m₂)·g = m₁·a", "3-6-17", 0, 6.50, false, int(Mistake::OneMassLeftOut));
        row("m₁ = T/g", "3-6-17", 0, 4.72, false, int(Mistake::TensionTakenAsWeight));
        row("m₁ from T = (m₁ − m₂)·g", "3-6-17", 0, 6.88, false, int(Mistake::TensionTakenAsNetForce));
        row("m₁ from T = m₂·(g − a)", "3-6-17", 0, 31.60, false, int(Mistake::SignOfAcceleration));
        row("m₂ rounded", "3-6-17", 1, 3.10, true);
    }

    void verdicts()
    {
        QFETCH(QString, code);
        QFETCH(int, unknown);
        QFETCH(double, typed);
        QFETCH(bool, right);
        QFETCH(int, mistake);
        const Verdict verdict = judge(exerciseOf(code).unknowns.value(unknown), typed);
        QCOMPARE(verdict.right, right);
        QCOMPARE(verdict.mistake ? int(*verdict.mistake) : -1, mistake);
        if (verdict.mistake)
            QVERIFY(!hint(exerciseOf(code).problem(), *verdict.mistake).isEmpty());
    }

    // Faults caught: a code that reads as another exercise, the left-out
    // case or a number out of range accepted, dashes a word processor puts
    // refused.
    void codes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code"); // empty: no such code
        QTest::newRow("plain") << "2-4-4817" << "2-4-4817";
        QTest::newRow("blanks and en dashes") << " 2 – 4 – 4817 " << "2-4-4817";
        QTest::newRow("leading zeros") << "2-04-0017" << "2-4-17";
        QTest::newRow("last number") << "3-6-9999" << "3-6-9999";
        QTest::newRow("case 7 of the table is not asked") << "2-7-1" << "";
        QTest::newRow("no problem 4") << "4-1-1" << "";
        QTest::newRow("number too large") << "1-1-10000" << "";
        QTest::newRow("negative number") << "1-1--5" << "";
        QTest::newRow("two parts") << "1-1" << "";
        QTest::newRow("letters") << "1-a-2" << "";
        QTest::newRow("other digits") << "١-١-١" << "";
        QTest::newRow("huge") << "1-1-99999999999999999999" << "";
    }

    void codes()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        const std::optional<Code> parsed = parseCode(text);
        QCOMPARE(parsed ? parsed->text() : QString(), code);
        QCOMPARE(makeExercise(parsed.value_or(Code{ProblemKind(2), 7, 1})).has_value(), !code.isEmpty());
    }

    // The "cualquiera" choices. Faults caught: a draw that never reaches a
    // problem or a case, one that favours a problem, numbers out of range.
    void anyChoice()
    {
        QHash<QString, int> drawn;
        int perProblem[3] = {};
        for (int number = 0; number < NumbersPerCase; ++number) {
            const Code code = anyCode(number).value();
            QCOMPARE(code.number, number);
            QVERIFY(exists(code));
            ++perProblem[int(code.problem) - 1];
            ++drawn[code.text().section(u'-', 0, 1)];
            QCOMPARE(anyCaseCode(code.problem, number)->problem, code.problem);
        }
        QCOMPARE(drawn.size(), 18);
        for (int count : perProblem)
            QVERIFY2(count > 3000 && count < 3700, qPrintable(QString::number(count)));
        QVERIFY(!anyCode(NumbersPerCase));
        QVERIFY(!anyCode(-1));
        QVERIFY(!anyCaseCode(ProblemKind(4), 0));
    }
};

QTEST_GUILESS_MAIN(TestExercises)
#include "tst_exercises.moc"
