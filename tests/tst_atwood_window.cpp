#include "app/windows.h"
#include "simulations/atwood/atwood_model.h"
#include "simulations/atwood/atwood_scene.h"
#include "simulations/atwood/form6.h"
#include "support/gui_driver.h"
#include "ui/layout.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace scene = atwood::scene;

namespace {

QScrollBar *bar(QWidget *w, const char *name)
{
    return driver::control<QScrollBar>(w, name);
}

QTimer *timer(QWidget *w)
{
    return driver::control<QTimer>(w, "Timer1");
}

bool enabled(QWidget *w, const char *name)
{
    return driver::control<QWidget>(w, name)->isEnabled();
}

QImage picture(QWidget *w)
{
    return driver::control<ui::PictureBox>(w, "Picture1")->image();
}

// The masses as a user sets them: first mass 1, then mass 2.
void setMasses(QWidget *w, int m1, int m2)
{
    bar(w, "HScroll1")->setValue(m1 + 1);
    bar(w, "HScroll2")->setValue(m2 + 1);
}

// One tick of the running timer, as the timer itself delivers it.
bool tick(QWidget *w)
{
    if (!timer(w)->isActive())
        return false;
    return QMetaObject::invokeMethod(timer(w), "timeout");
}

// Ticks until the timer stops; returns the ticks that moved the blocks.
int tickToTheEnd(QWidget *w)
{
    int moves = 0;
    for (int guard = 0; guard < 2000 && timer(w)->isActive(); ++guard) {
        const QString before = driver::text(w, "Text3");
        tick(w);
        if (driver::text(w, "Text3") != before)
            ++moves;
    }
    return moves;
}

// A picture of the same size on which only the given scene was ever drawn.
std::unique_ptr<ui::PictureBox> cleanPicture()
{
    auto box = std::make_unique<ui::PictureBox>();
    box->setBackground(ui::colour::cyan);
    ui::place(box.get(), 4920, 480, 5535, 6855);
    scene::setUp(*box);
    scene::drawTitle(*box);
    scene::drawPulley(*box, scene::pulleyX(*box), scene::pulleyY(*box));
    return box;
}

// The start scene for m1 and m2 on an otherwise untouched picture.
QImage cleanStartScene(int m1, int m2)
{
    auto box = cleanPicture();
    const atwood::Shapes shapes = scene::startShapes(*box, m1, m2, atwood::physics(m1, m2).tension);
    scene::drawAtRest(*box, shapes, scene::pulleyY(*box));
    return box->image();
}

// The end of a run from the start position, drawn without any erase: the
// last position of the shapes and the strobe marks where the blocks passed.
QImage cleanEndOfRun(int m1, int m2, int *strobeTicks)
{
    auto box = cleanPicture();
    const double height = box->heightTwips();
    atwood::State state;
    state.now = scene::startShapes(*box, 50, 50, 0);
    state.bottom1Start = state.now.block1.bottom;
    state.bottom2Start = state.now.block2.bottom;
    state.tension = atwood::physics(m1, m2).tension;
    state.now = scene::startShapes(*box, m1, m2, state.tension);
    *strobeTicks = 0;
    while (atwood::nextStep(state.now, m1 + 1, m2 + 1, height) == atwood::Step::Advance) {
        atwood::advance(state, m1 + 1, m2 + 1, height);
        if (atwood::strobeDue(state.simTime)) {
            scene::drawStrobeMarks(*box, state.now);
            ++*strobeTicks;
        }
    }
    scene::drawMoving(*box, state.now, scene::pulleyY(*box));
    return box->image();
}

// The whole text shows in the field, inside its frame and margins.
bool showsWhole(QWidget *w, const char *name)
{
    auto *edit = driver::control<QLineEdit>(w, name);
    const int room = edit->contentsRect().width() - 2 * 2 - edit->textMargins().left() - edit->textMargins().right();
    return edit->fontMetrics().horizontalAdvance(edit->text()) <= room;
}

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (x.pixel(col, row) != y.pixel(col, row))
                ++count;
        }
    }
    return count;
}

} // namespace

class TestAtwoodWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layoutAndLoad();
    void physicsFromTheScrollBars_data();
    void physicsFromTheScrollBars();
    void physicsFromTheStartButton_data();
    void physicsFromTheStartButton();
    void scrollBarsFollowTheKeys();

    void runs_data();
    void runs();
    void equalMassesStopAtTheFirstTick();
    void enabledStatesThroughStartStopRestart();
    void noTraceAfterARunAndAScrollChange_data();
    void noTraceAfterARunAndAScrollChange();
    void noTraceOfTheLoadScene();
    void scrollBeforeTheFirstTickOfARestart();

    void returnStopsAndKeepsTheWindow();
    void closingStopsTheTimerAndEnds();
    void timerOfTheNewWindow();
    void timerOfTheNewWindowMovesUnequalMasses();
    void aRunInRealTime();

private:
    QWidget *openForm6();
};

void TestAtwoodWindow::initTestCase()
{
    driver::installSpanishTestEnvironment();
}

void TestAtwoodWindow::init()
{
    driver::resetProgram();
    app::installWindows();
}

QWidget *TestAtwoodWindow::openForm6()
{
    ui::navigator().goTo(ui::WindowId::Form6);
    return ui::navigator().current();
}

void TestAtwoodWindow::layoutAndLoad()
{
    QWidget *w = openForm6();
    QCOMPARE(w->windowTitle(), QStringLiteral("Máquina de Atwood."));
    QCOMPARE(w->size(), QSize(725, 533));
    QCOMPARE(driver::text(w, "Label3"), QStringLiteral("Tiempo de Simulación"));
    QCOMPARE(driver::text(w, "Label6"), QStringLiteral("Distancia "));
    QCOMPARE(driver::text(w, "Command1"), QStringLiteral("Iniciar Movimiento"));
    QCOMPARE(driver::text(w, "Command3"), QStringLiteral("Detener Movimiento"));
    QCOMPARE(driver::text(w, "Command2"), QStringLiteral("Regresar"));
    for (const char *name : {"HScroll1", "HScroll2"}) {
        QScrollBar *b = bar(w, name);
        QCOMPARE(b->orientation(), Qt::Horizontal);
        QCOMPARE(b->minimum(), 1);
        QCOMPARE(b->maximum(), 101);
        QCOMPARE(b->singleStep(), 1);
        QCOMPARE(b->pageStep(), 5);
        QCOMPARE(b->value(), 51);
    }

    // The texts of the start masses, with the decimal comma.
    QCOMPARE(driver::text(w, "Text1"), QStringLiteral("50"));
    QCOMPARE(driver::text(w, "Text2"), QStringLiteral("50"));
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,000"));
    QCOMPARE(driver::text(w, "Text7"), QStringLiteral("0,000"));
    QCOMPARE(driver::text(w, "Text5"), QStringLiteral("490,00"));
    QCOMPARE(driver::text(w, "Text3"), QString());
    QCOMPARE(driver::text(w, "Text6"), QString());
    QVERIFY(!enabled(w, "Command3"));
    QVERIFY(enabled(w, "Command1"));
    QVERIFY(enabled(w, "HScroll1") && enabled(w, "HScroll2"));
    QVERIFY(timer(w)->isActive());
    QCOMPARE(timer(w)->interval(), 360);
    QCOMPARE(timer(w)->timerType(), Qt::PreciseTimer);

    // Drawn while loading: title, pulley and the start scene. The tension
    // is computed after this drawing, so its arrows end in dots.
    auto box = cleanPicture();
    scene::drawAtRest(*box, scene::startShapes(*box, 50, 50, 0), scene::pulleyY(*box));
    QCOMPARE(differingPixels(picture(w), box->image()), 0);
}

// Fault caught: signs swapped between the fields, the wrong format, or a
// division by zero when both masses are zero.
void TestAtwoodWindow::physicsFromTheScrollBars_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<QString>("a1");
    QTest::addColumn<QString>("a2");
    QTest::addColumn<QString>("tension");

    const QString none = QStringLiteral("No hay solución");
    QTest::newRow("60/40: mass 1 sinks") << 60 << 40 << "-1,960" << "1,960" << "470,40";
    QTest::newRow("40/60: mass 2 sinks") << 40 << 60 << "1,960" << "-1,960" << "470,40";
    QTest::newRow("0/100") << 0 << 100 << "9,800" << "-9,800" << "0,00";
    QTest::newRow("0/0: no solution in all three") << 0 << 0 << none << none << none;
    QTest::newRow("back to 50/50") << 50 << 50 << "0,000" << "0,000" << "490,00";
}

void TestAtwoodWindow::physicsFromTheScrollBars()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(QString, a1);
    QFETCH(QString, a2);
    QFETCH(QString, tension);

    QWidget *w = openForm6();
    setMasses(w, 70, 20); // away from the start, so every row changes both bars
    setMasses(w, m1, m2);
    QCOMPARE(driver::text(w, "Text1"), QString::number(m1));
    QCOMPARE(driver::text(w, "Text2"), QString::number(m2));
    QCOMPARE(driver::text(w, "Text4"), a1);
    QCOMPARE(driver::text(w, "Text7"), a2);
    QCOMPARE(driver::text(w, "Text5"), tension);
    for (const char *name : {"Text4", "Text7", "Text5"})
        QVERIFY2(showsWhole(w, name), name);
}

// Fault caught: the start button writing its "No hay solución" into the
// acceleration fields too, or other signs than the scroll bars.
void TestAtwoodWindow::physicsFromTheStartButton_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<QString>("a1");
    QTest::addColumn<QString>("a2");
    QTest::addColumn<QString>("tension");

    QTest::newRow("60/40") << 60 << 40 << "-1,960" << "1,960" << "470,40";
    QTest::newRow("40/60") << 40 << 60 << "1,960" << "-1,960" << "470,40";
    QTest::newRow("0/0: only the tension field") << 0 << 0 << "typed" << "typed" << "No hay solución";
}

void TestAtwoodWindow::physicsFromTheStartButton()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(QString, a1);
    QFETCH(QString, a2);
    QFETCH(QString, tension);

    QWidget *w = openForm6();
    setMasses(w, m1, m2);
    // The fields are output only: what is typed there goes at the next update.
    driver::type(w, "Text4", QStringLiteral("typed"));
    driver::type(w, "Text7", QStringLiteral("typed"));
    driver::type(w, "Text5", QStringLiteral("typed"));
    driver::click(w, "Command1");
    QCOMPARE(driver::text(w, "Text4"), a1);
    QCOMPARE(driver::text(w, "Text7"), a2);
    QCOMPARE(driver::text(w, "Text5"), tension);
    QCOMPARE(timer(w)->interval(), 100);
    QVERIFY(timer(w)->isActive());
}

// Fault caught: scroll bars out of reach of the keyboard, or arrow keys
// that move them against the arrow.
void TestAtwoodWindow::scrollBarsFollowTheKeys()
{
    QWidget *w = openForm6();
    QScrollBar *mass1 = bar(w, "HScroll1");
    QVERIFY(mass1->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(mass1, Qt::Key_Right);
    QCOMPARE(driver::text(w, "Text1"), QStringLiteral("51"));
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("-0,097"));
    QTest::keyClick(mass1, Qt::Key_Left);
    QTest::keyClick(mass1, Qt::Key_Left);
    QCOMPARE(driver::text(w, "Text1"), QStringLiteral("49"));
    QTest::keyClick(mass1, Qt::Key_Right);
    QTest::keyClick(mass1, Qt::Key_PageUp);
    QCOMPARE(mass1->value(), 56);
    QCOMPARE(driver::text(w, "Text1"), QStringLiteral("55"));
    QTest::keyClick(mass1, Qt::Key_End);
    QCOMPARE(driver::text(w, "Text1"), QStringLiteral("100"));
    QTest::keyClick(bar(w, "HScroll2"), Qt::Key_Home);
    QCOMPARE(driver::text(w, "Text2"), QStringLiteral("0"));
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("-9,800"));
}

// Fault caught: a run that stops too early or too late, a wrong distance,
// marks missing or left at the wrong height, or traces of the positions the
// blocks passed through.
void TestAtwoodWindow::runs_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<int>("moves");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<int>("marksPerBlock");

    QTest::newRow("60/40") << 60 << 40 << 100 << "1,000" << "0,980" << 10;
    QTest::newRow("40/60, mirrored") << 40 << 60 << 100 << "1,000" << "0,980" << 10;
    QTest::newRow("100/0, free fall") << 100 << 0 << 42 << "0,420" << "0,864" << 4;
}

void TestAtwoodWindow::runs()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(int, moves);
    QFETCH(QString, time);
    QFETCH(QString, distance);
    QFETCH(int, marksPerBlock);

    QWidget *w = openForm6();
    setMasses(w, m1, m2);
    driver::click(w, "Command1");
    QCOMPARE(tickToTheEnd(w), moves);
    QCOMPARE(driver::text(w, "Text3"), time);
    QCOMPARE(driver::text(w, "Text6"), distance);
    QVERIFY(!timer(w)->isActive());
    QVERIFY(enabled(w, "Command1") && enabled(w, "HScroll1") && enabled(w, "HScroll2"));
    QVERIFY(!enabled(w, "Command3"));

    int strobeTicks = 0;
    const QImage expected = cleanEndOfRun(m1, m2, &strobeTicks);
    QCOMPARE(strobeTicks, marksPerBlock);
    QCOMPARE(differingPixels(picture(w), expected), 0);
}

// Fault caught: equal masses moving, or the halting tick changing the
// buttons or the fields.
void TestAtwoodWindow::equalMassesStopAtTheFirstTick()
{
    QWidget *w = openForm6();
    setMasses(w, 60, 40);
    driver::click(w, "Command1");
    tickToTheEnd(w);
    bar(w, "HScroll1")->setValue(41); // 40 and 40
    const QImage before = picture(w);

    driver::click(w, "Command1");
    QVERIFY(timer(w)->isActive());
    QVERIFY(tick(w));
    QVERIFY(!timer(w)->isActive());
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("1,000"));
    QCOMPARE(driver::text(w, "Text6"), QStringLiteral("0,980"));
    QVERIFY(!enabled(w, "Command3"));
    QVERIFY(enabled(w, "Command1"));
    QCOMPARE(differingPixels(picture(w), before), 0);
    QCOMPARE(differingPixels(picture(w), cleanStartScene(40, 40)), 0);
}

// Fault caught: buttons left in the wrong state, a stop that moves the
// scene, or a restart that goes on from where it stopped.
void TestAtwoodWindow::enabledStatesThroughStartStopRestart()
{
    QWidget *w = openForm6();
    setMasses(w, 70, 30);

    driver::click(w, "Command1");
    QVERIFY(timer(w)->isActive());
    QVERIFY(enabled(w, "Command1") && enabled(w, "HScroll1") && enabled(w, "HScroll2"));
    QVERIFY(!enabled(w, "Command3"));

    for (int i = 0; i < 25; ++i)
        tick(w);
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,250"));
    QVERIFY(!enabled(w, "Command1") && !enabled(w, "HScroll1") && !enabled(w, "HScroll2"));
    QVERIFY(enabled(w, "Command3"));

    const QImage moving = picture(w);
    const QString distance = driver::text(w, "Text6");
    driver::click(w, "Command3");
    QVERIFY(!timer(w)->isActive());
    QVERIFY(enabled(w, "Command1") && enabled(w, "HScroll1") && enabled(w, "HScroll2"));
    QVERIFY(!enabled(w, "Command3"));
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,250"));
    QCOMPARE(driver::text(w, "Text6"), distance);
    QCOMPARE(differingPixels(picture(w), moving), 0);

    // A new start draws the start position again, without the marks.
    driver::click(w, "Command1");
    QVERIFY(timer(w)->isActive());
    QCOMPARE(timer(w)->interval(), 100);
    QCOMPARE(differingPixels(picture(w), cleanStartScene(70, 30)), 0);
    QVERIFY(tick(w));
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,010"));
    QVERIFY(enabled(w, "Command3"));
    QVERIFY(!enabled(w, "Command1"));
}

// Fault caught: blocks, cords, arrows, caps or strobe marks of a run left
// on the picture after the masses change.
void TestAtwoodWindow::noTraceAfterARunAndAScrollChange_data()
{
    QTest::addColumn<int>("runM1");
    QTest::addColumn<int>("runM2");
    QTest::addColumn<int>("stopAfter"); // ticks; 0 runs to the floor
    QTest::addColumn<int>("newM1");
    QTest::addColumn<int>("newM2");

    QTest::newRow("60/40 to the floor, then 70/40") << 60 << 40 << 0 << 70 << 40;
    QTest::newRow("40/60 to the floor, then 40/25") << 40 << 60 << 0 << 40 << 25;
    QTest::newRow("100/0 to the floor, then 0/0") << 100 << 0 << 0 << 0 << 0;
    QTest::newRow("90/80 stopped midway, then 50/80") << 90 << 80 << 120 << 50 << 80;
    QTest::newRow("0/35 to the floor, then 20/35") << 0 << 35 << 0 << 20 << 35;
}

void TestAtwoodWindow::noTraceAfterARunAndAScrollChange()
{
    QFETCH(int, runM1);
    QFETCH(int, runM2);
    QFETCH(int, stopAfter);
    QFETCH(int, newM1);
    QFETCH(int, newM2);

    QWidget *w = openForm6();
    setMasses(w, runM1, runM2);
    driver::click(w, "Command1");
    if (stopAfter == 0) {
        tickToTheEnd(w);
    } else {
        for (int i = 0; i < stopAfter; ++i)
            tick(w);
        driver::click(w, "Command3");
    }
    QVERIFY(!timer(w)->isActive());
    setMasses(w, newM1, newM2);

    // A window that never ran, sent straight to the same masses.
    Form6 fresh;
    fresh.load();
    setMasses(&fresh, newM1, newM2);

    QCOMPARE(differingPixels(picture(w), picture(&fresh)), 0);
    QCOMPARE(differingPixels(picture(w), cleanStartScene(newM1, newM2)), 0);
}

// Fault caught: the load draws its tension arrows with dots, as the tension
// is computed after them; erasing them with caps left two green dots.
void TestAtwoodWindow::noTraceOfTheLoadScene()
{
    QWidget *w = openForm6();
    bar(w, "HScroll1")->setValue(71);
    QCOMPARE(differingPixels(picture(w), cleanStartScene(70, 50)), 0);
}

// Fault caught: a start from a stopped run redraws the start position but
// keeps the stopped shapes as the ones to erase; a mass change before the
// first tick then erased those and left the redrawn start scene behind.
void TestAtwoodWindow::scrollBeforeTheFirstTickOfARestart()
{
    QWidget *w = openForm6();
    setMasses(w, 60, 40);
    driver::click(w, "Command1");
    tickToTheEnd(w);
    driver::click(w, "Command1");
    bar(w, "HScroll2")->setValue(11);
    QCOMPARE(differingPixels(picture(w), cleanStartScene(60, 10)), 0);
}

// Fault caught: "Regresar" leaving the timer running or the buttons as in
// the motion, or the window forgetting its state.
void TestAtwoodWindow::returnStopsAndKeepsTheWindow()
{
    QWidget *w = openForm6();
    setMasses(w, 80, 30);
    driver::click(w, "Command1");
    for (int i = 0; i < 30; ++i)
        tick(w);
    QVERIFY(!enabled(w, "Command1"));

    driver::click(w, "Command2");
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().window(ui::WindowId::Form7)});
    QVERIFY(!timer(w)->isActive());
    QVERIFY(enabled(w, "Command1") && enabled(w, "HScroll1") && enabled(w, "HScroll2"));
    QVERIFY(!enabled(w, "Command3"));
    QVERIFY(!driver::ended());

    // Back through the title window: the same window, as it was left.
    ui::navigator().goTo(ui::WindowId::Form5);
    driver::click(ui::navigator().current(), "Command2");
    QCOMPARE(ui::navigator().current(), w);
    QCOMPARE(driver::text(w, "Text1"), QStringLiteral("80"));
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,300"));
    driver::click(w, "Command1");
    QCOMPARE(differingPixels(picture(w), cleanStartScene(80, 30)), 0);
}

void TestAtwoodWindow::closingStopsTheTimerAndEnds()
{
    QWidget *w = openForm6();
    setMasses(w, 80, 30);
    driver::click(w, "Command1");
    tick(w);
    driver::closeWindow(w);
    QVERIFY(!timer(w)->isActive());
    QVERIFY(driver::ended());
    QVERIFY(driver::visibleWindows().isEmpty());
}

// The timer runs from the window's creation; with equal masses its first
// tick only switches it off.
void TestAtwoodWindow::timerOfTheNewWindow()
{
    QWidget *w = openForm6();
    const QImage before = picture(w);
    QTRY_VERIFY_WITH_TIMEOUT(!timer(w)->isActive(), 3000);
    QCOMPARE(driver::text(w, "Text3"), QString());
    QVERIFY(!enabled(w, "Command3"));
    QCOMPARE(differingPixels(picture(w), before), 0);
}

// A mass changed before that first tick: the blocks move at the slow
// interval until "Iniciar Movimiento" sets the running one.
void TestAtwoodWindow::timerOfTheNewWindowMovesUnequalMasses()
{
    QWidget *w = openForm6();
    bar(w, "HScroll1")->setValue(61);
    QTRY_COMPARE_WITH_TIMEOUT(driver::text(w, "Text3"), QStringLiteral("0,010"), 3000);
    QCOMPARE(timer(w)->interval(), 360);
    QVERIFY(enabled(w, "Command3"));
    driver::click(w, "Command3");
    QVERIFY(!timer(w)->isActive());
}

// The whole path as a user lives it, with the real timer at 100 ms.
void TestAtwoodWindow::aRunInRealTime()
{
    QWidget *w = openForm6();
    setMasses(w, 100, 0);
    driver::click(w, "Command1");
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(!timer(w)->isActive(), 15000);
    QVERIFY(clock.elapsed() >= 4000); // 43 ticks of 100 ms
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,420"));
    QCOMPARE(driver::text(w, "Text6"), QStringLiteral("0,864"));
    QVERIFY(enabled(w, "Command1"));
}

QTEST_MAIN(TestAtwoodWindow)
#include "tst_atwood_window.moc"
