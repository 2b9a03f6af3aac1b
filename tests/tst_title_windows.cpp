#include "app/startup.h"
#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QLabel>
#include <QLocale>
#include <QTest>

using ui::WindowId;

// The two title windows, Form4 before the horizontal-plane simulation and
// Form5 before the Atwood machine: the same window with other words, so one
// table runs every check on both.
class TestTitleWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::setUpApplication(QLocale(QLocale::Spanish, QLocale::Spain));
        app::installWindows();
    }

    void theTitleFits_data();
    void theTitleFits();
    void continuarOpensTheSimulationAlone_data();
    void continuarOpensTheSimulationAlone();
    void salirAndTheCloseBoxEnd_data();
    void salirAndTheCloseBoxEnd();

private:
    static QWidget *open(WindowId id)
    {
        driver::resetProgram();
        ui::navigator().goTo(id);
        return ui::navigator().current();
    }
};

void TestTitleWindows::theTitleFits_data()
{
    QTest::addColumn<WindowId>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("Form4") << WindowId::Form4 << "\"Segunda Ley de Newton\"";
    QTest::newRow("Form5") << WindowId::Form5 << "\"Máquina de Atwood\"";
}

// Fault caught: a title label too narrow for its one line, which wraps the
// title out of sight.
void TestTitleWindows::theTitleFits()
{
    QFETCH(WindowId, window);
    QFETCH(QString, title);
    auto *label = driver::control<QLabel>(open(window), "Label2");
    QCOMPARE(label->text(), title);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    QVERIFY(label->fontMetrics().height() <= label->height());
}

void TestTitleWindows::continuarOpensTheSimulationAlone_data()
{
    QTest::addColumn<WindowId>("window");
    QTest::addColumn<int>("key");
    QTest::addColumn<WindowId>("simulation");
    for (const auto &[name, window, simulation] :
         {std::tuple{"Form4", WindowId::Form4, WindowId::Form3}, std::tuple{"Form5", WindowId::Form5, WindowId::Form6}}) {
        QTest::addRow("%s: a click", name) << window << 0 << simulation;
        QTest::addRow("%s: Space, the window just opened", name) << window << int(Qt::Key_Space) << simulation;
        QTest::addRow("%s: Return", name) << window << int(Qt::Key_Return) << simulation;
        QTest::addRow("%s: Enter", name) << window << int(Qt::Key_Enter) << simulation;
    }
}

// Fault caught: "Continuar" leading elsewhere or leaving two windows up; the
// focus on "Salir" when the window opens, so that the first key ends the
// program; Enter doing nothing on a focused button.
void TestTitleWindows::continuarOpensTheSimulationAlone()
{
    QFETCH(WindowId, window);
    QFETCH(int, key);
    QFETCH(WindowId, simulation);
    QWidget *title = open(window);
    if (key == 0) {
        driver::click(title, "Command2");
    } else {
        QWidget *focused = title->focusWidget();
        QVERIFY(focused);
        QTest::keyClick(focused, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    QWidget *opened = ui::navigator().existing(simulation);
    QVERIFY(opened);
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{opened});
    QVERIFY(!driver::ended());
}

void TestTitleWindows::salirAndTheCloseBoxEnd_data()
{
    QTest::addColumn<WindowId>("window");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Form4: Salir") << WindowId::Form4 << false;
    QTest::newRow("Form4: the close box") << WindowId::Form4 << true;
    QTest::newRow("Form5: Salir") << WindowId::Form5 << false;
    QTest::newRow("Form5: the close box") << WindowId::Form5 << true;
}

// Fault caught: a way out that leaves the program running, a window up, or
// the simulation built on the way out.
void TestTitleWindows::salirAndTheCloseBoxEnd()
{
    QFETCH(WindowId, window);
    QFETCH(bool, closeBox);
    QWidget *title = open(window);
    if (closeBox)
        driver::closeWindow(title);
    else
        driver::click(title, "Command1");
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
    QVERIFY(!ui::navigator().existing(window == WindowId::Form4 ? WindowId::Form3 : WindowId::Form6));
}

QTEST_MAIN(TestTitleWindows)
#include "tst_title_windows.moc"
