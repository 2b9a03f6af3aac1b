#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QTest>

// The title window in front of the horizontal-plane simulation.
class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void continuarOpensTheSimulationAlone();
    void salirEndsTheProgram();
};

void Form4Test::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
}

void Form4Test::continuarOpensTheSimulationAlone()
{
    driver::resetProgram();
    ui::navigator().goTo(ui::WindowId::Form4);
    driver::click(ui::navigator().current(), "Command2");
    QWidget *simulation = ui::navigator().existing(ui::WindowId::Form3);
    QVERIFY(simulation);
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{simulation});
    QVERIFY(!driver::ended());
}

void Form4Test::salirEndsTheProgram()
{
    driver::resetProgram();
    ui::navigator().goTo(ui::WindowId::Form4);
    driver::click(ui::navigator().current(), "Command1");
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
    QVERIFY(!ui::navigator().existing(ui::WindowId::Form3));
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
