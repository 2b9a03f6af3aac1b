#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QLabel>
#include <QtTest>

// The title window before the Atwood-machine simulation.
class TestForm5 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { driver::installSpanishTestEnvironment(); }
    void init()
    {
        driver::resetProgram();
        app::installWindows();
        ui::navigator().goTo(ui::WindowId::Form5);
    }

    void theTitleFits();
    void continuarOpensTheSimulationAlone();
    void salirAndTheCloseBoxEnd_data();
    void salirAndTheCloseBoxEnd();
};

// Fault caught: a title label too narrow for its one line, which wraps the
// title out of sight.
void TestForm5::theTitleFits()
{
    auto *title = driver::control<QLabel>(ui::navigator().current(), "Label2");
    QCOMPARE(title->text(), QStringLiteral("\"Máquina de Atwood\""));
    QVERIFY(title->fontMetrics().horizontalAdvance(title->text()) <= title->contentsRect().width());
    QVERIFY(title->fontMetrics().height() <= title->height());
}

// Fault caught: "Continuar" leading elsewhere, or leaving two windows up.
void TestForm5::continuarOpensTheSimulationAlone()
{
    driver::click(ui::navigator().current(), "Command2");
    QWidget *simulation = ui::navigator().existing(ui::WindowId::Form6);
    QVERIFY(simulation);
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{simulation});
    QVERIFY(!driver::ended());
}

// Fault caught: a way out that leaves the program running or a window up.
void TestForm5::salirAndTheCloseBoxEnd_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Salir") << false;
    QTest::newRow("the close box") << true;
}

void TestForm5::salirAndTheCloseBoxEnd()
{
    QFETCH(bool, closeBox);
    if (closeBox)
        driver::closeWindow(ui::navigator().current());
    else
        driver::click(ui::navigator().current(), "Command1");
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
}

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
