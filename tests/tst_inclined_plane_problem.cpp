#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

// The inclined-plane problem window, driven as a student does: tick boxes,
// type values with the decimal comma, press "Resolver", read the fields.
class TestInclinedPlaneProblem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void solvesEachCase_data();
    void solvesEachCase();
    void startsEmptyOfChecksWithZeros();
    void unreadableNumberNamesTheField_data();
    void unreadableNumberNamesTheField();
    void otherBoxCountsDoNothing_data();
    void otherBoxCountsDoNothing();
    void failedCaseKeepsTheUnknownField();

private:
    // Fills the three fields (a, θ, μ), ticks the given boxes, presses
    // "Resolver" and returns the texts of Text1..Text3.
    QStringList solve(const QString &checks, const QStringList &texts);

    QWidget *m_form = nullptr;
};

void TestInclinedPlaneProblem::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
}

void TestInclinedPlaneProblem::init()
{
    driver::resetProgram();
    ui::navigator().goTo(ui::WindowId::Form8);
    m_form = ui::navigator().current();
}

QStringList TestInclinedPlaneProblem::solve(const QString &checks, const QStringList &texts)
{
    driver::type(m_form, "Text1", texts.at(0));
    driver::type(m_form, "Text2", texts.at(1));
    driver::type(m_form, "Text3", texts.at(2));
    driver::setChecked(m_form, "Check1", checks.contains(QLatin1Char('a')));
    driver::setChecked(m_form, "Check2", checks.contains(QLatin1Char('t')));
    driver::setChecked(m_form, "Check3", checks.contains(QLatin1Char('m')));
    driver::click(m_form, "Command1");
    return {driver::text(m_form, "Text1"), driver::text(m_form, "Text2"), driver::text(m_form, "Text3")};
}

void TestInclinedPlaneProblem::solvesEachCase_data()
{
    // checks: a = acceleration, t = angle, m = friction coefficient.
    QTest::addColumn<QString>("checks");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("message");

    const QString none;
    const QString angleRange = QStringLiteral("El Ángulo debe ser mayor a cero y menor a 90 grados");

    QTest::newRow("A: μ from a 2 and θ 30") << "at" << QStringList{"2", "30", "x"} << QStringList{"2", "30", "0,34"} << none;
    QTest::newRow("A: θ 0 has its own message") << "at" << QStringList{"2", "0", "7"} << QStringList{"2", "0", "7"}
                                               << "El Ángulo debe ser diferente de cero";
    QTest::newRow("A: θ 90 is out of range") << "at" << QStringList{"2", "90", "7"} << QStringList{"2", "90", "7"} << angleRange;
    QTest::newRow("A: negative θ is out of range") << "at" << QStringList{"2", "-5", "7"} << QStringList{"2", "-5", "7"} << angleRange;
    QTest::newRow("A: a at least 9.81 sin θ") << "at" << QStringList{"5", "30", "7"} << QStringList{"5", "30", "7"}
                                              << "9.81 por el seno del ángulo de inclinación debe ser mayor que la aceleración";
    QTest::newRow("A: given fields keep their typed form") << "at" << QStringList{" 2,0", "30,0", "7"}
                                                           << QStringList{" 2,0", "30,0", "0,34"} << none;

    QTest::newRow("B: only 28° within 0.1") << "am" << QStringList{"2,9", "x", "0,2"} << QStringList{"2,9", "28,00", "0,2"} << none;
    QTest::newRow("B: 84° to 87° match, the largest stays") << "am" << QStringList{"9,6", "x", "0,2"}
                                                           << QStringList{"9,6", "87,00", "0,2"} << none;
    QTest::newRow("B: no angle matches, nothing happens") << "am" << QStringList{"50", "x", "0,2"}
                                                         << QStringList{"50", "x", "0,2"} << none;

    QTest::newRow("C: a from θ 30 and μ 0.2") << "tm" << QStringList{"x", "30", "0,2"} << QStringList{"3,21", "30", "0,2"} << none;
    QTest::newRow("C: block would not slide") << "tm" << QStringList{"x", "10", "0,5"} << QStringList{"x", "10", "0,5"}
                                              << "El problema no tiene solución";
    QTest::newRow("C: 90° is accepted here") << "tm" << QStringList{"x", "90", "0,3"} << QStringList{"9,81", "90", "0,3"} << none;
    QTest::newRow("C: 0° is accepted here") << "tm" << QStringList{"x", "0", "0,3"} << QStringList{"x", "0", "0,3"}
                                            << "El problema no tiene solución";
    QTest::newRow("C: frictionless plane is refused") << "tm" << QStringList{"x", "30", "0"} << QStringList{"x", "30", "0"}
                                                     << "El coeficiente de fricción de ser mayor que cero";
    QTest::newRow("C: θ above 90") << "tm" << QStringList{"x", "91", "0,2"} << QStringList{"x", "91", "0,2"} << angleRange;
    QTest::newRow("C: huge μ has no finite answer") << "tm" << QStringList{"x", "0", "1e308"}
                                                    << QStringList{"x", "0", "1e308"} << "El problema no tiene solución";
    QTest::newRow("A: huge a gives no finite μ") << "at" << QStringList{"-1e308", "89,99", "7"}
                                                 << QStringList{"-1e308", "89,99", "7"} << "El problema no tiene solución";
}

void TestInclinedPlaneProblem::solvesEachCase()
{
    QFETCH(QString, checks);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);

    QCOMPARE(solve(checks, typed), shown);
    if (message.isEmpty())
        QVERIFY2(driver::messages().isEmpty(), qPrintable(driver::messages().join(QLatin1Char('|'))));
    else
        QCOMPARE(driver::messages(), QStringList{message});
}

void TestInclinedPlaneProblem::startsEmptyOfChecksWithZeros()
{
    for (const char *name : {"Check1", "Check2", "Check3"})
        QVERIFY(!driver::control<QCheckBox>(m_form, name)->isChecked());
    for (const char *name : {"Text1", "Text2", "Text3"})
        QCOMPARE(driver::text(m_form, name), QStringLiteral("0"));
}

void TestInclinedPlaneProblem::unreadableNumberNamesTheField_data()
{
    QTest::addColumn<QString>("checks");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("A: point instead of comma in a") << "at" << QStringList{"2.5", "30", "7"}
                                                   << "El valor de «Aceleración» no es un número válido.";
    QTest::newRow("A: a is read before θ") << "at" << QStringList{"", "abc", "7"}
                                          << "El valor de «Aceleración» no es un número válido.";
    QTest::newRow("B: empty μ") << "am" << QStringList{"2", "7", ""}
                               << "El valor de «Coeficiente de fricción» no es un número válido.";
    QTest::newRow("C: letters in θ") << "tm" << QStringList{"7", "treinta", "0,2"}
                                    << "El valor de «Ángulo» no es un número válido.";
    QTest::newRow("C: grouped number in θ") << "tm" << QStringList{"7", "1.000", "0,2"}
                                           << "El valor de «Ángulo» no es un número válido.";
}

void TestInclinedPlaneProblem::unreadableNumberNamesTheField()
{
    QFETCH(QString, checks);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QCOMPARE(solve(checks, typed), typed);
    QCOMPARE(driver::messages(), QStringList{message});
}

void TestInclinedPlaneProblem::otherBoxCountsDoNothing_data()
{
    QTest::addColumn<QString>("checks");
    QTest::newRow("no box") << "";
    QTest::newRow("only a") << "a";
    QTest::newRow("only θ") << "t";
    QTest::newRow("only μ") << "m";
    QTest::newRow("all three") << "atm";
}

void TestInclinedPlaneProblem::otherBoxCountsDoNothing()
{
    QFETCH(QString, checks);
    const QStringList typed{"2", "30", "0,2"};
    QCOMPARE(solve(checks, typed), typed);
    QVERIFY(driver::messages().isEmpty());
}

void TestInclinedPlaneProblem::failedCaseKeepsTheUnknownField()
{
    QCOMPARE(solve(QStringLiteral("tm"), {"x", "30", "0,2"}).at(0), QStringLiteral("3,21"));
    QCOMPARE(solve(QStringLiteral("tm"), {"3,21", "10", "0,5"}).at(0), QStringLiteral("3,21"));
    QCOMPARE(driver::messages(), QStringList{QStringLiteral("El problema no tiene solución")});
}

QTEST_MAIN(TestInclinedPlaneProblem)
#include "tst_inclined_plane_problem.moc"
