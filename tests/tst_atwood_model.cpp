#include "core/simulations/atwood_scene.h"
#include "core/simulations/run_clock.h"

#include <QtTest>

#include <algorithm>

using namespace simulation::atwood;

namespace {

// The picture of the window as designed, in twips.
constexpr double W = 5535;
constexpr double H = 6855;

// Shapes in a fixed order, so two frames drawn in different orders compare.
std::vector<core::Shape> sorted(std::vector<core::Shape> shapes)
{
    const auto key = [](const core::Shape &s) {
        return std::tuple(int(s.kind), s.colour, s.a.x, s.a.y, s.b.x, s.b.y, s.radius, s.start);
    };
    std::sort(shapes.begin(), shapes.end(), [&](const auto &l, const auto &r) { return key(l) < key(r); });
    return shapes;
}

bool near(double a, double b) { return std::abs(a - b) < 1e-6; }

} // namespace

class TestAtwoodModel : public QObject
{
    Q_OBJECT

private slots:
    // Fault caught: a run that ends a tick early or late, a block moved by its
    // new position instead of the change of ½·a·t², the rising block sinking
    // too, the wrong scale (one metre is 0.29·H for the blocks of the load), an
    // arrow or cord left behind its block, or a tip mark that does not follow
    // the forces (a mass of 0 has no weight, and then the cord no tension).
    void aRunMovesBothBlocksAlongTheCord_data()
    {
        QTest::addColumn<double>("m1");
        QTest::addColumn<double>("m2");
        QTest::addColumn<double>("lastTime");
        QTest::addColumn<double>("metres"); // ½·a·t² at lastTime: a = 1,96 for 60/40, 9,8 with a mass of 0
        QTest::newRow("60/40: block 1 sinks") << 60.0 << 40.0 << 1.00 << 0.98;
        QTest::newRow("40/60: block 2 sinks") << 40.0 << 60.0 << 1.00 << -0.98;
        QTest::newRow("100/0: no weight 2, no tension") << 100.0 << 0.0 << 0.42 << 0.86436;
        QTest::newRow("0/35: no weight 1, no tension") << 0.0 << 35.0 << 0.47 << -1.08241;
    }

    void aRunMovesBothBlocksAlongTheCord()
    {
        QFETCH(double, m1);
        QFETCH(double, m2);
        QFETCH(double, lastTime);
        QFETCH(double, metres);

        // Loaded with 50 and 50, then the scroll bars moved to m1 and m2.
        FrameState state{{m1, m2}, {50, 50}, 0};
        const core::Frame atRest = frame(state, W, H);
        core::RunClock clock;
        while (!pastFloor(state, H) && clock.time() < 10) {
            clock.tick();
            state.time = clock.time();
        }
        QCOMPARE(QString::number(state.time, 'f', 2), QString::number(lastTime, 'f', 2));

        // Block 1, its cord's end and its arrows go down by the distance run, to
        // scale (up when block 1 is the lighter); block 2 the other way. The
        // cords still start at the pulley's centre.
        const double d = metres * 0.29 * H;
        std::vector<core::Shape> expected = atRest.shapes();
        for (core::Shape &shape : expected) {
            const double dy = shape.a.x < W / 2 ? d : -d;
            if (!near(shape.a.y, 0.16 * H))
                shape.a.y += dy;
            if (shape.kind == core::Shape::Kind::Line)
                shape.b.y += dy;
        }
        const std::vector<core::Shape> got = sorted(frame(state, W, H).shapes());
        const std::vector<core::Shape> want = sorted(expected);
        QCOMPARE(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            QVERIFY2(got[i].kind == want[i].kind && got[i].colour == want[i].colour && near(got[i].a.x, want[i].a.x)
                         && near(got[i].a.y, want[i].a.y) && near(got[i].b.y, want[i].b.y) && got[i].radius == want[i].radius,
                     qPrintable(QStringLiteral("shape %1 at y %2, want %3").arg(i).arg(got[i].a.y).arg(want[i].a.y)));
        }
    }
};

QTEST_GUILESS_MAIN(TestAtwoodModel)
#include "tst_atwood_model.moc"
