#include "app/windows.h"
#include "gui/simulations/form3.h"
#include "gui/simulations/data_window.h"
#include "gui/simulations/handover_slot.h"
#include "support/gui_driver.h"
#include "support/simulation_window.h"

#include <QTest>

#include <algorithm>

using namespace simwin;

namespace {

using Steps = QList<QPair<int, int>>; // scroll bar numbers and the Values they are moved to

void move(QWidget *window, const Steps &steps) { for (const auto &[number, value] : steps) bar(window, number)->setValue(value); }

QList<int> barValues(QWidget *w) { return {bar(w, 1)->value(), bar(w, 2)->value(), bar(w, 3)->value()}; }

// A run disables the scroll bars and the start button, and enables the stop button.
const QString Idle = QStringLiteral("HScroll1 HScroll2 HScroll3 Command1");

} // namespace

class HorizontalPlaneWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { driver::installSpanishTestEnvironment(), app::installWindows(); }
    void init() { driver::resetProgram(), run_data::withdrawHandover(ui::WindowId::Form3); }

    // Nobody presses "Iniciar Movimiento": the timer runs from the load, at
    // 120 ms a tick. Text7 shows 245 from the start, so the first run must
    // draw 245-newton tension arrows (260 twips across), not dots. 64
    // advancing ticks take block 2 past the floor line; the 65th stops.
    // Strobe marks (blue circles) come on every tenth tick.
    void firstRunDrawsTheTensionItShowsAndStopsOnTheSixtyFifthTick()
    {
        QWidget *w = open(ui::WindowId::Form3);
        QCOMPARE(state(w), Idle + " Timer1 120 ms");
        QCOMPARE(texts(w, "1234567"), (QStringList{"50", "50", "0", "", "4,9", "", "245"}));
        QList<int> marked; // the ticks that leave strobe marks, then the one that stops
        for (int tick = 1; timer(w)->isActive() && tick < 1000; ++tick) {
            const RecordingCanvas drawn = drawnBy(w, [w] { ticks(w, 1); });
            const QList<DrawOp> tension = drawn.inColour(core::colour::red), blue = drawn.inColour(core::colour::blue);
            if (tick == 1)
                QVERIFY(state(w) == "Command3 Timer1 120 ms" && !tension.isEmpty() && tension.first().a[2] > tension.first().a[0] + 250);
            if (std::any_of(blue.begin(), blue.end(), [](const DrawOp &op) { return op.kind == DrawOp::Circle; }) || !timer(w)->isActive())
                marked.append(tick);
        }
        QCOMPARE(marked, (QList<int>{10, 20, 30, 40, 50, 60, 65}));
        QCOMPARE(texts(w, "1234567"), (QStringList{"50", "50", "0", "0,640", "4,9", "1,004", "245"}));
    }

    void scrollChangesShowTheirResultsAndOnlyMotionRuns_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("shown"); // Text1 to Text7
        QTest::addColumn<bool>("moves");
        QTest::addColumn<Steps>("after"); // the values the bars are moved to between start and first tick
        const auto row = [](const char *name, Steps steps, const char *shown, bool moves, Steps after) {
            QTest::newRow(name) << steps << QString(shown) << moves << after; };
        row("50/30, μ 0,2, block 2 moved last: three decimals", {{3, 20}, {2, 31}}, "50|30|0,2||2,450||220,50", true, {{2, 51}, {3, 0}});
        row("50/30, μ 0,2, friction moved last: two decimals", {{2, 31}, {3, 20}}, "50|30|0,2||2,45||220,50", true, {{1, 11}, {2, 81}});
        row("40/50, μ 0,35: the hundredths, not a binary tail", {{3, 35}, {1, 41}}, "40|50|0,35||3,920||294,00", true, {{1, 1}, {2, 1}});
        row("0/10, μ 0,5, block 2 refilled from nothing: free fall, slack cord", {{3, 50}, {1, 1}, {2, 1}, {2, 11}},
            "0|10|0,5||9,800||0,00", true, {{1, 101}, {2, 101}, {3, 99}});
        // Block 1 ends its run over the pulley's bracket; erasing it there
        // must not leave a gap in the bracket.
        row("0/5: block 1 carried across the bracket", {{1, 1}, {2, 6}}, "0|5|0||9,800||0,00", true, {{1, 51}, {2, 51}});
        row("100/20, μ 0,2: held, the tension is block 2's weight", {{1, 101}, {2, 21}, {3, 20}}, "100|20|0,2||0||196,00", false, {});
        row("both masses zero: no solución, the last tension kept", {{3, 30}, {1, 1}, {2, 1}}, "0|0|0,3||No solución||0,00", false, {});
    }

    // The weight arrow ends in a dot exactly when block 2 is empty, whatever
    // the picture it replaces showed. A setup that cannot move leaves
    // everything as it is: the start button does nothing, and the tick the
    // first run still has pending (the inputs changed before it) must not
    // divide by m1 + m2 = 0 nor move held blocks, but stop. After a run no
    // block, cord, arrow or strobe mark may be left, at the start button or
    // at a change before the first tick: the picture must be the one a new
    // window shows for the same values.
    void scrollChangesShowTheirResultsAndOnlyMotionRuns()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, shown);
        QFETCH(bool, moves);
        QWidget *w = open(ui::WindowId::Form3);
        const QList<DrawOp> weight = drawnBy(w, [&] { move(w, steps); }).inColour(core::colour::green);
        QCOMPARE(weight.value(weight.size() - 1).kind, shown.section('|', 1, 1) == "0" ? DrawOp::Circle : DrawOp::Arc);
        QCOMPARE(texts(w, "1234567").join('|'), shown);
        QCOMPARE(state(w), Idle + " Timer1 120 ms");
        ticks(w, 1);
        driver::click(w, "Command1");
        ticks(w, 1);
        QCOMPARE(state(w), moves ? "Command3 Timer1 120 ms" : Idle);
        QVERIFY(moves ? ticks(w) > 20 : texts(w, "1234567").join('|') == shown);
        driver::click(w, "Command1");
        QCOMPARE(picture(w), freshPicture<Form3>(w));
        QFETCH(Steps, after);
        move(w, after);
        QCOMPARE(picture(w), freshPicture<Form3>(w));
    }

    void interruptedRunStopsAndTheNextStartsAgain_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("Detener Movimiento") << QByteArray("Command3");
        QTest::newRow("Regresar, then back as from the title window") << QByteArray("Command2");
    }

    // The run left half-way does not go on: the next start begins at the
    // start position at time 0, and erases the frozen picture. A data window
    // holds the strobe instants of the last run, t = 0,1·k, for both blocks:
    // ½·2,45·0,9² = 0,9923 m at the last, 2,205 m/s.
    void interruptedRunStopsAndTheNextStartsAgain()
    {
        QFETCH(QByteArray, button);
        auto *w = static_cast<Form3 *>(open(ui::WindowId::Form3));
        move(w, {{2, 31}, {3, 20}}); // Text5 shows 2,45
        driver::click(w, "Command1");
        QCOMPARE(state(w), Idle + " Timer1 100 ms"); // until the first tick
        QCOMPARE(ticks(w, 25), 25);
        QVERIFY(state(w) == "Command3 Timer1 100 ms" && w->isRunning());
        // ½·2,45·0,25² = 0,0766 m
        QCOMPARE(texts(w, "4567"), (QStringList{"0,250", "2,450", "0,077", "220,50"}));
        driver::click(w, button.constData());
        QVERIFY(!w->isRunning() && state(w) == Idle);
        if (button == "Command2") {
            QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().existing(ui::WindowId::Form7)});
            QCOMPARE(open(ui::WindowId::Form3), w); // nothing is loaded anew
        }
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,250"));

        driver::click(w, "Command1");
        ticks(w, 1);
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,010"));
        const int restarted = 1 + ticks(w);
        driver::click(w, "Command1");
        QCOMPARE(restarted, ticks(w));
        QCOMPARE(dataRows(w), "9: 0,90 0,9923 2,2050 0,9923 2,2050");
        move(w, {{1, 41}});
        QCOMPARE(picture(w), freshPicture<Form3>(w));
        // The close box, mid-run, stops the timer and ends the program.
        driver::click(w, "Command1");
        ticks(w, 1);
        driver::closeWindow(w);
        QVERIFY(!timer(w)->isActive() && driver::ended());
    }

    void solvedProblemSetsTheBarsWhenShown_data()
    {
        QTest::addColumn<bool>("visited"); // Form3 shown and left before the problem
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<QString>("note");
        const QList<int> design{51, 51, 0}, solved{3, 4, 20};
        // "|60|0,25|3" is case 8: m1 = 74,94 kg; "10|1|0,5" has no solution.
        QTest::newRow("given values that fit the bars") << false << "2|3|0,2" << solved << QString();
        QTest::newRow("a computed mass rounded, on a second visit")
            << true << "|60|0,25|3" << QList<int>{76, 61, 25} << QStringLiteral("m₁ = 74,94 kg se muestra como 75 kg");
        QTest::newRow("all three beyond their bars") << false << "150|200|0,125" << QList<int>{101, 101, 13}
            << QStringLiteral("m₁ = 150 kg se muestra como 100 kg (el máximo); m₂ = 200 kg se muestra como 100 kg "
                              "(el máximo); μ = 0,125 se muestra como 0,13");
        QTest::newRow("solved, then no solution: left as it was") << false << "2|3|0,2 10|1|0,5" << design << QString();
        QTest::newRow("solved, then two boxes: left as it was") << true << "|60|0,25|3 2|3" << design << QString();
        QTest::newRow("no solution, then solved") << false << "10|1|0,5 2|3|0,2" << solved << QString();
    }

    // The user sees the problem's values from the first picture on: the run
    // the first visit starts by itself sets off with them, and a later visit
    // shows their start position. The note goes with the user's own move of
    // a bar, and a visit without a new solved problem changes nothing.
    void solvedProblemSetsTheBarsWhenShown()
    {
        QFETCH(bool, visited);
        QFETCH(QList<int>, bars);
        QImage left; // the picture Form3 was left with
        if (visited) {
            QWidget *form3 = open(ui::WindowId::Form3);
            ticks(form3, 5);
            left = picture(form3);
            driver::click(form3, "Command2");
        }
        QFETCH(QString, presses);
        auto *w = static_cast<Form3 *>(solveAndSimulate(ui::WindowId::Form9, presses));
        QCOMPARE(barValues(w), bars);
        QTEST(shownNote(w, "Label9"), "note");
        QCOMPARE(picture(w), left.isNull() || bars != QList<int>({51, 51, 0}) ? freshPicture<Form3>(w) : left);
        QCOMPARE(timer(w)->isActive(), !visited);
        if (!visited) {
            ticks(w, 1);
            QCOMPARE(w->runData().run().acceleration(), w->acceleration());
            driver::click(w, "Command3");
        }
        QTest::keyClick(bar(w, 3), Qt::Key_Right);
        QCOMPARE(shownNote(w, "Label9"), QString());
        driver::click(w, "Command2");
        QCOMPARE(solveAndSimulate(ui::WindowId::Form9, {}), w);
        QCOMPARE(barValues(w), (QList<int>{bars[0], bars[1], bars[2] + 1}));
    }

    // A zoom change in the middle of a run leaves the picture a window at
    // that zoom would have drawn from the start: table, blocks, arrows and
    // the marks of the run so far.
    void zoomChangeMidRunRedrawsThePicture()
    {
        const auto step = [](ui::FormBase &form, int i) {
            if (i == 0)
                move(&form, {{2, 31}, {3, 20}});
            QMetaObject::invokeMethod(&form, i == 0 ? "Command1_Click" : "Timer1_Timer");
        };
        QCOMPARE(zoomChangeMidRun(loaded<Form3>, step, 60, 35, 100, 150), QString());
        QCOMPARE(zoomChangeMidRun(loaded<Form3>, step, 60, 35, 200, 125), QString());
    }
};

QTEST_MAIN(HorizontalPlaneWindowTest)
#include "tst_horizontal_plane_window.moc"
