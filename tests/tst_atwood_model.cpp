#include "simulations/atwood/atwood_model.h"
#include "ui/number_text.h"

#include <QLocale>
#include <QtTest>

#include <cmath>

using namespace atwood;

namespace {

// The picture of the window as designed, in twips.
constexpr double W = 5535;
constexpr double H = 6855;
constexpr double g = 9.8;

Block blockAtRest(double left, double right, int mass)
{
    return {left * W, 0.6 * H, right * W, 0.6 * H + 0.001 * H * mass};
}

Arrow arrowAt(const Block &block, double length)
{
    const double x = (block.left + block.right) / 2;
    const double y = (block.top + block.bottom) / 2;
    return {x, y, x, y + length, TipMark::Cap};
}

// The window's state after loading with 50 and 50 and then moving the
// scroll bars to m1 and m2: the scale stays the one of the load.
State loadedThenSetTo(int m1, int m2, double tension)
{
    State state;
    state.bottom1Start = blockAtRest(0.3, 0.4, 50).bottom;
    state.bottom2Start = blockAtRest(0.6, 0.7, 50).bottom;
    state.tension = tension;
    state.now.block1 = blockAtRest(0.3, 0.4, m1);
    state.now.block2 = blockAtRest(0.6, 0.7, m2);
    state.now.weight1 = arrowAt(state.now.block1, 300);
    state.now.weight2 = arrowAt(state.now.block2, 300);
    state.now.pull1 = arrowAt(state.now.block1, -300);
    state.now.pull2 = arrowAt(state.now.block2, -300);
    state.prev = state.now;
    return state;
}

struct Run {
    State state;
    int advances = 0;
    int strobeTicks = 0;
    Step last = Step::Advance;
    double bottomBeforeLast = 0; // of the sinking block, one advance before the end
};

// Ticks as the timer does until the run ends.
Run runFrom(State state, int m1, int m2)
{
    Run run;
    const int v1 = m1 + 1;
    const int v2 = m2 + 1;
    double bottom = 0;
    for (int guard = 0; guard < 10000; ++guard) {
        run.last = nextStep(state.now, v1, v2, H);
        if (run.last != Step::Advance)
            break;
        run.bottomBeforeLast = bottom;
        advance(state, v1, v2, H);
        bottom = m1 > m2 ? state.now.block1.bottom : state.now.block2.bottom;
        ++run.advances;
        if (strobeDue(state.simTime))
            ++run.strobeTicks;
    }
    if (run.last == Step::Stop)
        stop(state);
    run.state = state;
    return run;
}

} // namespace

class TestAtwoodModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void physicsOfTheMasses_data();
    void physicsOfTheMasses();
    void bothMassesZeroHaveNoSolution();

    void nextStepByTheHeavierBlock_data();
    void nextStepByTheHeavierBlock();

    void runsEndPastTheFloorLine_data();
    void runsEndPastTheFloorLine();
    void positionFollowsHalfATSquared();
    void mirroredMassesMirrorTheRun();
    void scaleComesFromTheBottomsAtLoad();
    void advanceKeepsPrevAndMarks();
    void stopFreezesTheScene();

    void strobeEveryTenthOfASecond_data();
    void strobeEveryTenthOfASecond();
};

// Fault caught: a sign or a formula slip in the text fields.
void TestAtwoodModel::physicsOfTheMasses_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<QString>("a1");
    QTest::addColumn<QString>("tension");

    QTest::newRow("60/40: mass 1 sinks, its acceleration is negative") << 60 << 40 << "-1,960" << "470,40";
    QTest::newRow("40/60: mass 1 rises") << 40 << 60 << "1,960" << "470,40";
    QTest::newRow("0/100: free fall, no tension") << 0 << 100 << "9,800" << "0,00";
    QTest::newRow("100/0: free fall the other way") << 100 << 0 << "-9,800" << "0,00";
    QTest::newRow("50/50 as designed: at rest, tension is the weight") << 50 << 50 << "0,000" << "490,00";
    QTest::newRow("1/0") << 1 << 0 << "-9,800" << "0,00";
}

void TestAtwoodModel::physicsOfTheMasses()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(QString, a1);
    QFETCH(QString, tension);

    const Physics p = physics(m1, m2);
    QVERIFY(p.solvable);
    QCOMPARE(ui::format3(p.acceleration1), a1);
    QCOMPARE(ui::format2(p.tension), tension);
    QCOMPARE(p.acceleration, std::fabs(p.acceleration1));
    // Newton's second law holds for each block (a1 upwards for mass 1,
    // downwards for mass 2).
    QVERIFY(std::fabs(m1 * p.acceleration1 - (p.tension - m1 * g)) < 1e-9);
    QVERIFY(std::fabs(m2 * -p.acceleration1 - (p.tension - m2 * g)) < 1e-9);
}

// Fault caught: a division by zero when both scroll bars are at the left.
void TestAtwoodModel::bothMassesZeroHaveNoSolution()
{
    const Physics p = physics(0, 0);
    QVERIFY(!p.solvable);
    QVERIFY(std::isfinite(p.acceleration1) && std::isfinite(p.tension));
}

// Fault caught: the floor test made with > instead of ≥, or on the wrong
// block, or equal masses that move.
void TestAtwoodModel::nextStepByTheHeavierBlock_data()
{
    QTest::addColumn<int>("v1");
    QTest::addColumn<int>("v2");
    QTest::addColumn<double>("bottom1");
    QTest::addColumn<double>("bottom2");
    QTest::addColumn<int>("step");

    const double floor = 0.94 * H;
    const auto advance = int(Step::Advance);
    const auto stop = int(Step::Stop);
    const auto halt = int(Step::Halt);
    QTest::newRow("block 1 heavier, above the floor") << 61 << 41 << floor - 1 << floor + 500 << advance;
    QTest::newRow("block 1 heavier, bottom on the floor line") << 61 << 41 << floor << floor + 500 << advance;
    QTest::newRow("block 1 heavier, past the floor") << 61 << 41 << floor + 0.01 << 0.0 << stop;
    QTest::newRow("block 2 heavier, above the floor") << 41 << 61 << floor + 500 << floor - 1 << advance;
    QTest::newRow("block 2 heavier, past the floor") << 41 << 61 << 0.0 << floor + 0.01 << stop;
    QTest::newRow("equal masses halt wherever the blocks are") << 51 << 51 << floor + 9 << floor - 9 << halt;
    QTest::newRow("both masses zero halt") << 1 << 1 << 0.6 * H << 0.6 * H << halt;
}

void TestAtwoodModel::nextStepByTheHeavierBlock()
{
    QFETCH(int, v1);
    QFETCH(int, v2);
    QFETCH(double, bottom1);
    QFETCH(double, bottom2);
    QFETCH(int, step);

    Shapes now;
    now.block1.bottom = bottom1;
    now.block2.bottom = bottom2;
    QCOMPARE(int(nextStep(now, v1, v2, H)), step);
}

// Fault caught: a wrong scale, time step or distance formula changes how
// long a run lasts and what it shows at the end.
void TestAtwoodModel::runsEndPastTheFloorLine_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<int>("advances");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<int>("strobes");

    QTest::newRow("60/40: one metre in one second") << 60 << 40 << 100 << "1,000" << "0,980" << 10;
    QTest::newRow("40/60: the same, block 2 sinking") << 40 << 60 << 100 << "1,000" << "0,980" << 10;
    QTest::newRow("100/0: free fall") << 100 << 0 << 42 << "0,420" << "0,864" << 4;
}

void TestAtwoodModel::runsEndPastTheFloorLine()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(int, advances);
    QFETCH(QString, time);
    QFETCH(QString, distance);
    QFETCH(int, strobes);

    const Run run = runFrom(loadedThenSetTo(m1, m2, physics(m1, m2).tension), m1, m2);
    QCOMPARE(int(run.last), int(Step::Stop));
    QCOMPARE(run.advances, advances);
    QCOMPARE(ui::format3(run.state.simTime), time);
    QCOMPARE(ui::format3(run.state.distance), distance);
    QCOMPARE(run.strobeTicks, strobes);
    const double sunk = m1 > m2 ? run.state.now.block1.bottom : run.state.now.block2.bottom;
    QVERIFY(sunk > 0.94 * H);
    QVERIFY(run.bottomBeforeLast <= 0.94 * H);
}

// Fault caught: moving by the new position instead of the difference of
// t², or using one block's scale for both.
void TestAtwoodModel::positionFollowsHalfATSquared()
{
    const State start = loadedThenSetTo(70, 30, physics(70, 30).tension);
    State state = start;
    const double a = 40 * g / 100;
    const double scale = 0.94 * H - 0.65 * H;
    for (int tick = 1; tick <= 37; ++tick) {
        advance(state, 71, 31, H);
        const double t = tick * 0.01;
        const double s = a * t * t / 2;
        QVERIFY(std::fabs(state.now.block1.bottom - (start.now.block1.bottom + s * scale)) < 1e-6);
        QVERIFY(std::fabs(state.now.block1.top - (start.now.block1.top + s * scale)) < 1e-6);
        QVERIFY(std::fabs(state.now.block2.top - (start.now.block2.top - s * scale)) < 1e-6);
        QVERIFY(std::fabs(state.now.weight1.y2 - (start.now.weight1.y2 + s * scale)) < 1e-6);
        QVERIFY(std::fabs(state.now.pull2.y1 - (start.now.pull2.y1 - s * scale)) < 1e-6);
        QVERIFY(std::fabs(state.distance - s) < 1e-12);
        QCOMPARE(state.now.block1.left, start.now.block1.left);
        QCOMPARE(state.now.pull1.x2, start.now.pull1.x2);
    }
}

// Fault caught: the second test taking the first's sign, so that block 2
// would sink upwards or the distance show negative.
void TestAtwoodModel::mirroredMassesMirrorTheRun()
{
    const Run left = runFrom(loadedThenSetTo(60, 40, 470.4), 60, 40);
    const Run right = runFrom(loadedThenSetTo(40, 60, 470.4), 40, 60);
    QCOMPARE(right.advances, left.advances);
    QVERIFY(right.state.distance > 0);
    QVERIFY(std::fabs(right.state.distance - left.state.distance) < 1e-12);
    const double fall = left.state.now.block1.bottom - 0.66 * H;
    QVERIFY(std::fabs((right.state.now.block2.bottom - 0.66 * H) - fall) < 1e-6);
    QVERIFY(std::fabs((0.64 * H - right.state.now.block1.bottom) - fall) < 1e-6);
}

// Fault caught: a scale taken from the block's present start position: a
// heavy block then needs longer to reach the floor.
void TestAtwoodModel::scaleComesFromTheBottomsAtLoad()
{
    const int m1 = 90;
    const int m2 = 10;
    const Run run = runFrom(loadedThenSetTo(m1, m2, 0), m1, m2);
    // With the load's 0.29·H per metre, the block starting at 0.69·H passes
    // the floor once ½·a·t² > 0.25 / 0.29 m.
    const double a = (m1 - m2) * g / (m1 + m2);
    int expected = 0;
    while (a * (expected * 0.01) * (expected * 0.01) / 2 * 0.29 <= 0.25 + 1e-12)
        ++expected;
    QCOMPARE(run.advances, expected);
}

// Fault caught: prev not holding what was drawn before the move, or the
// marks not following the present forces.
void TestAtwoodModel::advanceKeepsPrevAndMarks()
{
    State state = loadedThenSetTo(100, 0, 0);
    state.now.pull1.mark = TipMark::Cap; // as if drawn while the tension was not zero
    const Shapes before = state.now;
    advance(state, 101, 1, H);
    QCOMPARE(state.prev.block1.bottom, before.block1.bottom);
    QCOMPARE(state.prev.pull1.mark, TipMark::Cap);
    QCOMPARE(state.now.pull1.mark, TipMark::Dot);
    QCOMPARE(state.now.pull2.mark, TipMark::Dot);
    QCOMPARE(state.now.weight1.mark, TipMark::Cap);
    QCOMPARE(state.now.weight2.mark, TipMark::Dot);
    QCOMPARE(state.prevTime, state.simTime);

    state = loadedThenSetTo(60, 40, 470.4);
    advance(state, 61, 41, H);
    QCOMPARE(state.now.pull1.mark, TipMark::Cap);
    QCOMPARE(state.now.weight2.mark, TipMark::Cap);
}

void TestAtwoodModel::stopFreezesTheScene()
{
    State state = loadedThenSetTo(60, 40, 470.4);
    advance(state, 61, 41, H);
    advance(state, 61, 41, H);
    const Shapes now = state.now;
    stop(state);
    QVERIFY(state.needsReset);
    QCOMPARE(state.now.block1.bottom, now.block1.bottom);
    QCOMPARE(state.prev.block1.bottom, now.block1.bottom);
    QCOMPARE(state.prev.weight2.y2, now.weight2.y2);
}

// Fault caught: comparing the summed time exactly (0.1 is never hit), or
// rounding halves away from zero.
void TestAtwoodModel::strobeEveryTenthOfASecond_data()
{
    QTest::addColumn<double>("time");
    QTest::addColumn<bool>("due");

    double summed = 0;
    for (int i = 0; i < 10; ++i)
        summed += 0.01;
    QTest::newRow("first tick") << 0.01 << false;
    QTest::newRow("ten summed steps, a hair under 0.1") << summed << true;
    QTest::newRow("0.2") << 0.2 << true;
    QTest::newRow("0.15") << 0.15 << false;
    QTest::newRow("0.99") << 0.99 << false;
    QTest::newRow("a hair over 1.0") << 1.0000000000000007 << true;
    QTest::newRow("10.5 hundredths: halves go to even, 10") << 0.105 << true;
    QTest::newRow("30.5 hundredths: halves go to even, 30") << 0.305 << true;
}

void TestAtwoodModel::strobeEveryTenthOfASecond()
{
    QFETCH(double, time);
    QFETCH(bool, due);
    QCOMPARE(strobeDue(time), due);
}

QTEST_GUILESS_MAIN(TestAtwoodModel)
#include "tst_atwood_model.moc"
