#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QTest>

using ui::WindowId;

// The window graph: one window visible at a time and every way out of the
// program. Values kept across visits, and closing a problem window, are
// checked with each problem window (support/problem_window_test); thousands
// of switches are the soak's.
class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }
    void init()
    {
        driver::resetProgram();
        ui::navigator().goTo(WindowId::Form1);
    }

    void continuarThenRegresarGivesTheMenu();
    void everyWayOutEndsTheProgram_data();
    void everyWayOutEndsTheProgram();

private:
    static QWidget *current() { return ui::navigator().current(); }
    static QString onlyVisible()
    {
        const QList<QWidget *> visible = driver::visibleWindows();
        return visible.size() == 1 ? visible.first()->objectName() : QStringLiteral("%1 windows").arg(visible.size());
    }
};

// Fault caught: a window left visible behind the next one, or a button
// leading elsewhere, on the way there or on a second round trip.
void TestNavigation::continuarThenRegresarGivesTheMenu()
{
    QCOMPARE(onlyVisible(), QStringLiteral("Form1"));
    driver::click(current(), "Command2");
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(onlyVisible(), QStringLiteral("Form7"));
        driver::click(current(), "Command1");
        QCOMPARE(onlyVisible(), QStringLiteral("Form8"));
        driver::click(current(), "Command2");
    }
    QCOMPARE(onlyVisible(), QStringLiteral("Form7"));
    QVERIFY(!driver::ended());
}

void TestNavigation::everyWayOutEndsTheProgram_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("salir");
    QTest::newRow("Salir on the start window") << QStringList{} << "Command1";
    QTest::newRow("Salir on the menu") << QStringList{"Command2"} << "Command4";
    QTest::newRow("closing the start window") << QStringList{} << "";
    QTest::newRow("closing the menu") << QStringList{"Command2"} << "";
}

void TestNavigation::everyWayOutEndsTheProgram()
{
    QFETCH(QStringList, path);
    QFETCH(QString, salir);
    for (const QString &button : path)
        driver::click(current(), qPrintable(button));
    QVERIFY(!driver::ended());
    if (salir.isEmpty())
        driver::closeWindow(current());
    else
        driver::click(current(), qPrintable(salir));
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
    // Nothing navigates after the end.
    ui::navigator().goTo(WindowId::Form7);
    QVERIFY(driver::visibleWindows().isEmpty());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
