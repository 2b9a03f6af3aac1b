#include "app/windows.h"
#include "simulations/horizontal_plane/form3.h"
#include "support/gui_driver.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

using Step = QPair<QString, int>; // scroll bar name and the Value it is moved to
using Steps = QList<Step>;

QWidget *openForm3()
{
    ui::navigator().goTo(ui::WindowId::Form3);
    return ui::navigator().current();
}

QTimer *timer(QWidget *window)
{
    return driver::control<QTimer>(window, "Timer1");
}

QImage picture(QWidget *window)
{
    return driver::control<ui::PictureBox>(window, "Picture1")->image();
}

bool isEnabled(QWidget *window, const char *name)
{
    return driver::control<QWidget>(window, name)->isEnabled();
}

void scroll(QWidget *window, const QString &name, int value)
{
    driver::control<QScrollBar>(window, qPrintable(name))->setValue(value);
}

void scroll(QWidget *window, const Steps &steps)
{
    for (const Step &step : steps)
        scroll(window, step.first, step.second);
}

// One tick of Timer1, as the timer gives it.
void tick(QWidget *window)
{
    QVERIFY(QMetaObject::invokeMethod(timer(window), "timeout"));
}

// Ticks until the window stops its timer; returns the number of ticks,
// the stopping one included.
int runToTheEnd(QWidget *window)
{
    int ticks = 0;
    while (timer(window)->isActive() && ticks < 1000) {
        tick(window);
        ++ticks;
    }
    return ticks;
}

// The controls a run disables, and the stop button it enables.
bool showsMoving(QWidget *window)
{
    return !isEnabled(window, "HScroll1") && !isEnabled(window, "HScroll2") && !isEnabled(window, "HScroll3")
        && !isEnabled(window, "Command1") && isEnabled(window, "Command3");
}

bool showsStill(QWidget *window)
{
    return isEnabled(window, "HScroll1") && isEnabled(window, "HScroll2") && isEnabled(window, "HScroll3")
        && isEnabled(window, "Command1") && !isEnabled(window, "Command3");
}

// Empty when both pictures are the same, otherwise where they differ.
QString pixelDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("pictures of different sizes");
    int count = 0;
    QRect where;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                ++count;
                where |= QRect(x, y, 1, 1);
            }
        }
    }
    if (count == 0)
        return {};
    return QStringLiteral("%1 pixels differ within x %2–%3, y %4–%5")
        .arg(count).arg(where.left()).arg(where.right()).arg(where.top()).arg(where.bottom());
}

// The picture of a window just created and moved straight to these values.
QImage freshPicture(const Steps &steps)
{
    auto fresh = std::make_unique<Form3>();
    fresh->load();
    scroll(fresh.get(), steps);
    return picture(fresh.get());
}

int countColour(const QImage &image, QRect area, QRgb colour)
{
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return count;
}

// Twips of the laid-out picture (7080 × 6000) to its pixels.
QRect pixels(double left, double top, double right, double bottom)
{
    return QRect(QPoint(int(left / 15), int(top / 15)), QPoint(int(right / 15), int(bottom / 15)));
}

const QRect TopStrip = pixels(0.1 * 7080, 0.04 * 6000, 0.9 * 7080, 0.06 * 6000);

} // namespace

Q_DECLARE_METATYPE(Steps)

class HorizontalPlaneWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void createdWindowShowsTheDesignValues();
    void frictionShowsItsHundredths_data();
    void frictionShowsItsHundredths();
    void scrollChangesShowAccelerationAndTension_data();
    void scrollChangesShowAccelerationAndTension();
    void startDoesNothingWhenTheBlocksCannotMove_data();
    void startDoesNothingWhenTheBlocksCannotMove();
    void firstRunRunsByItselfToTheFloor();
    void firstRunDrawsTheTensionItShows();
    void firstTickWithoutMotionStops_data();
    void firstTickWithoutMotionStops();
    void designRunStopsOnTheSixtyFifthTick();
    void startAfterAScrollChangeOnlyClearsTheStrips();
    void pictureIsCleanAfterARunAndAScrollChange_data();
    void pictureIsCleanAfterARunAndAScrollChange();
    void stopFreezesAndTheNextStartBeginsAgain();
    void scrollChangeBeforeTheFirstTickErasesTheStartPicture();
    void returnStopsTheRunAndKeepsTheWindow();
    void closingStopsTheTimerAndEndsTheProgram();
};

void HorizontalPlaneWindowTest::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
}

void HorizontalPlaneWindowTest::init()
{
    driver::resetProgram();
}

void HorizontalPlaneWindowTest::createdWindowShowsTheDesignValues()
{
    QWidget *w = openForm3();
    QCOMPARE(w->windowTitle(), QStringLiteral("Plano Horizontal."));
    QCOMPARE(driver::text(w, "Text1"), QStringLiteral("50"));
    QCOMPARE(driver::text(w, "Text2"), QStringLiteral("50"));
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0"));
    QCOMPARE(driver::text(w, "Text5"), QStringLiteral("4,9"));
    QCOMPARE(driver::text(w, "Text7"), QStringLiteral("245"));
    QCOMPARE(driver::text(w, "Text4"), QString());
    QCOMPARE(driver::text(w, "Text6"), QString());
    QVERIFY(showsStill(w));

    auto *mass1 = driver::control<QScrollBar>(w, "HScroll1");
    QCOMPARE(mass1->minimum(), 1);
    QCOMPARE(mass1->maximum(), 101);
    QCOMPARE(mass1->value(), 51);
    QCOMPARE(mass1->pageStep(), 5);
    QCOMPARE(mass1->orientation(), Qt::Horizontal);
    auto *friction = driver::control<QScrollBar>(w, "HScroll3");
    QCOMPARE(friction->minimum(), 0);
    QCOMPARE(friction->maximum(), 100);
    QCOMPARE(friction->value(), 0);

    // The first run is already on its way.
    QVERIFY(timer(w)->isActive());
    QCOMPARE(timer(w)->interval(), 120);
    QCOMPARE(timer(w)->timerType(), Qt::PreciseTimer);
    QVERIFY(countColour(picture(w), picture(w).rect(), qRgb(0, 0, 255)) > 0);
}

void HorizontalPlaneWindowTest::frictionShowsItsHundredths_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("35 is 0,35, not 35 × 0,01 in binary") << 35 << QStringLiteral("0,35");
    QTest::newRow("10 drops the trailing zero") << 10 << QStringLiteral("0,1");
    QTest::newRow("100 is a whole 1") << 100 << QStringLiteral("1");
    QTest::newRow("7") << 7 << QStringLiteral("0,07");
    QTest::newRow("back to 0") << 0 << QStringLiteral("0");
}

void HorizontalPlaneWindowTest::frictionShowsItsHundredths()
{
    QFETCH(int, value);
    QFETCH(QString, shown);
    QWidget *w = openForm3();
    scroll(w, QStringLiteral("HScroll3"), 57);
    scroll(w, QStringLiteral("HScroll3"), value);
    QCOMPARE(driver::text(w, "Text3"), shown);
    // No value of the bar shows more than two decimals.
    for (int p = 0; p <= 100; ++p) {
        scroll(w, QStringLiteral("HScroll3"), p);
        QVERIFY2(driver::text(w, "Text3").size() <= 4, qPrintable(driver::text(w, "Text3")));
    }
}

void HorizontalPlaneWindowTest::scrollChangesShowAccelerationAndTension_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("acceleration");
    QTest::addColumn<QString>("tension");
    QTest::addColumn<QString>("mass1");
    QTest::addColumn<QString>("mass2");

    QTest::newRow("50/30, μ 0,2, block 2 moved last: three decimals")
        << Steps{{"HScroll3", 20}, {"HScroll2", 31}} << "2,450" << "220,50" << "50" << "30";
    QTest::newRow("50/30, μ 0,2, block 1 moved last: three decimals")
        << Steps{{"HScroll3", 20}, {"HScroll2", 31}, {"HScroll1", 52}, {"HScroll1", 51}} << "2,450" << "220,50"
        << "50" << "30";
    QTest::newRow("50/30, μ 0,2, friction moved last: two decimals")
        << Steps{{"HScroll2", 31}, {"HScroll3", 20}} << "2,45" << "220,50" << "50" << "30";
    QTest::newRow("back to the design masses") << Steps{{"HScroll1", 60}, {"HScroll1", 51}} << "4,900" << "245,00"
                                               << "50" << "50";
    QTest::newRow("100/20, μ 0,2: held, the tension is block 2's weight")
        << Steps{{"HScroll1", 101}, {"HScroll2", 21}, {"HScroll3", 20}} << "0" << "196,00" << "100" << "20";
    QTest::newRow("0/10, μ 0,5: free fall, slack cord")
        << Steps{{"HScroll3", 50}, {"HScroll1", 1}, {"HScroll2", 11}} << "9,800" << "0,00" << "0" << "10";
    QTest::newRow("both masses zero: no solution, tension kept")
        << Steps{{"HScroll3", 30}, {"HScroll1", 1}, {"HScroll2", 1}} << "No solución" << "0,00" << "0" << "0";
    QTest::newRow("101/101, μ 0,99: heaviest moving case")
        << Steps{{"HScroll1", 101}, {"HScroll2", 101}, {"HScroll3", 99}} << "0,05" << "975,10" << "100" << "100";
}

void HorizontalPlaneWindowTest::scrollChangesShowAccelerationAndTension()
{
    QFETCH(Steps, steps);
    QWidget *w = openForm3();
    scroll(w, steps);
    QTEST(driver::text(w, "Text5"), "acceleration");
    QTEST(driver::text(w, "Text7"), "tension");
    QTEST(driver::text(w, "Text1"), "mass1");
    QTEST(driver::text(w, "Text2"), "mass2");
    QVERIFY(showsStill(w));
}

void HorizontalPlaneWindowTest::startDoesNothingWhenTheBlocksCannotMove_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::newRow("100/20, μ 0,2: friction holds") << Steps{{"HScroll1", 101}, {"HScroll2", 21}, {"HScroll3", 20}};
    QTest::newRow("0/0: no solution") << Steps{{"HScroll1", 1}, {"HScroll2", 1}};
    QTest::newRow("m2 = 0: nothing pulls") << Steps{{"HScroll2", 1}};
}

void HorizontalPlaneWindowTest::startDoesNothingWhenTheBlocksCannotMove()
{
    QFETCH(Steps, steps);
    QWidget *w = openForm3();
    scroll(w, steps);
    const QImage before = picture(w);
    const QString acceleration = driver::text(w, "Text5");
    const QString tension = driver::text(w, "Text7");

    driver::click(w, "Command1");
    QCOMPARE(driver::text(w, "Text5"), acceleration);
    QCOMPARE(driver::text(w, "Text7"), tension);
    QCOMPARE(timer(w)->interval(), 120);
    QVERIFY(showsStill(w));
    QCOMPARE(pixelDifference(picture(w), before), QString());
}

// Nobody presses "Iniciar Movimiento": the timer laid out enabled runs the
// design masses down to the floor at 120 ms a tick.
void HorizontalPlaneWindowTest::firstRunRunsByItselfToTheFloor()
{
    QWidget *w = openForm3();
    QSignalSpy ticks(timer(w), &QTimer::timeout);
    QTRY_VERIFY_WITH_TIMEOUT(isEnabled(w, "Command3"), 5000);
    QVERIFY(showsMoving(w));
    QCOMPARE(timer(w)->interval(), 120);
    QTRY_VERIFY_WITH_TIMEOUT(!timer(w)->isActive(), 30000);
    QCOMPARE(ticks.count(), 65);
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,640"));
    QCOMPARE(driver::text(w, "Text6"), QStringLiteral("1,004"));
    QVERIFY(showsStill(w));
}

// Text7 shows 245 from the start, so the first run must draw 245-newton
// tension arrows, not dots, and erase them completely.
void HorizontalPlaneWindowTest::firstRunDrawsTheTensionItShows()
{
    QWidget *w = openForm3();
    tick(w);
    QVERIFY(showsMoving(w));
    // Inside block 1, between its centre and its right edge, on the arrow.
    const QRect arrow = pixels(0.175 * 7080 + 40, 0.13 * 6000 - 30, 0.2 * 7080 - 40, 0.13 * 6000 + 30);
    QVERIFY(countColour(picture(w), arrow, qRgb(255, 0, 0)) >= arrow.width());

    QCOMPARE(1 + runToTheEnd(w), 65);
    const Steps next{{"HScroll2", 31}, {"HScroll3", 20}};
    scroll(w, next);
    QCOMPARE(pixelDifference(picture(w), freshPicture(next)), QString());
}

void HorizontalPlaneWindowTest::firstTickWithoutMotionStops_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::newRow("held by friction") << Steps{{"HScroll1", 101}, {"HScroll2", 21}, {"HScroll3", 20}};
    QTest::newRow("both masses zero") << Steps{{"HScroll1", 1}, {"HScroll2", 1}};
}

// The inputs may change before the first run's first tick; a tick that finds
// nothing to move ends the run like the one at the floor.
void HorizontalPlaneWindowTest::firstTickWithoutMotionStops()
{
    QFETCH(Steps, steps);
    QWidget *w = openForm3();
    scroll(w, steps);
    const QImage before = picture(w);
    tick(w);
    QVERIFY(!timer(w)->isActive());
    QVERIFY(showsStill(w));
    QCOMPARE(driver::text(w, "Text4"), QString());
    QCOMPARE(driver::text(w, "Text6"), QString());
    QCOMPARE(pixelDifference(picture(w), before), QString());
}

void HorizontalPlaneWindowTest::designRunStopsOnTheSixtyFifthTick()
{
    QWidget *w = openForm3();
    driver::click(w, "Command1");
    QVERIFY(timer(w)->isActive());
    QCOMPARE(timer(w)->interval(), 100);
    QCOMPARE(driver::text(w, "Text5"), QStringLiteral("4,900"));
    QCOMPARE(driver::text(w, "Text7"), QStringLiteral("245,00"));
    QVERIFY(showsStill(w)); // until the first tick

    tick(w);
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,010"));
    QVERIFY(showsMoving(w));
    for (int i = 2; i < 10; ++i)
        tick(w);
    QCOMPARE(countColour(picture(w), TopStrip, qRgb(0, 0, 255)), 0);
    tick(w);
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,100"));
    QVERIFY(countColour(picture(w), TopStrip, qRgb(0, 0, 255)) > 0);

    // 64 advancing ticks take block 2 past the floor line; the 65th stops.
    QCOMPARE(10 + runToTheEnd(w), 65);
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,640"));
    QCOMPARE(driver::text(w, "Text6"), QStringLiteral("1,004"));
    QVERIFY(showsStill(w));
}

// The scroll handler has drawn the start picture already; the start button
// only clears the strobe strips.
void HorizontalPlaneWindowTest::startAfterAScrollChangeOnlyClearsTheStrips()
{
    QWidget *w = openForm3();
    scroll(w, QStringLiteral("HScroll2"), 31);
    const QImage before = picture(w);
    driver::click(w, "Command1");
    const QImage after = picture(w);
    QCOMPARE(timer(w)->interval(), 100);
    const QRect rightStrip = pixels(0.75 * 7080, 0.3 * 6000, 0.85 * 7080, 0.9 * 6000);
    int changedOutside = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const QPoint at(x, y);
            if (!TopStrip.adjusted(-2, -2, 2, 2).contains(at) && !rightStrip.adjusted(-2, -2, 2, 2).contains(at))
                changedOutside += after.pixel(at) != before.pixel(at);
        }
    }
    QCOMPARE(changedOutside, 0);
}

void HorizontalPlaneWindowTest::pictureIsCleanAfterARunAndAScrollChange_data()
{
    QTest::addColumn<Steps>("before");
    QTest::addColumn<Steps>("after");

    QTest::newRow("design run, then 50/30 with μ 0,2")
        << Steps{} << Steps{{"HScroll2", 31}, {"HScroll3", 20}};
    QTest::newRow("50/30, μ 0,2 run, then back to the first picture")
        << Steps{{"HScroll2", 31}, {"HScroll3", 20}} << Steps{{"HScroll2", 51}, {"HScroll3", 0}};
    QTest::newRow("free fall run, then the heaviest setup")
        << Steps{{"HScroll1", 1}, {"HScroll2", 11}, {"HScroll3", 50}}
        << Steps{{"HScroll1", 101}, {"HScroll2", 101}, {"HScroll3", 99}};
    QTest::newRow("heavy slow run, then held by friction")
        << Steps{{"HScroll1", 101}, {"HScroll2", 101}, {"HScroll3", 90}}
        << Steps{{"HScroll2", 21}, {"HScroll3", 20}};
    QTest::newRow("light block 1 run, then no solution")
        << Steps{{"HScroll1", 11}, {"HScroll2", 81}} << Steps{{"HScroll1", 1}, {"HScroll2", 1}};
}

// No block, cord, arrow or strobe mark of the run may be left: the picture
// must be the one a new window shows for the same values.
void HorizontalPlaneWindowTest::pictureIsCleanAfterARunAndAScrollChange()
{
    QFETCH(Steps, before);
    QFETCH(Steps, after);
    QWidget *w = openForm3();
    scroll(w, before);
    driver::click(w, "Command1");
    QVERIFY(runToTheEnd(w) > 20);

    scroll(w, after);
    // A fresh window goes straight from the design values to the final ones.
    Steps straight;
    for (const char *name : {"HScroll1", "HScroll2", "HScroll3"})
        straight.append({QString::fromLatin1(name), driver::control<QScrollBar>(w, name)->value()});
    QCOMPARE(pixelDifference(picture(w), freshPicture(straight)), QString());
}

void HorizontalPlaneWindowTest::stopFreezesAndTheNextStartBeginsAgain()
{
    QWidget *w = openForm3();
    driver::click(w, "Command1");
    for (int i = 0; i < 25; ++i)
        tick(w);
    driver::click(w, "Command3");
    QVERIFY(!timer(w)->isActive());
    QVERIFY(showsStill(w));
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,250"));
    const QString distance = driver::text(w, "Text6");
    QCOMPARE(distance, QStringLiteral("0,153"));

    driver::click(w, "Command1");
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,250"));
    tick(w);
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,010"));
    QCOMPARE(1 + runToTheEnd(w), 65);

    const Steps next{{"HScroll1", 31}};
    scroll(w, next);
    QCOMPARE(pixelDifference(picture(w), freshPicture(next)), QString());
}

// The scroll bars stay enabled until the first tick; a change then must
// erase the start picture the button has just drawn.
void HorizontalPlaneWindowTest::scrollChangeBeforeTheFirstTickErasesTheStartPicture()
{
    QWidget *w = openForm3();
    driver::click(w, "Command1");
    runToTheEnd(w);
    driver::click(w, "Command1");
    const Steps next{{"HScroll2", 31}, {"HScroll3", 20}};
    scroll(w, next);
    QCOMPARE(pixelDifference(picture(w), freshPicture(next)), QString());
}

void HorizontalPlaneWindowTest::returnStopsTheRunAndKeepsTheWindow()
{
    QWidget *w = openForm3();
    scroll(w, QStringLiteral("HScroll2"), 31);
    driver::click(w, "Command1");
    for (int i = 0; i < 20; ++i)
        tick(w);
    driver::click(w, "Command2");
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().existing(ui::WindowId::Form7)});
    QVERIFY(!timer(w)->isActive());
    QVERIFY(showsStill(w));

    // Back again (as from the title window): nothing is loaded anew.
    QCOMPARE(openForm3(), w);
    QCOMPARE(driver::text(w, "Text2"), QStringLiteral("30"));
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,200"));
    QVERIFY(!timer(w)->isActive());

    // The run left half-way does not go on: the next one begins at the start
    // position and takes as long as any run from there.
    driver::click(w, "Command1");
    const int afterReturn = runToTheEnd(w);
    driver::click(w, "Command1");
    QCOMPARE(afterReturn, runToTheEnd(w));

    const Steps next{{"HScroll1", 41}};
    scroll(w, next);
    QCOMPARE(pixelDifference(picture(w), freshPicture(Steps{{"HScroll1", 41}, {"HScroll2", 31}})), QString());
}

void HorizontalPlaneWindowTest::closingStopsTheTimerAndEndsTheProgram()
{
    QWidget *w = openForm3();
    driver::click(w, "Command1");
    tick(w);
    driver::closeWindow(w);
    QVERIFY(!timer(w)->isActive());
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
}

QTEST_MAIN(HorizontalPlaneWindowTest)
#include "tst_horizontal_plane_window.moc"
