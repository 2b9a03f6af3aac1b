#include "simulations/horizontal_plane/horizontal_plane_model.h"

#include <QTest>

#include <cmath>

using namespace horizontal;

constexpr double W = 7080; // the picture as laid out, in twips
constexpr double H = 6000;

class HorizontalPlaneModelTest : public QObject
{
    Q_OBJECT

private slots:
    void touchingTheFloorLineDoesNotStop();
    void blocksMoveOnTheirOwnScales();
    void strobeMarksEveryTenthTickDespiteRoundingError();
};

// The run ends once block 2 has passed the floor line at 0,84·H.
void HorizontalPlaneModelTest::touchingTheFloorLineDoesNotStop()
{
    Run run;
    run.block2Now.bottom = 0.84 * H;
    QVERIFY(!mustStop(run, Setup{}, H));
    run.block2Now.bottom = std::nextafter(0.84 * H, H);
    QVERIFY(mustStop(run, Setup{}, H));
}

// Both blocks move ½ a t² metres (a = 2,45 for 50/30, μ 0,2), each on its
// own scale: one metre is the drop from block 2's first bottom (0,325·H) to
// the floor line (0,84·H), 3090 twips down, and 0,84·W − 0,325·H = 3997,2
// twips across.
void HorizontalPlaneModelTest::blocksMoveOnTheirOwnScales()
{
    Run start; // where the first picture puts the blocks
    start.block1Now = {0.15 * W, 0.08 * H, 0.2 * W, 0.18 * H};
    start.block2Now = {0.85 * W, 0.275 * H, 0.95 * W, 0.325 * H};
    start.bottom2Start = 0.325 * H;
    Run run = start;
    for (int i = 0; i < 37; ++i)
        advance(run, Setup{50, 30, 20}, W, H);
    const double metres = 0.5 * 2.45 * 0.37 * 0.37;
    QVERIFY(std::fabs(run.distance - metres) < 1e-12);
    QVERIFY(std::fabs(run.block1Now.right - start.block1Now.right - metres * 3997.2) < 1e-6);
    QVERIFY(std::fabs(run.block2Now.bottom - start.block2Now.bottom - metres * 3090) < 1e-6);
}

// Slow runs last hundreds of ticks; 0,01 added up drifts from exact tenths.
void HorizontalPlaneModelTest::strobeMarksEveryTenthTickDespiteRoundingError()
{
    double time = 0;
    for (int tick = 1; tick <= 700; ++tick) {
        time += TimeStep;
        QVERIFY2(isStrobeTime(time) == (tick % 10 == 0), qPrintable(QString::number(tick)));
    }
}

QTEST_GUILESS_MAIN(HorizontalPlaneModelTest)
#include "tst_horizontal_plane_model.moc"
