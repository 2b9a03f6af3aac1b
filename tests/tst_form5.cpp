#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
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
    }

    void layout();
    void continuarOpensTheSimulation();
    void salirEnds();
    void closingEnds();

private:
    QWidget *openForm5()
    {
        ui::navigator().goTo(ui::WindowId::Form5);
        return ui::navigator().current();
    }
};

void TestForm5::layout()
{
    QWidget *w = openForm5();
    QCOMPARE(w->windowTitle(), QStringLiteral("Máquina de Atwood"));
    QCOMPARE(w->size(), QSize(725, 533));
    QCOMPARE(driver::text(w, "Label2"), QStringLiteral("\"Máquina de Atwood\""));
    QCOMPARE(driver::text(w, "Command1"), QStringLiteral("Salir"));
    QCOMPARE(driver::text(w, "Command2"), QStringLiteral("Continuar"));
    QCOMPARE(driver::control<QPushButton>(w, "Command1")->nextInFocusChain(),
             driver::control<QPushButton>(w, "Command2"));

    // The title fits on its one line.
    auto *title = driver::control<QLabel>(w, "Label2");
    QVERIFY(title->fontMetrics().horizontalAdvance(title->text()) <= title->contentsRect().width());
    QVERIFY(title->fontMetrics().height() <= title->height());
}

// Fault caught: "Continuar" leading elsewhere, or leaving two windows up.
void TestForm5::continuarOpensTheSimulation()
{
    QWidget *w = openForm5();
    driver::click(w, "Command2");
    QWidget *simulation = ui::navigator().existing(ui::WindowId::Form6);
    QVERIFY(simulation);
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{simulation});
    QCOMPARE(simulation->windowTitle(), QStringLiteral("Máquina de Atwood."));
    QVERIFY(!driver::ended());
}

void TestForm5::salirEnds()
{
    QWidget *w = openForm5();
    driver::click(w, "Command1");
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
}

void TestForm5::closingEnds()
{
    QWidget *w = openForm5();
    driver::closeWindow(w);
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
}

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
