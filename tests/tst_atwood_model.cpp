#include "simulations/atwood/atwood_model.h"
#include "simulations/atwood/atwood_scene.h"
#include "support/recording_canvas.h"

#include <QtTest>

using namespace atwood;

Q_DECLARE_METATYPE(atwood::Step)

namespace {

// The picture of the window as designed, in twips.
constexpr double W = 5535;
constexpr double H = 6855;

} // namespace

class TestAtwoodModel : public QObject
{
    Q_OBJECT

private slots:
    void floorTestByTheHeavierBlock_data();
    void floorTestByTheHeavierBlock();
    void aRunMovesBothBlocksAlongTheCord_data();
    void aRunMovesBothBlocksAlongTheCord();
    void strobeEveryTenthOfASecond();
};

// Fault caught: the floor test made with > instead of ≥, or on the wrong
// block, or equal masses that move.
void TestAtwoodModel::floorTestByTheHeavierBlock_data()
{
    QTest::addColumn<int>("v1");
    QTest::addColumn<int>("v2");
    QTest::addColumn<double>("bottom1");
    QTest::addColumn<double>("bottom2");
    QTest::addColumn<Step>("step");

    const double floor = FloorLine * H;
    QTest::newRow("block 1 heavier, bottom on the floor line: goes on") << 61 << 41 << floor << floor + 500 << Step::Advance;
    QTest::newRow("block 1 heavier, past the floor: stops") << 61 << 41 << floor + 0.01 << 0.0 << Step::Stop;
    QTest::newRow("block 2 heavier, bottom on the floor line: goes on") << 41 << 61 << floor + 500 << floor << Step::Advance;
    QTest::newRow("block 2 heavier, past the floor: stops") << 41 << 61 << 0.0 << floor + 0.01 << Step::Stop;
    QTest::newRow("equal masses halt wherever the blocks are") << 51 << 51 << floor - 9 << floor - 9 << Step::Halt;
}

void TestAtwoodModel::floorTestByTheHeavierBlock()
{
    QFETCH(int, v1);
    QFETCH(int, v2);
    QFETCH(double, bottom1);
    QFETCH(double, bottom2);
    QFETCH(Step, step);

    Shapes now;
    now.block1.bottom = bottom1;
    now.block2.bottom = bottom2;
    QCOMPARE(nextStep(now, v1, v2, H), step);
}

// Fault caught: a block moved by its new position instead of the change of
// ½·a·t², the rising block sinking too, an arrow left behind its block, or a
// tip mark that does not follow the forces (a mass of 0 has no weight).
void TestAtwoodModel::aRunMovesBothBlocksAlongTheCord_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");

    QTest::newRow("60/40: block 1 sinks") << 60 << 40;
    QTest::newRow("40/60: block 2 sinks") << 40 << 60;
    QTest::newRow("100/0: no weight 2, no tension") << 100 << 0;
    QTest::newRow("0/35: no weight 1, no tension") << 0 << 35;
}

void TestAtwoodModel::aRunMovesBothBlocksAlongTheCord()
{
    QFETCH(int, m1);
    QFETCH(int, m2);

    // Loaded with 50 and 50 (both bottoms at 0.65·H, one metre above the
    // floor line), then the scroll bars moved to m1 and m2.
    State state;
    state.bottom1Start = state.bottom2Start = 0.65 * H;
    state.tension = physics(m1, m2).tension;
    state.now = scene::startShapes(RecordingCanvas(W, H), m1, m2, state.tension);
    const Shapes start = state.now;
    while (state.simTime < 10 && nextStep(state.now, m1 + 1, m2 + 1, H) == Step::Advance)
        advance(state, m1 + 1, m2 + 1, H);
    QCOMPARE(nextStep(state.now, m1 + 1, m2 + 1, H), Step::Stop);

    // Block 1 and its arrows go down by the distance run, to scale (up when
    // block 1 is the lighter); block 2 and its arrows the other way.
    const double d = (m1 > m2 ? 1 : -1) * state.distance * 0.29 * H;
    Shapes expected = start;
    for (double *y : {&expected.block1.top, &expected.block1.bottom, &expected.weight1.y1, &expected.weight1.y2,
                      &expected.pull1.y1, &expected.pull1.y2})
        *y += d;
    for (double *y : {&expected.block2.top, &expected.block2.bottom, &expected.weight2.y1, &expected.weight2.y2,
                      &expected.pull2.y1, &expected.pull2.y2})
        *y -= d;
    RecordingCanvas want(W, H);
    RecordingCanvas got(W, H);
    scene::drawMoving(want, expected, 0);
    scene::drawMoving(got, state.now, 0);
    QCOMPARE(got.ops.size(), want.ops.size());
    for (qsizetype i = 0; i < got.ops.size(); ++i)
        QVERIFY2(got.ops[i].sameShape(want.ops[i], 1e-6), qPrintable(got.ops[i].toString()));
}

// Fault caught: strobe marks at other ticks than every tenth of a second,
// or some lost to the drift of the summed time steps.
void TestAtwoodModel::strobeEveryTenthOfASecond()
{
    double simTime = 0;
    for (int tick = 1; tick <= 200; ++tick) {
        simTime += TimeStep;
        QVERIFY2(strobeDue(simTime) == (tick % 10 == 0), qPrintable(QString::number(tick)));
    }
}

QTEST_GUILESS_MAIN(TestAtwoodModel)
#include "tst_atwood_model.moc"
