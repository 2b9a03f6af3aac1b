// The block on the table pulled over a pulley: when it moves, how far each
// block goes on its own scale, where the run ends and the friction arrow.

#include "core/simulations/horizontal_plane_scene.h"
#include "core/physics/horizontal_plane_model.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace simulation::horizontal_plane;

Q_DECLARE_METATYPE(simulation::horizontal_plane::Setup)
Q_DECLARE_METATYPE(simulation::horizontal_plane::Regime)

constexpr double W = 7080; // the picture as laid out, in twips
constexpr double H = 6000;

class HorizontalPlaneModelTest : public QObject
{
    Q_OBJECT

private slots:
    void regimeAtTheBoundaries_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Regime>("regime");
        QTest::newRow("both masses zero: no solution") << Setup{0, 0, 0.3} << Regime::NoSolution;
        QTest::newRow("block 1 massless: it moves") << Setup{0, 10, 0.5} << Regime::Moving;
        QTest::newRow("block 2 massless: held") << Setup{10, 0, 0} << Regime::Held;
        QTest::newRow("100/20, μ 0,2: D = 0, held") << Setup{100, 20, 0.2} << Regime::Held;
        QTest::newRow("100/21, μ 0,2: D = 0,01 kg, the least that moves") << Setup{100, 21, 0.2} << Regime::Moving;
        // μ m1 rounded a hair below m2 in these; they ran for ever at a ≈ 0.
        QTest::newRow("29/29, μ 1: balanced, held") << Setup{29, 29, 1} << Regime::Held;
        QTest::newRow("58/29, μ 0,5: balanced, held") << Setup{58, 29, 0.5} << Regime::Held;
        QTest::newRow("58/58, μ 1: balanced, held") << Setup{58, 58, 1} << Regime::Held;
    }

    void regimeAtTheBoundaries()
    {
        QFETCH(Setup, setup);
        QTEST(regime(setup), "regime");
    }

    // The run ends once block 2 has passed the floor line at 0,84·H. In a
    // picture 1530 twips high a 565-kg block 2 reaches it exactly at the start.
    void touchingTheFloorLineDoesNotStop()
    {
        QCOMPARE(blocksAt({{0, 565, 0}, 0, 0}, W, 1530).two.bottom, 0.84 * 1530);
        QVERIFY(!pastFloor({{0, 565, 0}, 0, 0}, W, 1530));
        QVERIFY(pastFloor({{0, 566, 0}, 0, 0}, W, 1530));
    }

    // Both blocks move ½ a t² metres (a = 2,45 for 50/30, μ 0,2) after 37
    // ticks, each on its own scale: one metre is the drop from block 2's
    // first bottom (0,325·H) to the floor line (0,84·H), 3090 twips down, and
    // 0,84·W − 0,325·H = 3997,2 twips across.
    void blocksMoveOnTheirOwnScales()
    {
        const Setup setup{50, 30, 0.2};
        const Blocks start = blocksAt({setup, 0, 0}, W, H);
        const Blocks moved = blocksAt({setup, 0, 0.37}, W, H);
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
        const std::vector<core::Shape> shapes = frame(state, W, H).shapes();
        const auto friction = std::find_if(shapes.begin(), shapes.end(), [](const core::Shape &s) { return s.colour == core::colour::yellow; });
        QVERIFY(friction != shapes.end() && friction->kind == core::Shape::Kind::Line);
        QCOMPARE(friction->a.x, blocksAt(state, W, H).one.centreX());
        QVERIFY(std::fabs(friction->a.x - friction->b.x - 0.00015 * W * newtons) < 1e-9);
    }
};

QTEST_GUILESS_MAIN(HorizontalPlaneModelTest)
#include "tst_horizontal_plane_model.moc"
