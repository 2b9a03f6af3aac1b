// What the inclined-plane window draws: the block's shape on the slope and
// the half-circle heads of the forces, which must bulge forward from the tip
// they crown.

#include "simulations/inclined_plane/inclined_plane_frame.h"

#include <QTest>

#include <cmath>

using namespace simulation::inclined_plane;
using core::Shape;

namespace {

constexpr double W = 6000;
constexpr double H = 6000;

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The point of a half circle farthest along its middle direction.
Point apex(const Shape &arc)
{
    double span = arc.end - arc.start;
    if (span < 0)
        span += 2 * core::Pi;
    const double middle = arc.start + span / 2;
    return {arc.a.x + arc.radius * std::cos(middle), arc.a.y - arc.radius * std::sin(middle)};
}

} // namespace

class TestInclinedPlaneFrame : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("90°, μ 0.3: none along the wall") << 90 << 0.3 << false << 3;
        QTest::newRow("90°, μ 0.3 sliding") << 90 << 0.3 << true << 3;
    }
    void heads()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QFETCH(bool, sliding);
        const Incline incline{double(angle), mu};
        const Scene at = startScene(incline, W, H);
        const core::Frame drawn = frame({incline, at, sliding}, W, H);
        const std::vector<Shape> &shapes = drawn.shapes();
        int heads = 0;
        for (size_t i = 1; i < shapes.size(); ++i) {
            const Shape &head = shapes[i];
            if (head.kind != Shape::Kind::Arc)
                continue;
            ++heads;
            const Shape &line = shapes[i - 1];
            QCOMPARE(line.colour, head.colour);
            QCOMPARE(head.radius, core::CapRadius);
            if (head.colour == core::colour::red) {
                const double s = std::sin(angle * core::Pi / 180);
                QVERIFY(distance(apex(head), {at.G.x, at.G.y + 60 * (1 - s)}) < 0.01);
            } else {
                // The along-slope component is drawn from G, its tip, to Q.
                const Point tip = head.colour == core::colour::yellow && line.a == at.G ? at.G : line.b;
                QVERIFY2(distance(apex(head), tip) < 0.01, qPrintable(QString::number(i)));
            }
        }
        QTEST(heads, "heads");
    }

    // The block is 0.1W along the slope and 0.1H across it, 0.025H off the
    // slope on the side away from the plane, its uphill face above T.
    void blockSitsAboveTheSlope()
    {
        for (int angle : {0, 1, 30, 60, 90}) {
            const Scene at = startScene({double(angle), 0.2}, W, H);
            const double s = std::sin(angle * core::Pi / 180);
            const double c = std::cos(angle * core::Pi / 180);
            const Point o{0.2 * W, 0.85 * H};
            // Signed distance from the slope line, positive away from the plane.
            const auto off = [&](Point p) { return (p.x - o.x) * -s + (p.y - o.y) * -c; };
            QVERIFY(std::abs(off(at.B1) - 0.025 * H) < 1e-6 && std::abs(off(at.B2) - 0.025 * H) < 1e-6);
            QVERIFY(std::abs(off(at.B3) - 0.125 * H) < 1e-6 && std::abs(off(at.B4) - 0.125 * H) < 1e-6);
            QVERIFY(std::abs(distance(at.B1, at.B2) - 0.1 * W) < 1e-6);
            QVERIFY(std::abs(distance(at.B2, {at.T.x - 0.025 * H * s, at.T.y - 0.025 * H * c})) < 1e-6);
        }
    }
};

QTEST_GUILESS_MAIN(TestInclinedPlaneFrame)
#include "tst_inclined_plane_frame.moc"
