#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QWidget *openForm4()
{
    ui::navigator().goTo(ui::WindowId::Form4);
    return ui::navigator().current();
}

} // namespace

// The title window in front of the horizontal-plane simulation.
class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void showsTheTitleWithSalirFirst();
    void continuarOpensTheSimulation();
    void salirEndsTheProgram();
};

void Form4Test::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
}

void Form4Test::init()
{
    driver::resetProgram();
}

void Form4Test::showsTheTitleWithSalirFirst()
{
    QWidget *w = openForm4();
    QCOMPARE(w->windowTitle(), QStringLiteral("Segunda Ley de Newton."));
    QCOMPARE(driver::text(w, "Label2"), QStringLiteral("\"Segunda Ley de Newton\""));
    QCOMPARE(driver::control<QLabel>(w, "Label2")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(driver::text(w, "Command1"), QStringLiteral("Salir"));
    QCOMPARE(driver::text(w, "Command2"), QStringLiteral("Continuar"));
    auto *salir = driver::control<QPushButton>(w, "Command1");
    QCOMPARE(w->focusWidget(), salir);
    QCOMPARE(salir->nextInFocusChain(), driver::control<QWidget>(w, "Command2"));
}

void Form4Test::continuarOpensTheSimulation()
{
    QWidget *w = openForm4();
    driver::click(w, "Command2");
    QWidget *simulation = ui::navigator().existing(ui::WindowId::Form3);
    QVERIFY(simulation);
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{simulation});
    QCOMPARE(simulation->windowTitle(), QStringLiteral("Plano Horizontal."));
    QVERIFY(!driver::ended());
}

void Form4Test::salirEndsTheProgram()
{
    QWidget *w = openForm4();
    driver::click(w, "Command1");
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
    QVERIFY(!ui::navigator().existing(ui::WindowId::Form3));
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
