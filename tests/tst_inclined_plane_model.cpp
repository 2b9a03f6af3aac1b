// The inclined-plane motion and drawing: whether the block slides, whole
// runs tick by tick as the window steps them, the block's place on the slope
// and the heads of the forces, which must bulge forward from their tips.

#include "core/simulations/inclined_plane_scene.h"

#include <QTest>

#include <cmath>

using namespace simulation::inclined_plane;
using core::Shape;

namespace {

constexpr double W = 6000;
constexpr double H = 6000;
// Directions below turn with 3.1416 on both sides of π/2: a few thousandths
// of a twip apart at most.
constexpr double Near = 0.05;

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }
Point along(Point from, double length, double degrees)
{
    return {from.x + length * std::cos(degrees * constants::SimulationPi / 180), from.y - length * std::sin(degrees * constants::SimulationPi / 180)};
}

// The point of a half circle farthest along its middle direction.
Point apex(const Shape &arc)
{
    const double span = arc.end - arc.start + (arc.end < arc.start ? 2 * constants::SimulationPi : 0);
    return along(arc.a, arc.radius, (arc.start + span / 2) * 180 / constants::SimulationPi);
}

} // namespace

class TestInclinedPlaneModel : public QObject
{
    Q_OBJECT

private slots:

    void friction_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<bool>("slides");
        QTest::addColumn<bool>("kinetic");
        QTest::newRow("0°, μ 0.1: held on the level") << 0 << 0.1 << false << false;
        QTest::newRow("30°, μ 0.5 < tan 30°: slides") << 30 << 0.5 << true << true;
        QTest::newRow("30°, μ 0.6 > tan 30°: held") << 30 << 0.6 << false << false;
        QTest::newRow("45°, μ 1: tan 45° is just above 1 with 3.1416") << 45 << 1.0 << true << true;
        QTest::newRow("90°, μ 0.3: nothing presses on a wall, no friction") << 90 << 0.3 << true << true;
    }
    void friction()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QTEST(acceleration({double(angle), mu}) > 0, "slides");
        QTEST(regime({double(angle), mu}) == Friction::Kinetic, "kinetic");
    }

    // A run from the start, tick by tick to its end (how many ticks and what
    // they show is the window's test): every point slid down the slope by
    // the distance run, 0,65·W a metre, while the plane stays.
    void runs_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::newRow("30°, μ 0") << 30 << 0.0;
        QTest::newRow("45°, μ 0.5") << 45 << 0.5;
        QTest::newRow("90°, μ 0.3") << 90 << 0.3;
    }
    void runs()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        const Incline slope{double(angle), mu};
        const Scene start = startScene(slope, W, H);
        Scene scene = start;
        core::RunClock clock;
        while (!pastFoot(scene, H) && clock.time() < 10) {
            clock.tick();
            scene = slide(scene, slope, clock, W);
        }
        const double slid = distanceAt(slope, clock.time());
        QVERIFY(slid > 0.98 && slid < 1.02);
        for (auto point : {&Scene::B1, &Scene::B2, &Scene::B3, &Scene::B4, &Scene::C, &Scene::G, &Scene::Q,
                           &Scene::N, &Scene::F})
            QVERIFY(distance(scene.*point, along(start.*point, 0.65 * W * slid, 180 + angle)) < Near);
        QCOMPARE(scene.T, start.T);
    }

    // Every head touches the tip of the line it follows with its apex (the
    // weight's, centred 60 sin θ above its tip, reaches 60 (1 − sin θ)
    // below it). Against a wall the heads along it go; a friction of no
    // length has none, except while the block slides.
    void heads_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<bool>("sliding");
        QTest::addColumn<int>("heads");
        QTest::newRow("30°, μ 0.2") << 30 << 0.2 << false << 5;
        QTest::newRow("45°, μ 1, friction holds") << 45 << 1.0 << false << 5;
        QTest::newRow("30°, μ 0: no friction, no head") << 30 << 0.0 << false << 4;
        QTest::newRow("30°, μ 0 sliding: a head on the centre") << 30 << 0.0 << true << 5;
        QTest::newRow("0°, μ 0.5: held, no friction drawn") << 0 << 0.5 << false << 4;
        QTest::newRow("90°, μ 0.3 sliding: none along the wall") << 90 << 0.3 << true << 3;
    }
    void heads()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QFETCH(bool, sliding);
        const Scene at = startScene({double(angle), mu}, W, H);
        const core::Frame drawn = frame({{double(angle), mu}, at, sliding}, W, H);
        const std::vector<Shape> &shapes = drawn.shapes();
        int heads = 0;
        for (size_t i = 1; i < shapes.size(); ++i) {
            const Shape &head = shapes[i];
            const Shape &line = shapes[i - 1];
            if (head.kind != Shape::Kind::Arc)
                continue;
            ++heads;
            QCOMPARE(line.colour, head.colour);
            // The along-slope component is drawn from G, its tip, to Q.
            Point tip = line.a == at.G ? at.G : line.b;
            if (head.colour == core::colour::red)
                tip.y += 60 * (1 - std::sin(angle * constants::SimulationPi / 180));
            QVERIFY2(distance(apex(head), tip) < Near, qPrintable(QString::number(i)));
        }
        QTEST(heads, "heads");
    }
};

QTEST_GUILESS_MAIN(TestInclinedPlaneModel)
#include "tst_inclined_plane_model.moc"
