#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using ui::WindowId;

// The window graph: one window visible at a time, values kept across visits,
// and every way out of the program.
class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startsOnTheStartWindow();
    void continueLeadsToTheMenuAndBackComesToTheMenu();
    void menuReachesTheInclinedPlaneProblem();
    void keepsFieldsAndChecksAcrossVisits();
    void goingBackAndForthKeepsOneWindowVisible();
    void salirEndsTheProgram_data();
    void salirEndsTheProgram();
    void closingAWindowEndsTheProgram_data();
    void closingAWindowEndsTheProgram();
    void windowsHaveTheirCaptionsAndSizes_data();
    void windowsHaveTheirCaptionsAndSizes();
    void startWindowFocusesContinuar();

private:
    QWidget *current() const { return ui::navigator().current(); }
    void verifyOnlyVisible(const char *name);
};

void TestNavigation::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
}

void TestNavigation::init()
{
    driver::resetProgram();
    ui::navigator().goTo(WindowId::Form1);
}

void TestNavigation::verifyOnlyVisible(const char *name)
{
    const QList<QWidget *> visible = driver::visibleWindows();
    QCOMPARE(visible.size(), 1);
    QCOMPARE(visible.first()->objectName(), QString::fromLatin1(name));
}

void TestNavigation::startsOnTheStartWindow()
{
    verifyOnlyVisible("Form1");
    QVERIFY(!ui::navigator().existing(WindowId::Form7));
}

void TestNavigation::continueLeadsToTheMenuAndBackComesToTheMenu()
{
    driver::click(current(), "Command2");
    verifyOnlyVisible("Form7");
    driver::click(current(), "Command1");
    verifyOnlyVisible("Form8");
    driver::click(current(), "Command2");
    verifyOnlyVisible("Form7");
}

void TestNavigation::menuReachesTheInclinedPlaneProblem()
{
    driver::click(current(), "Command2");
    driver::click(current(), "Command1");
    QCOMPARE(current()->windowTitle(), QStringLiteral("Cuestaval."));
}

void TestNavigation::keepsFieldsAndChecksAcrossVisits()
{
    driver::click(current(), "Command2");
    driver::click(current(), "Command1");
    QWidget *form8 = current();
    driver::type(form8, "Text2", QStringLiteral("30"));
    driver::setChecked(form8, "Check2", true);
    driver::click(form8, "Command2");
    driver::click(current(), "Command1");

    QCOMPARE(current(), form8);
    QCOMPARE(driver::text(form8, "Text2"), QStringLiteral("30"));
    QVERIFY(driver::control<QCheckBox>(form8, "Check2")->isChecked());
    QVERIFY(!driver::control<QCheckBox>(form8, "Check1")->isChecked());
}

void TestNavigation::goingBackAndForthKeepsOneWindowVisible()
{
    driver::click(current(), "Command2");
    for (int i = 0; i < 50; ++i) {
        driver::click(current(), "Command1");
        verifyOnlyVisible("Form8");
        driver::click(current(), "Command2");
        verifyOnlyVisible("Form7");
    }
    QVERIFY(!driver::ended());
}

void TestNavigation::salirEndsTheProgram_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("salir");
    QTest::newRow("start window") << QStringList{} << "Command1";
    QTest::newRow("menu") << QStringList{"Command2"} << "Command4";
}

void TestNavigation::salirEndsTheProgram()
{
    QFETCH(QStringList, path);
    QFETCH(QString, salir);
    for (const QString &button : path)
        driver::click(current(), qPrintable(button));
    QVERIFY(!driver::ended());
    driver::click(current(), qPrintable(salir));
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
}

void TestNavigation::closingAWindowEndsTheProgram_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::newRow("start window") << QStringList{};
    QTest::newRow("menu") << QStringList{"Command2"};
    QTest::newRow("inclined-plane problem, others loaded and hidden") << QStringList{"Command2", "Command1"};
}

void TestNavigation::closingAWindowEndsTheProgram()
{
    QFETCH(QStringList, path);
    for (const QString &button : path)
        driver::click(current(), qPrintable(button));
    driver::closeWindow(current());
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
    // Nothing navigates after the end.
    ui::navigator().goTo(WindowId::Form7);
    QVERIFY(driver::visibleWindows().isEmpty());
}

void TestNavigation::windowsHaveTheirCaptionsAndSizes_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("start") << WindowId::Form1 << "Ordovana." << QSize(725, 533);
    QTest::newRow("menu") << WindowId::Form7 << "Tramontel." << QSize(725, 546);
    QTest::newRow("inclined plane") << WindowId::Form8 << "Cuestaval." << QSize(725, 533);
}

void TestNavigation::windowsHaveTheirCaptionsAndSizes()
{
    QFETCH(WindowId, id);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    ui::FormBase *form = ui::navigator().window(id);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->size(), size);
    QVERIFY(!form->windowIcon().isNull());
}

void TestNavigation::startWindowFocusesContinuar()
{
    QWidget *form1 = current();
    QVERIFY(QTest::qWaitForWindowActive(form1));
    QCOMPARE(form1->focusWidget(), driver::control<QWidget>(form1, "Command2"));
    QCOMPARE(form1->focusWidget()->nextInFocusChain(), driver::control<QWidget>(form1, "Command1"));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
