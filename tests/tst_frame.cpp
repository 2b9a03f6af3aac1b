// The pieces the three simulations share: the run clock's strobe rule and
// the overdraw that erases exactly the frame shown last.

#include "core/drawing/frame.h"
#include "core/simulations/run_clock.h"
#include "support/recording_canvas.h"

#include <QTest>

#include <algorithm>
#include <iterator>

class TestFrame : public QObject
{
    Q_OBJECT

private slots:
    // Summing 0.01 drifts; the rule must still mark every tenth tick, and
    // only those, over a run longer than any window allows.
    void strobeEveryTenthTick()
    {
        core::RunClock clock;
        for (int tick = 1; tick <= 3000; ++tick) {
            clock.tick();
            QCOMPARE(clock.strobeDue(), tick % 10 == 0);
            QCOMPARE(clock.previousTime() + core::RunClock::Step, clock.time());
        }
        clock.reset();
        QCOMPARE(clock.time(), 0.0);
        // Halves round to even: 10,5 and 20,5 hundredths are marks too.
        for (double t : {0.095, 0.105, 0.205})
            QVERIFY(core::RunClock::strobeDueAt(t));
    }

    // Erase, fixed parts, new frame: in that order, the erase being the
    // previous frame shape for shape in the background colour.
    void overdrawErasesWhatItShowed()
    {
        core::Frame first;
        first.setLineWidth(2);
        first.box({100, 100, 400, 300}, core::colour::blue);
        first.arrow({250, 200}, {250, 900}, core::colour::red,
                    core::capBehind({250, 900}, 0, 1, constants::SimulationPi, 0));
        core::Frame second;
        second.arrowWithDot({250, 200}, {250, 200}, core::colour::red);
        core::Frame fixed;
        fixed.line({0, 1000}, {6000, 1000}, core::colour::black);

        RecordingCanvas canvas;
        core::Overdraw overdraw(core::colour::cyan);
        overdraw.show(canvas, first, fixed);
        const QList<DrawOp> drawnFirst = canvas.shapes().mid(1); // after the fixed line
        canvas.clear();
        overdraw.show(canvas, second, fixed);

        const QList<DrawOp> ops = canvas.shapes();
        QCOMPARE(ops.size(), drawnFirst.size() + 1 + 2);
        for (int i = 0; i < drawnFirst.size(); ++i) {
            QCOMPARE(ops[i].kind, drawnFirst[i].kind);
            QVERIFY(std::equal(std::begin(ops[i].a), std::end(ops[i].a), std::begin(drawnFirst[i].a)));
            QCOMPARE(ops[i].colour, core::colour::cyan);
        }
        QCOMPARE(ops[drawnFirst.size()].colour, core::colour::black);
        QCOMPARE(ops.last().kind, DrawOp::Circle);
        QCOMPARE(ops.last().a[2], core::DotRadius);
        QVERIFY(overdraw.shown() == second);
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "tst_frame.moc"
