#include "app/windows.h"
#include "simulations/atwood/atwood_model.h"
#include "simulations/atwood/atwood_scene.h"
#include "simulations/atwood/form6.h"
#include "support/gui_driver.h"
#include "ui/layout.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace scene = atwood::scene;

namespace {

// What enabledControls() lists at rest and while the blocks move.
const QString AtRest = QStringLiteral("HScroll1 HScroll2 Command1");
const QString Moving = QStringLiteral("Command3");

QScrollBar *bar(QWidget *w, const char *name)
{
    return driver::control<QScrollBar>(w, name);
}

QTimer *timer(QWidget *w)
{
    return driver::control<QTimer>(w, "Timer1");
}

QImage picture(QWidget *w)
{
    return driver::control<ui::PictureBox>(w, "Picture1")->image();
}

QStringList texts(QWidget *w, std::initializer_list<const char *> names)
{
    QStringList shown;
    for (const char *name : names)
        shown << driver::text(w, name);
    return shown;
}

QString enabledControls(QWidget *w)
{
    QStringList on;
    for (const char *name : {"HScroll1", "HScroll2", "Command1", "Command3"}) {
        if (driver::control<QWidget>(w, name)->isEnabled())
            on << QLatin1String(name);
    }
    return on.join(QLatin1Char(' '));
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
    return timer(w)->isActive() && QMetaObject::invokeMethod(timer(w), "timeout");
}

// Ticks until the timer stops; returns the ticks that moved the blocks.
int tickToTheEnd(QWidget *w)
{
    int moves = 0;
    for (int guard = 0; guard < 2000 && timer(w)->isActive(); ++guard) {
        const QString before = driver::text(w, "Text3");
        tick(w);
        moves += driver::text(w, "Text3") != before;
    }
    return moves;
}

bool samePicture(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// A picture of the window's size with only the title and the pulley on it.
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

// The start scene for m1 and m2 on an otherwise untouched picture; at load
// the tension is not yet known.
QImage cleanStartScene(int m1, int m2, bool tensionKnown = true)
{
    auto box = cleanPicture();
    const double tension = tensionKnown ? atwood::physics(m1, m2).tension : 0;
    scene::drawAtRest(*box, scene::startShapes(*box, m1, m2, tension), scene::pulleyY(*box));
    return box->image();
}

// The end of a run from the start position, drawn without any erase: the
// last position of the shapes and the strobe marks where the blocks passed;
// the start scene if nothing moved.
QImage cleanEndOfRun(int m1, int m2, int *strobeTicks)
{
    auto box = cleanPicture();
    const double height = box->heightTwips();
    atwood::State state;
    state.bottom1Start = state.bottom2Start = 0.65 * height; // of the 50/50 blocks at load
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
    if (state.simTime > 0)
        scene::drawMoving(*box, state.now, scene::pulleyY(*box));
    else
        scene::drawAtRest(*box, state.now, scene::pulleyY(*box));
    return box->image();
}

// The whole text shows in the field, inside its frame and margins.
bool showsWhole(QWidget *w, const char *name)
{
    auto *edit = driver::control<QLineEdit>(w, name);
    const int room = edit->contentsRect().width() - 2 * 2 - edit->textMargins().left() - edit->textMargins().right();
    return edit->fontMetrics().horizontalAdvance(edit->text()) <= room;
}

} // namespace

class TestAtwoodWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { driver::installSpanishTestEnvironment(); }
    void init();

    void layoutAndLoad();
    void physicsTexts_data();
    void physicsTexts();
    void scrollBarsFollowTheKeys();
    void runs_data();
    void runs();
    void enabledStatesThroughStartStopRestart();
    void noTraceOfOldShapesAfterAScrollChange_data();
    void noTraceOfOldShapesAfterAScrollChange();
    void theCreationTimerMovesMassesSetBeforeItsFirstTick();
    void leavingStopsTheRun_data();
    void leavingStopsTheRun();

private:
    QWidget *openForm6()
    {
        ui::navigator().goTo(ui::WindowId::Form6);
        return ui::navigator().current();
    }
};

void TestAtwoodWindow::init()
{
    driver::resetProgram();
    app::installWindows();
}

// Fault caught: a wrong caption, range or start value, load texts without
// the locale's decimal comma, or a timer not running from the creation or
// at another interval.
void TestAtwoodWindow::layoutAndLoad()
{
    QWidget *w = openForm6();
    QCOMPARE(w->windowTitle(), QStringLiteral("Máquina de Atwood."));
    QCOMPARE(w->size(), QSize(725, 533));
    QCOMPARE(texts(w, {"Label3", "Label6", "Command1", "Command3", "Command2"}),
             QStringList({"Tiempo de Simulación", "Distancia ", "Iniciar Movimiento", "Detener Movimiento", "Regresar"}));
    for (const char *name : {"HScroll1", "HScroll2"}) {
        const QScrollBar *b = bar(w, name);
        QCOMPARE(QList<int>({b->orientation(), b->minimum(), b->maximum(), b->singleStep(), b->pageStep(), b->value()}),
                 QList<int>({Qt::Horizontal, 1, 101, 1, 5, 51}));
    }
    QCOMPARE(texts(w, {"Text1", "Text2", "Text4", "Text7", "Text5", "Text3", "Text6"}),
             QStringList({"50", "50", "0,000", "0,000", "490,00", "", ""}));
    QCOMPARE(enabledControls(w), AtRest);
    QVERIFY(timer(w)->isActive());
    QCOMPARE(timer(w)->interval(), 360);
    QCOMPARE(timer(w)->timerType(), Qt::PreciseTimer);
    // The tension is computed after the load's drawing: its arrows end in dots.
    QVERIFY(samePicture(picture(w), cleanStartScene(50, 50, false)));
}

// Fault caught: signs swapped between the fields, the wrong format, a
// division by zero with both masses zero, a field too narrow for its text,
// or the start button writing its "No hay solución" into the acceleration
// fields too (those keep what was typed there).
void TestAtwoodWindow::physicsTexts_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<bool>("fromStart");
    QTest::addColumn<QStringList>("shown"); // acceleration 1, acceleration 2, tension

    const QString none = QStringLiteral("No hay solución");
    const QStringList sinks1 = {"-1,960", "1,960", "470,40"};
    const QStringList sinks2 = {"1,960", "-1,960", "470,40"};
    QTest::newRow("scroll bars 60/40: mass 1 sinks") << 60 << 40 << false << sinks1;
    QTest::newRow("scroll bars 40/60: mass 2 sinks") << 40 << 60 << false << sinks2;
    QTest::newRow("scroll bars 0/100: free fall") << 0 << 100 << false << QStringList{"9,800", "-9,800", "0,00"};
    QTest::newRow("scroll bars 0/0: no solution in all three") << 0 << 0 << false << QStringList{none, none, none};
    QTest::newRow("scroll bars back to 50/50") << 50 << 50 << false << QStringList{"0,000", "0,000", "490,00"};
    QTest::newRow("start button 40/60: the same signs") << 40 << 60 << true << sinks2;
    QTest::newRow("start button 0/0: only in the tension") << 0 << 0 << true << QStringList{"typed", "typed", none};
}

void TestAtwoodWindow::physicsTexts()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(bool, fromStart);
    QFETCH(QStringList, shown);

    QWidget *w = openForm6();
    setMasses(w, 70, 20); // away from the start, so every row changes both bars
    setMasses(w, m1, m2);
    if (fromStart) {
        for (const char *name : {"Text4", "Text7", "Text5"})
            driver::type(w, name, QStringLiteral("typed"));
        driver::click(w, "Command1");
    }
    QCOMPARE(texts(w, {"Text1", "Text2"}), QStringList({QString::number(m1), QString::number(m2)}));
    QCOMPARE(texts(w, {"Text4", "Text7", "Text5"}), shown);
    for (const char *name : {"Text4", "Text7", "Text5"})
        QVERIFY2(showsWhole(w, name), name);
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
    QTest::keyClick(bar(w, "HScroll2"), Qt::Key_Home);
    QCOMPARE(driver::text(w, "Text2"), QStringLiteral("0"));
    QCOMPARE(driver::text(w, "Text4"), QStringLiteral("-9,800"));
}

// Fault caught: a run that stops too early or too late, a wrong distance,
// marks missing or left at the wrong height, traces of the positions the
// blocks passed through, or equal masses that move, or whose halting tick
// changes the buttons, the fields or the picture.
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
    QTest::newRow("40/40: halts at the first tick, nothing moved") << 40 << 40 << 0 << "" << "" << 0;
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
    QCOMPARE(texts(w, {"Text3", "Text6"}), QStringList({time, distance}));
    QCOMPARE(enabledControls(w), AtRest);

    int strobeTicks = 0;
    const QImage expected = cleanEndOfRun(m1, m2, &strobeTicks);
    QCOMPARE(strobeTicks, marksPerBlock);
    QVERIFY(samePicture(picture(w), expected));
}

// Fault caught: buttons left in the wrong state, a stop that moves the
// scene, or a restart that goes on from where it stopped.
void TestAtwoodWindow::enabledStatesThroughStartStopRestart()
{
    QWidget *w = openForm6();
    setMasses(w, 70, 30);

    driver::click(w, "Command1");
    QVERIFY(timer(w)->isActive());
    QCOMPARE(timer(w)->interval(), 100);
    QCOMPARE(enabledControls(w), AtRest); // until the first tick
    for (int i = 0; i < 25; ++i)
        tick(w);
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,250"));
    QCOMPARE(enabledControls(w), Moving);

    const QImage moving = picture(w);
    const QString distance = driver::text(w, "Text6");
    driver::click(w, "Command3");
    QVERIFY(!timer(w)->isActive());
    QCOMPARE(enabledControls(w), AtRest);
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,250"));
    QCOMPARE(driver::text(w, "Text6"), distance);
    QVERIFY(samePicture(picture(w), moving));

    // A new start draws the start position again, without the marks.
    driver::click(w, "Command1");
    QVERIFY(samePicture(picture(w), cleanStartScene(70, 30)));
    QVERIFY(tick(w));
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,010"));
    QCOMPARE(enabledControls(w), Moving);
}

// Fault caught: blocks, cords, arrows, caps or strobe marks left on the
// picture when the masses change. Two fixed faults among them: the load's
// tension arrows end in dots (the tension is computed after them), and
// erasing them with caps left two green dots; and a start after a run
// redrew the start position but kept the old shapes as the ones to erase,
// so a mass change before its first tick left the redrawn scene behind.
void TestAtwoodWindow::noTraceOfOldShapesAfterAScrollChange_data()
{
    QTest::addColumn<int>("runM1");
    QTest::addColumn<int>("runM2");
    QTest::addColumn<int>("ticks"); // -1: never started; 0: to the floor
    QTest::addColumn<bool>("restart");
    QTest::addColumn<int>("newM1");
    QTest::addColumn<int>("newM2");

    QTest::newRow("the load scene, then 70/50") << 50 << 50 << -1 << false << 70 << 50;
    QTest::newRow("60/40 to the floor, then 70/40") << 60 << 40 << 0 << false << 70 << 40;
    QTest::newRow("40/60 to the floor, then 40/25") << 40 << 60 << 0 << false << 40 << 25;
    QTest::newRow("100/0 to the floor, then 0/0") << 100 << 0 << 0 << false << 0 << 0;
    QTest::newRow("90/80 stopped midway, then 50/80") << 90 << 80 << 120 << false << 50 << 80;
    QTest::newRow("60/40 to the floor, started again, then 60/10 before the first tick")
        << 60 << 40 << 0 << true << 60 << 10;
}

void TestAtwoodWindow::noTraceOfOldShapesAfterAScrollChange()
{
    QFETCH(int, runM1);
    QFETCH(int, runM2);
    QFETCH(int, ticks);
    QFETCH(bool, restart);
    QFETCH(int, newM1);
    QFETCH(int, newM2);

    QWidget *w = openForm6();
    setMasses(w, runM1, runM2);
    if (ticks >= 0) {
        driver::click(w, "Command1");
        if (ticks == 0) {
            tickToTheEnd(w);
        } else {
            for (int i = 0; i < ticks; ++i)
                tick(w);
            driver::click(w, "Command3");
        }
    }
    if (restart)
        driver::click(w, "Command1");
    setMasses(w, newM1, newM2);

    // A window that never ran, sent straight to the same masses.
    Form6 fresh;
    fresh.load();
    setMasses(&fresh, newM1, newM2);
    QVERIFY(samePicture(picture(w), picture(&fresh)));
    QVERIFY(samePicture(picture(w), cleanStartScene(newM1, newM2)));
}

// Fault caught: the timer that runs from the window's creation not moving
// masses changed before its first tick, or moving them at the running
// interval, which only "Iniciar Movimiento" sets.
void TestAtwoodWindow::theCreationTimerMovesMassesSetBeforeItsFirstTick()
{
    QWidget *w = openForm6();
    bar(w, "HScroll1")->setValue(61);
    QVERIFY(tick(w));
    QCOMPARE(driver::text(w, "Text3"), QStringLiteral("0,010"));
    QCOMPARE(timer(w)->interval(), 360);
    QCOMPARE(enabledControls(w), Moving);
}

// Fault caught: leaving the window with the timer still running or the
// buttons as in the motion, or closing it without ending the program.
void TestAtwoodWindow::leavingStopsTheRun_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Regresar: back to the menu") << false;
    QTest::newRow("the close box: the program ends") << true;
}

void TestAtwoodWindow::leavingStopsTheRun()
{
    QFETCH(bool, closeBox);
    QWidget *w = openForm6();
    setMasses(w, 80, 30);
    driver::click(w, "Command1");
    tick(w);
    if (closeBox)
        driver::closeWindow(w);
    else
        driver::click(w, "Command2");
    QVERIFY(!timer(w)->isActive());
    QCOMPARE(driver::ended(), closeBox);
    if (closeBox) {
        QVERIFY(driver::visibleWindows().isEmpty());
    } else {
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().window(ui::WindowId::Form7)});
        QCOMPARE(enabledControls(w), AtRest);
    }
}

QTEST_MAIN(TestAtwoodWindow)
#include "tst_atwood_window.moc"
