// The inclined-plane simulation window, driven as a user does: scroll bars,
// buttons and timer ticks; checked by its texts, enabled states and picture.

#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

QScrollBar *angleBar(QWidget *w) { return driver::control<QScrollBar>(w, "HScroll1"); }
QScrollBar *frictionBar(QWidget *w) { return driver::control<QScrollBar>(w, "HScroll2"); }
QTimer *timer(QWidget *w) { return driver::control<QTimer>(w, "Timer1"); }
ui::PictureBox *picture(QWidget *w) { return driver::control<ui::PictureBox>(w, "Picture1"); }
bool enabled(QWidget *w, const char *name) { return driver::control<QWidget>(w, name)->isEnabled(); }

QWidget *openForm2()
{
    ui::navigator().goTo(ui::WindowId::Form2);
    return ui::navigator().current();
}

// One tick of the timer, only while it runs, as the event loop would send it.
void tick(QWidget *w)
{
    QVERIFY2(timer(w)->isActive(), "the timer is not running");
    QMetaObject::invokeMethod(timer(w), "timeout");
}

// The window after its first tick at 360 ms, which finds the plane level and
// stops the timer.
QWidget *openIdle()
{
    QWidget *w = openForm2();
    tick(w);
    return w;
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

void set(QWidget *w, int angle, int friction)
{
    angleBar(w)->setValue(angle);
    frictionBar(w)->setValue(friction);
}

// Picture pixel at a point given as fractions of the picture's width and
// height; also looks one pixel around it, since lines are 2 pixels wide.
bool colourNear(QWidget *w, double fx, double fy, ui::Rgb rgb)
{
    const QImage image = picture(w)->image();
    const int cx = int(fx * image.width());
    const int cy = int(fy * image.height());
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if ((image.pixel(cx + dx, cy + dy) & 0xFFFFFF) == rgb)
                return true;
        }
    }
    return false;
}

// Pixels of a colour inside a rectangle given as fractions of the picture.
int countIn(QWidget *w, QRectF fractions, ui::Rgb rgb)
{
    const QImage image = picture(w)->image();
    const QRect area(int(fractions.left() * image.width()), int(fractions.top() * image.height()),
                     int(fractions.width() * image.width()), int(fractions.height() * image.height()));
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == rgb)
                ++n;
        }
    }
    return n;
}

const QRectF LeftStrip(0.03, 0.04, 0.04, 0.92);
const QRectF BottomStrip(0.03, 0.93, 0.94, 0.04);

// Where two pictures differ, for the failure message.
QString difference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    int n = 0;
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++n;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    if (n == 0)
        return {};
    return QStringLiteral("%1 pixels differ within (%2, %3) %4 × %5")
        .arg(n).arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height());
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

    void atLoad()
    {
        // Drawn while loading, before the window is ever shown.
        QWidget *w = ui::navigator().window(ui::WindowId::Form2);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Cuestaval."));
        QCOMPARE(driver::text(w, "Text1"), QStringLiteral("0"));
        QCOMPARE(driver::text(w, "Text2"), QStringLiteral("0"));
        QCOMPARE(driver::text(w, "Text3"), QString());
        QCOMPARE(driver::text(w, "Text4"), QString());
        QCOMPARE(driver::text(w, "Text5"), QString());
        QVERIFY(enabled(w, "HScroll1") && enabled(w, "HScroll2") && enabled(w, "Command1"));
        QVERIFY(!enabled(w, "Command3"));
        QVERIFY(timer(w)->isActive());
        QCOMPARE(timer(w)->interval(), 360);
        QCOMPARE(timer(w)->timerType(), Qt::PreciseTimer);

        // The block lying on the ground at the right, its weight below and
        // the normal force above, and the title at the top.
        QVERIFY(colourNear(w, 0.90, 0.825, ui::colour::blue));
        QVERIFY(colourNear(w, 0.85, 0.775, ui::colour::blue));
        QVERIFY(colourNear(w, 0.90, 0.86, ui::colour::red));
        QVERIFY(colourNear(w, 0.90, 0.70, ui::colour::green));
        QVERIFY(colourNear(w, 0.50, 0.85, ui::colour::black));
        QVERIFY(countIn(w, QRectF(0.35, 0.05, 0.3, 0.06), ui::colour::black) > 50);
        QCOMPARE(countIn(w, QRectF(0, 0, 1, 1), ui::colour::yellow), 0);
    }

    void scrollBarRanges()
    {
        QWidget *w = openForm2();
        QCOMPARE(angleBar(w)->orientation(), Qt::Horizontal);
        QCOMPARE(angleBar(w)->maximum(), 90);
        QCOMPARE(angleBar(w)->singleStep(), 1);
        QCOMPARE(angleBar(w)->pageStep(), 5);
        QCOMPARE(frictionBar(w)->maximum(), 1000);
        QCOMPARE(frictionBar(w)->singleStep(), 10);
        QCOMPARE(frictionBar(w)->pageStep(), 50);

        // They are in the tab order, and keys move them as on any
        // horizontal scroll bar: right is more.
        QVERIFY(angleBar(w)->focusPolicy() & Qt::TabFocus);
        QVERIFY(frictionBar(w)->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(angleBar(w), Qt::Key_End);
        QCOMPARE(driver::text(w, "Text1"), QStringLiteral("90"));
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("9,80"));
        QTest::keyClick(angleBar(w), Qt::Key_Left);
        QCOMPARE(driver::text(w, "Text1"), QStringLiteral("89"));
        QTest::keyClick(frictionBar(w), Qt::Key_Right);
        QCOMPARE(driver::text(w, "Text2"), QStringLiteral("0,01"));
        QTest::keyClick(frictionBar(w), Qt::Key_PageUp);
        QCOMPARE(driver::text(w, "Text2"), QStringLiteral("0,06"));
    }

    // The first tick at 360 ms finds the plane level and stops the timer
    // without drawing anything.
    void firstTickAtLoadStops()
    {
        QWidget *w = openForm2();
        const QImage before = picture(w)->image();
        tick(w);
        QVERIFY(!timer(w)->isActive());
        QCOMPARE(difference(picture(w)->image(), before), QString());
        QVERIFY(enabled(w, "Command1") && !enabled(w, "Command3"));
        QCOMPARE(driver::text(w, "Text4"), QString());
    }

    // Moved before that first tick, the block slides at the 360 ms pace.
    void angleMovedBeforeTheFirstTick()
    {
        QWidget *w = openForm2();
        angleBar(w)->setValue(30);
        tick(w);
        QVERIFY(timer(w)->isActive());
        QCOMPARE(timer(w)->interval(), 360);
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,01"));
        QVERIFY(!enabled(w, "Command1") && !enabled(w, "HScroll1"));
    }

    void texts_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("friction");
        QTest::addColumn<bool>("frictionFirst");
        QTest::addColumn<QString>("angleText");
        QTest::addColumn<QString>("frictionText");
        QTest::addColumn<QString>("acceleration");
        QTest::newRow("30°, μ 0") << 30 << 0 << false << "30" << "0" << "4,90";
        QTest::newRow("30°, μ 0.5 after the angle") << 30 << 500 << false << "30" << "0,5" << "0,66";
        QTest::newRow("30°, μ 0.6: friction bar says so") << 30 << 600 << false << "30" << "0,6" << "Fricción mayor";
        QTest::newRow("30°, μ 0.6: angle bar says so") << 30 << 600 << true << "30" << "0,6" << "Fricción mayor";
        QTest::newRow("45°, μ 0.25") << 45 << 250 << false << "45" << "0,25" << "5,20";
        QTest::newRow("90°, μ 1") << 90 << 1000 << true << "90" << "1" << "9,80";
        QTest::newRow("1°, μ 0.005") << 1 << 5 << false << "1" << "0,005" << "0,12";
        QTest::newRow("89°, μ 1") << 89 << 1000 << true << "89" << "1" << "9,63";
    }
    void texts()
    {
        QFETCH(int, angle);
        QFETCH(int, friction);
        QFETCH(bool, frictionFirst);
        QWidget *w = openIdle();
        if (frictionFirst) {
            frictionBar(w)->setValue(friction);
            angleBar(w)->setValue(angle);
        } else {
            set(w, angle, friction);
        }
        QTEST(driver::text(w, "Text1"), "angleText");
        QTEST(driver::text(w, "Text2"), "frictionText");
        QTEST(driver::text(w, "Text3"), "acceleration");
    }

    // The angle bar shows "0" when nothing acts along a level plane; the
    // friction bar never does, and neither speaks while friction holds the
    // block on the level.
    void levelPlaneTexts()
    {
        QWidget *w = openIdle();
        angleBar(w)->setValue(10);
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("1,70"));
        angleBar(w)->setValue(0);
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0"));
        frictionBar(w)->setValue(500);
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0"));

        angleBar(w)->setValue(30);
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,66"));
        QTest::keyClick(angleBar(w), Qt::Key_Home);
        QCOMPARE(driver::text(w, "Text1"), QStringLiteral("0"));
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,66"));
        frictionBar(w)->setValue(0);
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,66"));
        angleBar(w)->setValue(1);
        angleBar(w)->setValue(0);
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0"));
    }

    void startRefusedWhileFrictionHolds_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("friction");
        QTest::addColumn<QString>("acceleration");
        QTest::newRow("0°, μ 0") << 0 << 0 << "0";
        QTest::newRow("0°, μ 0.5") << 0 << 500 << "0";
        QTest::newRow("30°, μ 0.6") << 30 << 600 << "Fricción mayor";
    }
    void startRefusedWhileFrictionHolds()
    {
        QFETCH(int, angle);
        QFETCH(int, friction);
        QWidget *w = openIdle();
        angleBar(w)->setValue(5);
        angleBar(w)->setValue(0);
        set(w, angle, friction);
        const QImage before = picture(w)->image();
        driver::click(w, "Command1");
        QVERIFY(!timer(w)->isActive());
        QVERIFY(!enabled(w, "Command3"));
        QTEST(driver::text(w, "Text3"), "acceleration");
        QVERIFY(driver::messages().isEmpty());
        QCOMPARE(difference(picture(w)->image(), before), QString());
    }

    void startStopRestart()
    {
        QWidget *w = openIdle();
        set(w, 30, 0);

        driver::click(w, "Command1");
        // Armed: the timer runs at 100 ms, nothing else is locked yet.
        QVERIFY(timer(w)->isActive());
        QCOMPARE(timer(w)->interval(), 100);
        QVERIFY(enabled(w, "Command1") && enabled(w, "Command3"));
        QVERIFY(enabled(w, "HScroll1") && enabled(w, "HScroll2"));
        QCOMPARE(driver::text(w, "Text4"), QString());

        tick(w);
        // Running.
        QVERIFY(!enabled(w, "Command1") && enabled(w, "Command3"));
        QVERIFY(!enabled(w, "HScroll1") && !enabled(w, "HScroll2"));
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,01"));
        for (int i = 0; i < 9; ++i)
            tick(w);
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,10"));
        QCOMPARE(driver::text(w, "Text5"), QStringLiteral("0,02"));

        const QImage running = picture(w)->image();
        driver::click(w, "Command3");
        // Idle, the block left where it was.
        QVERIFY(!timer(w)->isActive());
        QVERIFY(enabled(w, "Command1") && !enabled(w, "Command3"));
        QVERIFY(enabled(w, "HScroll1") && enabled(w, "HScroll2"));
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,10"));
        QCOMPARE(difference(picture(w)->image(), running), QString());

        // A new start begins at the top at time 0; the texts wait for the
        // first tick.
        driver::click(w, "Command1");
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,10"));
        tick(w);
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,01"));
        QCOMPARE(driver::text(w, "Text5"), QStringLiteral("0,00"));
    }

    void fullRun_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("friction");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("distance");
        QTest::newRow("30°, μ 0") << 30 << 0 << 64 << "0,64" << "1,00";
        QTest::newRow("45°, μ 0.5") << 45 << 500 << 76 << "0,76" << "1,00";
        QTest::newRow("90°, μ 0.3") << 90 << 300 << 45 << "0,45" << "0,99";
    }
    void fullRun()
    {
        QFETCH(int, angle);
        QFETCH(int, friction);
        QWidget *w = openIdle();
        set(w, angle, friction);
        driver::click(w, "Command1");
        QTEST(runToStop(w), "ticks");
        QTEST(driver::text(w, "Text4"), "time");
        QTEST(driver::text(w, "Text5"), "distance");
        QVERIFY(enabled(w, "Command1") && !enabled(w, "Command3"));
        QVERIFY(enabled(w, "HScroll1") && enabled(w, "HScroll2"));
        // The block is drawn at the foot of the slope.
        QVERIFY(countIn(w, QRectF(0.05, 0.6, 0.3, 0.3), ui::colour::blue) > 50);
    }

    void strobeMarks()
    {
        QWidget *w = openIdle();
        set(w, 30, 0);
        driver::click(w, "Command1");
        for (int i = 0; i < 9; ++i)
            tick(w);
        QCOMPARE(countIn(w, LeftStrip, ui::colour::blue), 0);
        QCOMPARE(countIn(w, BottomStrip, ui::colour::blue), 0);
        tick(w);
        const int left = countIn(w, LeftStrip, ui::colour::blue);
        const int bottom = countIn(w, BottomStrip, ui::colour::blue);
        QVERIFY(left > 0);
        QVERIFY(bottom > 0);
        for (int i = 0; i < 10; ++i)
            tick(w);
        QVERIFY(countIn(w, LeftStrip, ui::colour::blue) > left);
        QVERIFY(countIn(w, BottomStrip, ui::colour::blue) > bottom);

        // A new start clears them.
        driver::click(w, "Command3");
        driver::click(w, "Command1");
        QCOMPARE(countIn(w, LeftStrip, ui::colour::blue), 0);
        QCOMPARE(countIn(w, BottomStrip, ui::colour::blue), 0);
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
        QTest::newRow("30°, μ 0 → 45°, μ 0.5") << 30 << 0 << 45 << 500;
        QTest::newRow("30°, μ 0 → 30°, μ 0.1") << 30 << 0 << 30 << 100;
        QTest::newRow("45°, μ 0.5 → 20°, μ 0.1") << 45 << 500 << 20 << 100;
        QTest::newRow("90°, μ 0.3 → 60°, μ 0.3") << 90 << 300 << 60 << 300;
        QTest::newRow("10°, μ 0 → 0°, μ 0.2") << 10 << 0 << 0 << 200;
    }
    void pictureAfterRunMatchesFreshWindow()
    {
        QFETCH(int, angle);
        QFETCH(int, friction);
        QFETCH(int, newAngle);
        QFETCH(int, newFriction);

        QWidget *w = openIdle();
        set(w, angle, friction);
        driver::click(w, "Command1");
        QVERIFY(runToStop(w) > 10);
        QVERIFY(countIn(w, LeftStrip, ui::colour::blue) > 0);
        set(w, newAngle, newFriction);
        const QImage afterRun = picture(w)->image();

        driver::resetProgram();
        QWidget *fresh = openIdle();
        set(fresh, newAngle, newFriction);
        QCOMPARE(difference(afterRun, picture(fresh)->image()), QString());
    }

    // Raised while armed, friction that holds the block keeps it where it
    // is: the tick stops instead of pushing it up the slope.
    void frictionRaisedBeforeTheFirstTick()
    {
        QWidget *w = openIdle();
        set(w, 30, 500);
        driver::click(w, "Command1");
        frictionBar(w)->setValue(600);
        QCOMPARE(driver::text(w, "Text3"), QStringLiteral("Fricción mayor"));
        const QImage held = picture(w)->image();
        tick(w);
        QVERIFY(!timer(w)->isActive());
        QCOMPARE(driver::text(w, "Text4"), QString());
        QVERIFY(enabled(w, "Command1") && !enabled(w, "Command3"));
        QCOMPARE(difference(picture(w)->image(), held), QString());
    }

    // A scroll change while armed moves the start to the new values.
    void angleChangedBeforeTheFirstTick()
    {
        QWidget *w = openIdle();
        set(w, 30, 0);
        driver::click(w, "Command1");
        angleBar(w)->setValue(90);
        QCOMPARE(runToStop(w), 45);
        QCOMPARE(driver::text(w, "Text5"), QStringLiteral("0,99"));
    }

    void regresarDuringARun()
    {
        QWidget *w = openIdle();
        set(w, 45, 100);
        driver::click(w, "Command1");
        tick(w);
        tick(w);
        driver::click(w, "Command2");
        QVERIFY(!timer(w)->isActive());
        QVERIFY(enabled(w, "Command1") && !enabled(w, "Command3"));
        QVERIFY(enabled(w, "HScroll1") && enabled(w, "HScroll2"));
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().existing(ui::WindowId::Form7)});
        QVERIFY(!driver::ended());

        // Back again through the menu and the problem window's
        // "Simulación", everything is as it was left.
        driver::click(ui::navigator().current(), "Command1");
        QWidget *problem = ui::navigator().existing(ui::WindowId::Form8);
        QCOMPARE(driver::text(problem, "Command3"), QStringLiteral("Simulación"));
        driver::click(problem, "Command3");
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{w});
        QCOMPARE(driver::text(w, "Text1"), QStringLiteral("45"));
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,02"));
        QVERIFY(!timer(w)->isActive());
    }

    void closingStopsTheTimerAndEnds()
    {
        QWidget *w = openIdle();
        set(w, 30, 0);
        driver::click(w, "Command1");
        tick(w);
        driver::closeWindow(w);
        QVERIFY(!timer(w)->isActive());
        QVERIFY(driver::ended());
        QVERIFY(driver::visibleWindows().isEmpty());
    }

    // With the real timer: 45 ticks of 100 ms and the one that stops.
    void runTakesItsTime()
    {
        QWidget *w = openIdle();
        set(w, 90, 300);
        QElapsedTimer clock;
        clock.start();
        driver::click(w, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(!timer(w)->isActive(), 15000);
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,45"));
        QVERIFY2(elapsed >= 4550 && elapsed < 7000, qPrintable(QString::number(elapsed)));
    }
};

QTEST_MAIN(TestInclinedPlaneWindow)
#include "tst_inclined_plane_window.moc"
