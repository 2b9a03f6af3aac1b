#include "simulations/horizontal_plane/horizontal_plane_model.h"

#include <QTest>

#include <cmath>

using namespace horizontal;

Q_DECLARE_METATYPE(horizontal::Motion)

namespace {

constexpr double W = 7080; // the picture as laid out, in twips
constexpr double H = 6000;

// Blocks where the first picture puts them; bottom2Start is block 2's bottom.
Run designStart()
{
    Run run;
    run.block1Now = {0.15 * W, 0.08 * H, 0.2 * W, 0.18 * H};
    run.block2Now = {0.85 * W, 0.275 * H, 0.95 * W, 0.325 * H};
    run.bottom2Start = 0.325 * H;
    run.rememberDrawn();
    return run;
}

} // namespace

class HorizontalPlaneModelTest : public QObject
{
    Q_OBJECT

private slots:
    void forces_data();
    void forces();
    void movingTensionSatisfiesBothBlocks();
    void designRunTakesSixtyFourTicksToThePassedFloor();
    void touchingTheFloorLineDoesNotStop();
    void noMotionStopsTheRun_data();
    void noMotionStopsTheRun();
    void blocksMoveByHalfATSquaredOnTheirOwnScales();
    void strobeMarksEveryTenthTickDespiteRoundingError();
};

void HorizontalPlaneModelTest::forces_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<int>("p");
    QTest::addColumn<Motion>("expectedMotion");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("tension");
    QTest::addColumn<double>("friction");

    QTest::newRow("50/30, μ 0,2: slides, sliding friction μ m1 g")
        << 50 << 30 << 20 << Motion::Moving << 2.45 << 220.5 << 98.0;
    QTest::newRow("design 50/50 without friction") << 50 << 50 << 0 << Motion::Moving << 4.9 << 245.0 << 0.0;
    QTest::newRow("100/20, μ 0,2: D = 0 exactly, held, friction equals the pull")
        << 100 << 20 << 20 << Motion::Held << 0.0 << 196.0 << 196.0;
    QTest::newRow("100/10, μ 0,5: friction could give more, gives only the pull")
        << 100 << 10 << 50 << Motion::Held << 0.0 << 98.0 << 98.0;
    QTest::newRow("m1 = 0: block 2 falls freely, slack cord") << 0 << 10 << 50 << Motion::Moving << 9.8 << 0.0 << 0.0;
    QTest::newRow("m2 = 0: nothing pulls, held") << 30 << 0 << 0 << Motion::Held << 0.0 << 0.0 << 0.0;
    QTest::newRow("both masses zero: no solution") << 0 << 0 << 40 << Motion::NoSolution << 0.0 << 0.0 << 0.0;
}

void HorizontalPlaneModelTest::forces()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(int, p);
    QFETCH(Motion, expectedMotion);
    const Setup setup{m1, m2, p};

    QCOMPARE(motion(setup), expectedMotion);
    QFETCH(double, friction);
    QCOMPARE(frictionForce(setup) + 1, friction + 1);
    QCOMPARE(weight2(setup) + 1, m2 * 9.8 + 1);
    if (expectedMotion == Motion::NoSolution)
        return;
    QFETCH(double, tension);
    QCOMPARE(horizontal::tension(setup) + 1, tension + 1);
    if (expectedMotion == Motion::Moving) {
        QFETCH(double, a);
        QCOMPARE(acceleration(setup), a);
    }
}

// The moving tension must be the same force seen from either block:
// m2 (g − a) on the hanging one, m1 (a + μ g) on the sliding one.
void HorizontalPlaneModelTest::movingTensionSatisfiesBothBlocks()
{
    int moving = 0;
    for (int m1 = 0; m1 <= 100; m1 += 3) {
        for (int m2 = 0; m2 <= 100; m2 += 7) {
            for (int p = 0; p <= 100; p += 9) {
                const Setup setup{m1, m2, p};
                if (motion(setup) != Motion::Moving)
                    continue;
                ++moving;
                const double a = acceleration(setup);
                const double t = tension(setup);
                QVERIFY2(std::fabs(t - m2 * (9.8 - a)) < 1e-9, qPrintable(QStringLiteral("%1/%2/%3").arg(m1).arg(m2).arg(p)));
                QVERIFY(std::fabs(t - m1 * (a + setup.mu() * 9.8)) < 1e-9);
                QVERIFY(a > 0 && a <= 9.8);
            }
        }
    }
    QVERIFY(moving > 100);
}

// With 50 and 50 kg and no friction block 2 drops one metre to the floor
// line: ½ · 4,9 · t² first exceeds 1 at t = 0,64 s.
void HorizontalPlaneModelTest::designRunTakesSixtyFourTicksToThePassedFloor()
{
    const Setup design{50, 50, 0};
    Run run = designStart();
    QList<int> strobeTicks;
    int ticks = 0;
    while (!mustStop(run, design, H)) {
        QVERIFY2(ticks < 1000, "the run never stops");
        advance(run, design, W, H);
        ++ticks;
        if (isStrobeTime(run.simTime))
            strobeTicks.append(ticks);
        if (ticks == 63)
            QVERIFY(run.block2Now.bottom <= floorLine(H));
    }
    QCOMPARE(ticks, 64);
    QVERIFY(run.block2Now.bottom > floorLine(H));
    QCOMPARE(run.simTime, 0.64);
    QCOMPARE(run.distance, 2.45 * 0.64 * 0.64);
    QVERIFY(run.distance > 1.0035 && run.distance < 1.0036);
    QCOMPARE(strobeTicks, (QList<int>{10, 20, 30, 40, 50, 60}));
}

void HorizontalPlaneModelTest::touchingTheFloorLineDoesNotStop()
{
    const Setup design{50, 50, 0};
    Run run = designStart();
    run.block2Now.bottom = floorLine(H);
    QVERIFY(!hasPassedFloor(run, H));
    QVERIFY(!mustStop(run, design, H));
    run.block2Now.bottom = std::nextafter(floorLine(H), H);
    QVERIFY(hasPassedFloor(run, H));
    QVERIFY(mustStop(run, design, H));
}

void HorizontalPlaneModelTest::noMotionStopsTheRun_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<int>("p");
    QTest::addColumn<bool>("stops");
    QTest::newRow("held by friction") << 100 << 20 << 20 << true;
    QTest::newRow("both masses zero") << 0 << 0 << 0 << true;
    QTest::newRow("moving") << 100 << 21 << 20 << false;
}

// A tick must never divide by m1 + m2 = 0 nor move blocks that friction
// holds.
void HorizontalPlaneModelTest::noMotionStopsTheRun()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(int, p);
    QFETCH(bool, stops);
    QCOMPARE(mustStop(designStart(), Setup{m1, m2, p}, H), stops);
}

// Block 1 moves right and block 2 down by the same distance in metres, each
// on its own scale: 0,84·W − Bottom2Start twips per metre across and
// 0,84·H − Bottom2Start down (3997,2 against 3090 for the laid-out picture).
void HorizontalPlaneModelTest::blocksMoveByHalfATSquaredOnTheirOwnScales()
{
    const Setup setup{50, 30, 20};
    const Run start = designStart();
    QCOMPARE(horizontalScale(start, W), 0.84 * W - 0.325 * H);
    QCOMPARE(verticalScale(start, H), 3090.0);
    Run run = start;
    for (int i = 0; i < 37; ++i) {
        const Rect before = run.block1Now;
        advance(run, setup, W, H);
        QCOMPARE(run.block1Prev, before);
    }
    const double metres = 0.5 * acceleration(setup) * run.simTime * run.simTime;
    QVERIFY(std::fabs(run.distance - metres) < 1e-12);
    const double across = run.block1Now.left - start.block1Now.left;
    const double down = run.block2Now.bottom - start.block2Now.bottom;
    QVERIFY(std::fabs(across - metres * horizontalScale(start, W)) < 1e-9);
    QCOMPARE(run.block1Now.right - run.block1Now.left, start.block1Now.right - start.block1Now.left);
    QVERIFY(std::fabs(down - metres * 3090) < 1e-9);
    QCOMPARE(run.block2Now.bottom - run.block2Now.top, start.block2Now.bottom - start.block2Now.top);
    QCOMPARE(run.block1Now.top, start.block1Now.top);
    QCOMPARE(run.block2Now.left, start.block2Now.left);
}

void HorizontalPlaneModelTest::strobeMarksEveryTenthTickDespiteRoundingError()
{
    double time = 0;
    for (int tick = 1; tick <= 500; ++tick) {
        time += TimeStep;
        QVERIFY2(isStrobeTime(time) == (tick % 10 == 0), qPrintable(QString::number(tick)));
    }
}

QTEST_GUILESS_MAIN(HorizontalPlaneModelTest)
#include "tst_horizontal_plane_model.moc"
