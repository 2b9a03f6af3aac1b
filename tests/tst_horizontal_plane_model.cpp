#include "simulations/horizontal_plane/horizontal_plane_model.h"

#include <QTest>

#include <cmath>

using namespace horizontal;

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
    return run;
}

} // namespace

class HorizontalPlaneModelTest : public QObject
{
    Q_OBJECT

private slots:
    void touchingTheFloorLineDoesNotStop();
    void blocksMoveOnTheirOwnScales();
    void strobeMarksEveryTenthTickDespiteRoundingError();
};

// The run ends once block 2 has passed the floor line at 0,84·H; a tick that
// finds it exactly on the line still advances.
void HorizontalPlaneModelTest::touchingTheFloorLineDoesNotStop()
{
    const Setup design{50, 50, 0};
    Run run = designStart();
    run.block2Now.bottom = 0.84 * H;
    QVERIFY(!mustStop(run, design, H));
    run.block2Now.bottom = std::nextafter(0.84 * H, H);
    QVERIFY(mustStop(run, design, H));
}

// Both blocks move ½ a t² metres, each on its own scale: one metre is the
// drop from block 2's first bottom (0,325·H) to the floor line (0,84·H),
// 3090 twips down, and 0,84·W − 0,325·H = 3997,2 twips across.
void HorizontalPlaneModelTest::blocksMoveOnTheirOwnScales()
{
    const Setup setup{50, 30, 20}; // a = 2,45
    const Run start = designStart();
    Run run = start;
    for (int i = 0; i < 37; ++i)
        advance(run, setup, W, H);
    const double metres = 0.5 * 2.45 * 0.37 * 0.37;
    QVERIFY(std::fabs(run.distance - metres) < 1e-12);

    const auto movedBy = [](const Rect &now, const Rect &was, double dx, double dy) {
        return std::fabs(now.left - was.left - dx) + std::fabs(now.right - was.right - dx)
                   + std::fabs(now.top - was.top - dy) + std::fabs(now.bottom - was.bottom - dy)
            < 1e-6;
    };
    QVERIFY(movedBy(run.block1Now, start.block1Now, metres * 3997.2, 0));
    QVERIFY(movedBy(run.block2Now, start.block2Now, 0, metres * 3090));
}

// Runs of slow setups last hundreds of ticks; 0,01 added up drifts from
// the exact tenths.
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
