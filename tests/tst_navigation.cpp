#include "app/startup.h"
#include "app/windows.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/window_id.h"

#include <QTest>

using ui::WindowId;

// The window graph: one window visible at a time and every way out of the
// program. Values kept across visits are checked with each problem window
// (support/problem_window_test); thousands of switches are the soak's.
class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::setUpApplication(QLocale(QLocale::Spanish, QLocale::Spain));
        app::installWindows();
    }

    void stepsLeadToOneWindowOrTheEnd_data()
    {
        QTest::addColumn<WindowId>("from");
        // A button to click, "close" for the close box, or a key for the focused button.
        QTest::addColumn<QStringList>("steps");
        // The one window visible afterwards; empty when the program has ended.
        QTest::addColumn<QString>("shown");
        QTest::newRow("Continuar, then twice the inclined plane and Regresar")
            << WindowId::Form1 << QStringList{"Command2", "Command1", "Command2", "Command1", "Command2"} << "Form7";
        QTest::newRow("Salir on the start window") << WindowId::Form1 << QStringList{"Command1"} << "";
        QTest::newRow("closing the start window") << WindowId::Form1 << QStringList{"close"} << "";
        QTest::newRow("Salir on the menu") << WindowId::Form1 << QStringList{"Command2", "Command4"} << "";
        QTest::newRow("closing the menu") << WindowId::Form1 << QStringList{"Command2", "close"} << "";
        QTest::newRow("Ejercicios, Regresar and Ejercicios again")
            << WindowId::Form7 << QStringList{"Command5", "Command2", "Command5"} << "Form11";
        QTest::newRow("Ejercicios: the close box") << WindowId::Form11 << QStringList{"close"} << "";
        for (const auto &[id, name, simulation] : {std::tuple{WindowId::Form4, "Form4", "Form3"}, std::tuple{WindowId::Form5, "Form5", "Form6"}}) {
            QTest::addRow("%s: Continuar", name) << id << QStringList{"Command2"} << simulation;
            // The focus is on Continuar as the window opens, so the first key cannot end the program.
            for (const char *key : {"Space", "Return", "Enter"})
                QTest::addRow("%s: %s", name, key) << id << QStringList{key} << simulation;
            QTest::addRow("%s: Salir", name) << id << QStringList{"Command1"} << "";
            QTest::addRow("%s: the close box", name) << id << QStringList{"close"} << "";
        }
        for (const auto &[id, name, simulation] : {std::tuple{WindowId::Form8, "Form8", "Form2"},
                                                   std::tuple{WindowId::Form9, "Form9", "Form4"},
                                                   std::tuple{WindowId::Form10, "Form10", "Form5"}}) {
            QTest::addRow("%s: Simulación", name) << id << QStringList{"Command3"} << simulation;
            QTest::addRow("%s: the close box", name) << id << QStringList{"close"} << "";
        }
    }

    // Fault caught: a window left visible behind the next one, on the way there
    // or on a second round trip; a button or key leading elsewhere; Enter doing
    // nothing on a focused button; a way out that leaves the program running, a
    // window up, a simulation built on the way out, or navigation after the end.
    void stepsLeadToOneWindowOrTheEnd()
    {
        QFETCH(WindowId, from);
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        driver::resetProgram();
        ui::navigator().goTo(from);
        const QHash<QString, Qt::Key> keys{{"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}};
        for (const QString &step : steps) {
            QWidget *window = ui::navigator().current();
            QVERIFY(!driver::ended());
            if (step == u"close")
                driver::closeWindow(window);
            else if (keys.contains(step))
                QTest::keyClick(window->focusWidget(), keys[step], step == u"Enter" ? Qt::KeypadModifier : Qt::NoModifier);
            else
                driver::click(window, qPrintable(step));
        }
        QStringList visible;
        for (const QWidget *window : driver::visibleWindows())
            visible.append(window->objectName());
        QCOMPARE(visible, shown.isEmpty() ? QStringList() : QStringList{shown});
        QCOMPARE(driver::ended(), shown.isEmpty());
        if (shown.isEmpty()) {
            QVERIFY(!ui::navigator().existing(WindowId::Form3) && !ui::navigator().existing(WindowId::Form6));
            ui::navigator().goTo(WindowId::Form7);
            QVERIFY(driver::visibleWindows().isEmpty());
        }
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
