// What the inclined-plane window draws, recorded call by call: the load
// drawing, the caps, the shapes of a scroll redraw, and that every erase pass
// removes exactly what the drawing before it left.

#include "simulations/inclined_plane/inclined_plane_scene.h"
#include "support/recording_canvas.h"

#include <QTest>

#include <cmath>

using namespace inclined_plane;
namespace colour = ui::colour;

namespace {

constexpr double W = 6000;
constexpr double H = 6000;

QList<DrawOp> ofKind(const QList<DrawOp> &ops, DrawOp::Kind kind, ui::Rgb rgb)
{
    QList<DrawOp> result;
    for (const DrawOp &op : ops) {
        if (op.kind == kind && op.colour == rgb)
            result.append(op);
    }
    return result;
}

// Shapes not in the background colour: what a pass left visible.
QList<DrawOp> visible(const RecordingCanvas &canvas)
{
    QList<DrawOp> result = canvas.shapes();
    result.removeIf([](const DrawOp &op) { return op.colour == colour::cyan; });
    return result;
}

// The first shape of `drawn` that `redraw` does not paint over in cyan.
QString firstNotErased(const QList<DrawOp> &drawn, const RecordingCanvas &redraw)
{
    const QList<DrawOp> erased = redraw.inColour(colour::cyan);
    for (const DrawOp &op : drawn) {
        if (std::none_of(erased.cbegin(), erased.cend(), [&](const DrawOp &e) { return e.sameShape(op); }))
            return op.toString();
    }
    return {};
}

// The point of a half circle furthest from its centre: the middle of its sweep.
QPointF apex(const DrawOp &arc)
{
    double span = arc.a[4] - arc.a[3];
    if (span < 0)
        span += 2 * 3.1416;
    const double middle = arc.a[3] + span / 2;
    return {arc.a[0] + arc.a[2] * std::cos(middle), arc.a[1] - arc.a[2] * std::sin(middle)};
}

bool near(QPointF p, Point q)
{
    return std::fabs(p.x() - q.x) < 1e-3 && std::fabs(p.y() - q.y) < 1e-3;
}

// A window's life in miniature: the load drawing, then scroll changes and
// ticks, each call's drawing alone in the canvas. A scroll change leaves the
// block at the start, with kinetic friction when it slides.
struct Picture {
    RecordingCanvas canvas{W, H};
    State state;

    Picture() { drawLoadScene(canvas, state); }

    void scroll(int angle, double mu)
    {
        canvas.clear();
        state.mu = mu;
        redrawForScroll(canvas, state, angle);
        state.lastAngle = angle;
    }
    bool tick(int angle)
    {
        canvas.clear();
        if (!mayAdvance(state, angle, H))
            return false;
        advance(state, angle, W);
        redrawForTick(canvas, state, angle);
        return true;
    }
};

} // namespace

class TestInclinedPlaneScene : public QObject
{
    Q_OBJECT

private slots:
    // Width and font come first, and the title is printed at the dot that
    // sets the position. Then the ground, the block resting at the right, its
    // weight capped below (the cap centred on G at 0°) and its normal capped
    // above; nothing else.
    void loadDrawing()
    {
        RecordingCanvas canvas(W, H);
        State state;
        drawLoadScene(canvas, state);
        QVERIFY(canvas.ops.at(0).sameShape({DrawOp::LineWidth, 0, {2}, {}}));
        QVERIFY(canvas.ops.at(1).sameShape({DrawOp::FontSize, 0, {15}, {}}));
        QVERIFY(canvas.ops.at(2).sameShape({DrawOp::Line, 0, {0.35 * W, 0.05 * H, 0.35 * W, 0.05 * H}, {}}));
        QVERIFY(canvas.ops.at(3).sameShape({DrawOp::Print, 0, {}, QStringLiteral("Cuestaval")}));
        const QList<DrawOp> expected{
            {DrawOp::Line, colour::black, {0.2 * W, 0.85 * H, 0.95 * W, 0.85 * H}, {}},
            {DrawOp::Line, colour::red, {0.9 * W, 0.775 * H, 0.9 * W, 0.875 * H}, {}},
            {DrawOp::Arc, colour::red, {0.9 * W, 0.875 * H, 60, 3.1416, 0}, {}},
            {DrawOp::Line, colour::green, {0.9 * W, 0.775 * H, 0.9 * W, 0.675 * H}, {}},
            {DrawOp::Arc, colour::green, {0.9 * W, 0.675 * H + 60, 60, 0, 3.1416}, {}},
        };
        QList<DrawOp> rest = canvas.shapes().mid(1);
        QCOMPARE(rest.removeIf([](const DrawOp &op) { return op.colour == colour::blue; }), 4);
        QCOMPARE(rest.size(), expected.size());
        for (int i = 0; i < rest.size(); ++i) {
            QVERIFY2(rest.at(i).sameShape(expected.at(i)) && rest.at(i).colour == expected.at(i).colour,
                     qPrintable(rest.at(i).toString()));
        }
    }

    // Every cap is a half circle bulging forward along its force with its
    // apex on the tip, except the weight's, centred 60 sin θ above its tip.
    void capsPointAlongTheirForces_data()
    {
        QTest::addColumn<int>("angle");
        for (int angle : {0, 20, 45, 89, 90})
            QTest::newRow(qPrintable(QStringLiteral("%1°").arg(angle))) << angle;
    }
    void capsPointAlongTheirForces()
    {
        QFETCH(int, angle);
        const Scene scene = sceneAt(angle, 0.4, W, H);
        const double s = std::sin(angle * 3.1416 / 180);
        const std::pair<Force, Point> tips[] = {{Force::Weight, {scene.G.x, scene.G.y - 60 * s + 60}},
                                                {Force::IntoPlane, scene.Q},
                                                {Force::AlongSlope, scene.G},
                                                {Force::Normal, scene.N},
                                                {Force::Friction, scene.F}};
        for (const auto &[force, tip] : tips) {
            const Cap cap = capOf(force, scene, angle);
            const DrawOp arc{DrawOp::Arc, 0, {cap.centre.x, cap.centre.y, CapRadius, cap.start, cap.end}, {}};
            QVERIFY2(near(apex(arc), tip), qPrintable(arc.toString()));
            const double span = cap.end - cap.start;
            QVERIFY(std::fabs((span < 0 ? span + 2 * 3.1416 : span) - 3.1416) < 1e-9);
        }
    }

    // A scroll redraw draws the plane, the block and every force with its
    // cap, but for a friction of no length and, beside a wall, the two caps
    // along the slope.
    void scrollDrawsEachShapeOnce_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<int>("yellowCaps");
        QTest::newRow("30°, μ 0.3: both caps along the slope") << 30 << 0.3 << 2;
        QTest::newRow("30°, μ 0: no friction, no friction cap") << 30 << 0.0 << 1;
        QTest::newRow("90°, μ 0.4: no caps along the wall") << 90 << 0.4 << 0;
    }
    void scrollDrawsEachShapeOnce()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QFETCH(int, yellowCaps);
        Picture picture;
        picture.scroll(angle, mu);
        const QList<DrawOp> drawn = visible(picture.canvas);
        const auto count = [&](DrawOp::Kind kind, ui::Rgb rgb) { return ofKind(drawn, kind, rgb).size(); };
        QCOMPARE(count(DrawOp::Line, colour::black), 3);
        QCOMPARE(count(DrawOp::Line, colour::blue), 4);
        QVERIFY(count(DrawOp::Line, colour::red) == 1 && count(DrawOp::Arc, colour::red) == 1);
        QVERIFY(count(DrawOp::Line, colour::green) == 2 && count(DrawOp::Arc, colour::green) == 2);
        QCOMPARE(count(DrawOp::Line, colour::yellow), 2);
        QCOMPARE(count(DrawOp::Arc, colour::yellow), yellowCaps);
        QCOMPARE(drawn.size(), 3 + 4 + 2 + 4 + 2 + yellowCaps);
        // The cap left alone is the one along the slope, at G.
        if (yellowCaps == 1)
            QVERIFY(near(apex(ofKind(drawn, DrawOp::Arc, colour::yellow).at(0)), picture.state.sceneNow.G));
    }

    // The first scroll change erases the load drawing, but for the title.
    void firstScrollErasesTheLoadDrawing()
    {
        Picture picture;
        QList<DrawOp> drawn = visible(picture.canvas);
        drawn.removeFirst(); // the dot that placed the title
        picture.scroll(25, 0);
        QCOMPARE(firstNotErased(drawn, picture.canvas), QString());
    }

    // During a run each tick erases the block and forces of the tick before
    // (with the friction cap that a tick draws at C even for μ 0), draws the
    // plane again over what the erase crossed, never erases a strobe mark,
    // and every tenth tick marks B1 on both strips.
    void ticksEraseTheLastAndMarkEveryTenth()
    {
        Picture picture;
        picture.scroll(30, 0);
        for (int n = 1; n <= 20; ++n) {
            QList<DrawOp> previous = visible(picture.canvas);
            QVERIFY(picture.tick(30));
            previous.removeIf(
                [](const DrawOp &op) { return op.colour == colour::black || op.kind == DrawOp::Circle; });
            QCOMPARE(firstNotErased(previous, picture.canvas), QString());
            QCOMPARE(picture.canvas.inColour(colour::black).size(), 3);
            QVERIFY(ofKind(picture.canvas.ops, DrawOp::Circle, colour::cyan).isEmpty());
            QVERIFY(ofKind(picture.canvas.ops, DrawOp::FillRect, colour::cyan).isEmpty());

            const Scene &now = picture.state.sceneNow;
            const QList<DrawOp> yellowCaps = ofKind(picture.canvas.ops, DrawOp::Arc, colour::yellow);
            QCOMPARE(yellowCaps.size(), 2);
            QVERIFY(near(apex(yellowCaps.at(1)), now.C));
            QVERIFY(yellowCaps.at(1).a[0] < now.C.x && yellowCaps.at(1).a[1] > now.C.y); // bulging up the slope

            const QList<DrawOp> marks = ofKind(picture.canvas.ops, DrawOp::Circle, colour::blue);
            QCOMPARE(marks.size(), n % 10 == 0 ? 2 : 0);
            if (!marks.isEmpty()) {
                QVERIFY(marks.at(0).sameShape({DrawOp::Circle, 0, {0.05 * W, now.B1.y, 30}, {}}));
                QVERIFY(marks.at(1).sameShape({DrawOp::Circle, 0, {now.B1.x, 0.95 * H, 30}, {}}));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestInclinedPlaneScene)
#include "tst_inclined_plane_scene.moc"
