// The inclined-plane simulation window, driven as a user does: scroll bars,
// buttons and timer ticks; checked by its texts, enabled states and picture.

#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

QScrollBar *angleBar(QWidget *w) { return driver::control<QScrollBar>(w, "HScroll1"); }
QScrollBar *frictionBar(QWidget *w) { return driver::control<QScrollBar>(w, "HScroll2"); }
QTimer *timer(QWidget *w) { return driver::control<QTimer>(w, "Timer1"); }
QImage picture(QWidget *w) { return driver::control<ui::PictureBox>(w, "Picture1")->image(); }

// Text1 to Text5.
QStringList fields(QWidget *w)
{
    QStringList result;
    for (const char *field : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        result << driver::text(w, field);
    return result;
}

// What the user can use, and the timer while it runs: the window's state.
QString controls(QWidget *w)
{
    QStringList on;
    for (const char *name : {"HScroll1", "HScroll2", "Command1", "Command3"}) {
        if (driver::control<QWidget>(w, name)->isEnabled())
            on << QLatin1String(name);
    }
    if (timer(w)->isActive())
        on << QStringLiteral("Timer1 %1 ms").arg(timer(w)->interval());
    return on.join(QLatin1Char(' '));
}
const QString Loading = QStringLiteral("HScroll1 HScroll2 Command1 Timer1 360 ms");
const QString Idle = QStringLiteral("HScroll1 HScroll2 Command1");
const QString Armed = QStringLiteral("HScroll1 HScroll2 Command1 Command3 Timer1 100 ms");
const QString Running = QStringLiteral("Command3 Timer1 100 ms");

// One tick of the timer, only while it runs, as the event loop would send it.
void tick(QWidget *w)
{
    QVERIFY2(timer(w)->isActive(), "the timer is not running");
    QMetaObject::invokeMethod(timer(w), "timeout");
}

// The window on screen, by default after the first tick of its loading
// timer, which finds the plane level and stops.
QWidget *open(bool firstTick = true)
{
    ui::navigator().goTo(ui::WindowId::Form2);
    QWidget *w = ui::navigator().current();
    if (firstTick)
        tick(w);
    return w;
}

void set(QWidget *w, int angle, int friction)
{
    angleBar(w)->setValue(angle);
    frictionBar(w)->setValue(friction);
}

// Ticks until the timer stops; returns how many ticks moved the block.
int runToStop(QWidget *w)
{
    int advancing = 0;
    while (timer(w)->isActive() && advancing < 10000) {
        tick(w);
        if (timer(w)->isActive())
            ++advancing;
    }
    return advancing;
}

// Pixels of a colour inside a rectangle given as fractions of the picture.
int countIn(QWidget *w, QRectF fractions, ui::Rgb rgb)
{
    const QImage image = picture(w);
    const QRect area(int(fractions.left() * image.width()), int(fractions.top() * image.height()),
                     int(fractions.width() * image.width()), int(fractions.height() * image.height()));
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == rgb;
    }
    return n;
}

// Blue pixels on the left and bottom strips that hold the strobe marks.
int strobeMarks(QWidget *w)
{
    return countIn(w, QRectF(0.03, 0.04, 0.04, 0.92), ui::colour::blue)
        + countIn(w, QRectF(0.03, 0.93, 0.94, 0.04), ui::colour::blue);
}

} // namespace

class TestInclinedPlaneWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }
    void init() { driver::resetProgram(); }
    void cleanupTestCase() { driver::resetProgram(); }

    // Set and drawn while loading, before the window is ever shown, with a
    // precise timer; the distance label tall enough for its two lines.
    void atLoad()
    {
        QWidget *w = ui::navigator().window(ui::WindowId::Form2);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Cuestaval."));
        QCOMPARE(fields(w), (QStringList{"0", "0", "", "", ""}));
        QCOMPARE(controls(w), Loading);
        QCOMPARE(timer(w)->timerType(), Qt::PreciseTimer);
        QVERIFY(countIn(w, QRectF(0.85, 0.72, 0.1, 0.11), ui::colour::blue) > 50); // the block at rest
        auto *label5 = driver::control<QLabel>(w, "Label5");
        QVERIFY(label5->heightForWidth(label5->width()) <= label5->height());

        // The loading timer's first tick stops on a level plane (see open());
        // with the angle moved before it, the block slides at its 360 ms pace.
        open(false);
        angleBar(w)->setValue(30);
        tick(w);
        QCOMPARE(controls(w), QStringLiteral("Timer1 360 ms"));
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,01"));
    }

    // Both bars are horizontal and in the tab order, and keys move them as
    // on any horizontal scroll bar, right being more, by their small and
    // large changes.
    void keysMoveTheScrollBars()
    {
        QWidget *w = open();
        for (QScrollBar *bar : {angleBar(w), frictionBar(w)})
            QVERIFY(bar->orientation() == Qt::Horizontal && (bar->focusPolicy() & Qt::TabFocus));
        const std::tuple<QScrollBar *, Qt::Key, const char *, QString> presses[] = {
            {angleBar(w), Qt::Key_End, "Text1", "90"},
            {angleBar(w), Qt::Key_Left, "Text1", "89"},
            {angleBar(w), Qt::Key_PageDown, "Text1", "84"},
            {frictionBar(w), Qt::Key_Right, "Text2", "0,01"},
            {frictionBar(w), Qt::Key_PageUp, "Text2", "0,06"},
        };
        for (const auto &[bar, key, field, shown] : presses) {
            QTest::keyClick(bar, key);
            QCOMPARE(driver::text(w, field), shown);
        }
    }

    // Steps a user takes: "angle 30" and "μ 0.6" move the bars, "start"
    // clicks "Iniciar Movimiento", "run 45" ticks until the timer stops,
    // expecting that many to move the block. Then Text1 to Text5.
    void barsAndStartShow_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown");
        const auto row = [](const char *name, QStringList steps, QStringList shown) {
            QTest::newRow(name) << steps << shown;
        };
        row("30°, μ 0", {"angle 30"}, {"30", "0", "4,90", "", ""});
        row("45°, μ 0.25", {"angle 45", "μ 0.25"}, {"45", "0,25", "5,20", "", ""});
        row("1°, μ 0.005", {"angle 1", "μ 0.005"}, {"1", "0,005", "0,12", "", ""});
        row("90°, μ 1: falls whatever the friction", {"μ 1", "angle 90"}, {"90", "1", "9,80", "", ""});
        row("30°, μ 0.6: the friction bar says friction wins", {"angle 30", "μ 0.6"},
            {"30", "0,6", "Fricción mayor", "", ""});
        row("30°, μ 0.6: the angle bar says so too", {"μ 0.6", "angle 30"}, {"30", "0,6", "Fricción mayor", "", ""});
        // On the level only the angle bar shows "0", when nothing acts along
        // the plane; neither bar speaks while friction holds the block there.
        row("angle bar to a smooth level: 0", {"angle 10", "angle 0"}, {"0", "0", "0", "", ""});
        row("friction bar on the level keeps that 0", {"angle 10", "angle 0", "μ 0.5"}, {"0", "0,5", "0", "", ""});
        row("angle bar to the level while friction holds: text stays", {"μ 0.5", "angle 30", "angle 0"},
            {"0", "0,5", "0,66", "", ""});
        row("friction bar to a smooth level: text stays", {"μ 0.5", "angle 30", "angle 0", "μ 0"},
            {"0", "0", "0,66", "", ""});
        // A start with a ≤ 0 starts nothing, and says nothing on the level.
        row("start refused at 0°, μ 0: a is 0", {"start"}, {"0", "0", "", "", ""});
        row("start refused on the level with friction", {"μ 0.5", "start"}, {"0", "0,5", "", "", ""});
        row("start refused while friction holds at 30°", {"angle 30", "μ 0.6", "start"},
            {"30", "0,6", "Fricción mayor", "", ""});
        // A change between a start and its first tick moves the start to the
        // new values; friction raised until it holds the block keeps it still
        // instead of pushing it up the slope.
        row("armed, angle raised to 90°: runs from there", {"angle 30", "start", "angle 90", "run 45"},
            {"90", "0", "9,80", "0,45", "0,99"});
        row("armed, friction raised until it holds: no tick moves", {"angle 30", "μ 0.5", "start", "μ 0.6", "run 0"},
            {"30", "0,6", "Fricción mayor", "", ""});
    }
    void barsAndStartShow()
    {
        QFETCH(QStringList, steps);
        QWidget *w = open();
        for (const QString &step : steps) {
            const QString what = step.section(QLatin1Char(' '), 0, 0);
            const QString value = step.section(QLatin1Char(' '), 1);
            if (what == QLatin1String("angle"))
                angleBar(w)->setValue(value.toInt());
            else if (what == QStringLiteral("μ"))
                frictionBar(w)->setValue(qRound(value.toDouble() * 1000));
            else if (what == QLatin1String("start"))
                driver::click(w, "Command1");
            else
                QCOMPARE(runToStop(w), value.toInt());
        }
        QTEST(fields(w), "shown");
        QCOMPARE(controls(w), Idle);
        QVERIFY(driver::messages().isEmpty());
    }

    // A start, ten ticks, a stop and a new start run to the end: the states,
    // the texts, the strobe marks from the tenth tick on, which a new start
    // clears, and the block left in place by the stop.
    void startStopRestart()
    {
        QWidget *w = open();
        set(w, 30, 0);
        driver::click(w, "Command1");
        QCOMPARE(controls(w), Armed);
        for (int i = 0; i < 9; ++i)
            tick(w);
        QCOMPARE(controls(w), Running);
        QCOMPARE(strobeMarks(w), 0);
        tick(w);
        QCOMPARE(fields(w).mid(3), (QStringList{"0,10", "0,02"}));
        QVERIFY(strobeMarks(w) > 0);

        const QImage running = picture(w);
        driver::click(w, "Command3");
        QCOMPARE(controls(w), Idle);
        QCOMPARE(picture(w), running);

        // Again from the top at time 0; the texts wait for the first tick.
        driver::click(w, "Command1");
        QCOMPARE(strobeMarks(w), 0);
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,10"));
        QCOMPARE(runToStop(w), 64);
        QCOMPARE(fields(w), (QStringList{"30", "0", "4,90", "0,64", "1,00"}));
        QCOMPARE(controls(w), Idle);
    }

    // After a run and a scroll change nothing of the old block, its forces
    // or the strobe marks is left: the picture is that of a window sent
    // straight to the same values.
    void pictureAfterRunMatchesFreshWindow_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("friction");
        QTest::addColumn<int>("newAngle");
        QTest::addColumn<int>("newFriction");
        QTest::newRow("30°, μ 0 → 45°, μ 0.5: friction capped at C by the ticks") << 30 << 0 << 45 << 500;
        QTest::newRow("30°, μ 0 → 30°, μ 0.1") << 30 << 0 << 30 << 100;
        QTest::newRow("45°, μ 0.5 → 20°, μ 0.1") << 45 << 500 << 20 << 100;
        QTest::newRow("90°, μ 0.3 → 60°, μ 0.3: no caps along the wall") << 90 << 300 << 60 << 300;
        QTest::newRow("10°, μ 0 → 0°, μ 0.2") << 10 << 0 << 0 << 200;
    }
    void pictureAfterRunMatchesFreshWindow()
    {
        QFETCH(int, angle);
        QFETCH(int, friction);
        QFETCH(int, newAngle);
        QFETCH(int, newFriction);
        QWidget *w = open();
        set(w, angle, friction);
        driver::click(w, "Command1");
        QVERIFY(runToStop(w) > 10);
        QVERIFY(strobeMarks(w) > 0);
        set(w, newAngle, newFriction);
        const QImage afterRun = picture(w);

        driver::resetProgram();
        QWidget *fresh = open();
        set(fresh, newAngle, newFriction);
        QCOMPARE(afterRun, picture(fresh));
    }

    // "Regresar" stops a run and goes to the menu; back again, everything
    // is as it was left.
    void regresarDuringARun()
    {
        QWidget *w = open();
        set(w, 45, 100);
        driver::click(w, "Command1");
        tick(w);
        tick(w);
        driver::click(w, "Command2");
        QCOMPARE(controls(w), Idle);
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().existing(ui::WindowId::Form7)});
        QVERIFY(!driver::ended());
        ui::navigator().goTo(ui::WindowId::Form2);
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{w});
        QCOMPARE(fields(w), (QStringList{"45", "0,1", "6,24", "0,02", "0,00"}));
    }

    void closingStopsTheTimerAndEnds()
    {
        QWidget *w = open();
        set(w, 30, 0);
        driver::click(w, "Command1");
        tick(w);
        driver::closeWindow(w);
        QVERIFY(!timer(w)->isActive());
        QVERIFY(driver::ended());
        QVERIFY(driver::visibleWindows().isEmpty());
    }
};

QTEST_MAIN(TestInclinedPlaneWindow)
#include "tst_inclined_plane_window.moc"
