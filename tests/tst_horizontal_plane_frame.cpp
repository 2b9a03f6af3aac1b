#include "simulations/horizontal_plane/horizontal_plane_frame.h"
#include "core/run_clock.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace simulation::horizontal_plane;

Q_DECLARE_METATYPE(simulation::horizontal_plane::Setup)

constexpr double W = 7080; // the picture as laid out, in twips
constexpr double H = 6000;

class HorizontalPlaneFrameTest : public QObject
{
    Q_OBJECT

private slots:
    // The run ends once block 2 has passed the floor line at 0,84·H. In a
    // picture 1530 twips high a 565-kg block 2 reaches it exactly at the start.
    void touchingTheFloorLineDoesNotStop()
    {
        constexpr double low = 1530;
        QCOMPARE(blocksAt({{0, 565, 0}, 0, 0}, W, low).two.bottom, 0.84 * low);
        QVERIFY(!pastFloor({{0, 565, 0}, 0, 0}, W, low));
        QVERIFY(pastFloor({{0, 566, 0}, 0, 0}, W, low));
    }

    // Both blocks move ½ a t² metres (a = 2,45 for 50/30, μ 0,2), each on its
    // own scale: one metre is the drop from block 2's first bottom (0,325·H) to
    // the floor line (0,84·H), 3090 twips down, and 0,84·W − 0,325·H = 3997,2
    // twips across.
    void blocksMoveOnTheirOwnScales()
    {
        const Setup setup{50, 30, 0.2};
        core::RunClock clock;
        for (int i = 0; i < 37; ++i)
            clock.tick();
        const Blocks start = blocksAt({setup, 0, 0}, W, H);
        const Blocks moved = blocksAt({setup, 0, clock.time()}, W, H);
        const double metres = 0.5 * 2.45 * 0.37 * 0.37;
        QVERIFY(std::fabs(moved.one.right - start.one.right - metres * 3997.2) < 1e-6);
        QVERIFY(std::fabs(moved.two.bottom - start.two.bottom - metres * 3090) < 1e-6);
    }

    void frictionArrowToScale_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<double>("newtons");
        QTest::newRow("50/30, μ 0,2 sliding: μ m1 g") << Setup{50, 30, 0.2} << 98.0;
        QTest::newRow("100/10, μ 0,5 held: the pull m2 g, not μ m1 g = 490") << Setup{100, 10, 0.5} << 98.0;
    }

    // Arrows run from the block centre, 0,00015 of the picture's width per newton.
    void frictionArrowToScale()
    {
        QFETCH(Setup, setup);
        QFETCH(double, newtons);
        const State state{setup, 100, 0};
        const core::Frame f = frame(state, W, H);
        const auto friction = std::find_if(f.shapes().begin(), f.shapes().end(),
                                           [](const core::Shape &s) { return s.colour == core::colour::yellow; });
        QVERIFY(friction != f.shapes().end());
        QCOMPARE(friction->kind, core::Shape::Kind::Line);
        QCOMPARE(friction->a.x, blocksAt(state, W, H).one.centreX());
        QVERIFY(std::fabs(friction->a.x - friction->b.x - 0.00015 * W * newtons) < 1e-9);
    }
};

QTEST_GUILESS_MAIN(HorizontalPlaneFrameTest)
#include "tst_horizontal_plane_frame.moc"
