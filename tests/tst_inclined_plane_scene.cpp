// What the inclined-plane window draws, recorded call by call: the load
// drawing, the caps, and that every erase pass removes exactly what the
// previous drawing left.

#include "simulations/inclined_plane/inclined_plane_scene.h"
#include "support/recording_canvas.h"

#include <QTest>

#include <cmath>

using namespace inclined_plane;

namespace {

constexpr double W = 6000;
constexpr double H = 6000;
const QList<ui::Rgb> ForceColours{ui::colour::red, ui::colour::green, ui::colour::yellow};

// Shapes that are not the background colour: what a pass left visible.
QList<DrawOp> visible(const RecordingCanvas &canvas)
{
    QList<DrawOp> result;
    for (const DrawOp &op : canvas.shapes()) {
        if (op.colour != ui::colour::cyan)
            result.append(op);
    }
    return result;
}

QList<DrawOp> ofKind(const QList<DrawOp> &ops, DrawOp::Kind kind, ui::Rgb colour)
{
    QList<DrawOp> result;
    for (const DrawOp &op : ops) {
        if (op.kind == kind && op.colour == colour)
            result.append(op);
    }
    return result;
}

// Every shape of `drawn` has its twin among the cyan shapes of `redraw`.
QString firstNotErased(const QList<DrawOp> &drawn, const RecordingCanvas &redraw)
{
    const QList<DrawOp> erased = redraw.inColour(ui::colour::cyan);
    for (const DrawOp &op : drawn) {
        const bool found = std::any_of(erased.cbegin(), erased.cend(),
                                       [&](const DrawOp &e) { return e.sameShape(op); });
        if (!found)
            return op.toString();
    }
    return {};
}

// The point the half circle reaches furthest from its centre: the middle of
// its sweep.
QPointF apex(const DrawOp &arc)
{
    double span = arc.a[4] - arc.a[3];
    if (span < 0)
        span += 2 * 3.1416;
    const double middle = arc.a[3] + span / 2;
    return {arc.a[0] + arc.a[2] * std::cos(middle), arc.a[1] - arc.a[2] * std::sin(middle)};
}

bool near(QPointF p, Point q, double tolerance = 1e-3)
{
    return std::fabs(p.x() - q.x) < tolerance && std::fabs(p.y() - q.y) < tolerance;
}

// A window's life in miniature: load, then the scroll bars.
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
    void start(int angle)
    {
        clearStrobeStrips(canvas);
        state.sceneNow = startScene(state.sceneNow, angle, state.mu, W, H);
        state.simTime = state.prevTime = 0;
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
    void loadDrawing()
    {
        RecordingCanvas canvas(W, H);
        State state;
        drawLoadScene(canvas, state);

        // Width and font are set before anything is drawn.
        QCOMPARE(canvas.ops.at(0).kind, DrawOp::LineWidth);
        QCOMPARE(canvas.ops.at(0).a[0], 2.0);
        QCOMPARE(canvas.ops.at(1).kind, DrawOp::FontSize);
        QCOMPARE(canvas.ops.at(1).a[0], 15.0);
        // The title is printed at the dot that sets the position.
        const DrawOp dot = canvas.ops.at(2);
        QCOMPARE(dot.kind, DrawOp::Line);
        QCOMPARE(QPointF(dot.a[0], dot.a[1]), QPointF(0.35 * W, 0.05 * H));
        QCOMPARE(QPointF(dot.a[2], dot.a[3]), QPointF(0.35 * W, 0.05 * H));
        QCOMPARE(canvas.ops.at(3).kind, DrawOp::Print);
        QCOMPARE(canvas.ops.at(3).text, QStringLiteral("Cuestaval"));

        const QList<DrawOp> black = canvas.inColour(ui::colour::black);
        QCOMPARE(black.size(), 2);
        QVERIFY(black.at(1).sameShape({DrawOp::Line, 0, {0.2 * W, 0.85 * H, 0.95 * W, 0.85 * H}, {}}));

        const QList<DrawOp> blue = canvas.inColour(ui::colour::blue);
        QCOMPARE(blue.size(), 4);
        for (const DrawOp &edge : blue) {
            QVERIFY(edge.a[0] >= 0.85 * W - 1e-9 && edge.a[2] <= 0.95 * W + 1e-9);
            QVERIFY(edge.a[1] >= 0.725 * H - 1e-9 && edge.a[3] <= 0.825 * H + 1e-9);
        }

        // Weight down to (0.9W, 0.875H), capped below; normal up, capped
        // above, the apex of each cap at its tip or, for the weight at 0°,
        // a cap radius past it.
        const QList<DrawOp> red = canvas.inColour(ui::colour::red);
        QCOMPARE(red.size(), 2);
        QVERIFY(red.at(0).sameShape({DrawOp::Line, 0, {0.9 * W, 0.775 * H, 0.9 * W, 0.875 * H}, {}}));
        QCOMPARE(red.at(1).kind, DrawOp::Arc);
        QVERIFY(near(apex(red.at(1)), {0.9 * W, 0.875 * H + 60}));
        const QList<DrawOp> green = canvas.inColour(ui::colour::green);
        QCOMPARE(green.size(), 2);
        QVERIFY(green.at(0).sameShape({DrawOp::Line, 0, {0.9 * W, 0.775 * H, 0.9 * W, 0.675 * H}, {}}));
        QVERIFY(near(apex(green.at(1)), {0.9 * W, 0.675 * H}));
        QVERIFY(canvas.inColour(ui::colour::yellow).isEmpty());
        QVERIFY(canvas.inColour(ui::colour::cyan).isEmpty());
    }

    // Every cap bulges forward along its force with its apex on the tip,
    // except the weight's, centred 60 sin θ above its tip.
    void capsPointAlongTheirForces_data()
    {
        QTest::addColumn<int>("angle");
        for (int angle : {0, 1, 20, 45, 70, 89, 90})
            QTest::newRow(qPrintable(QStringLiteral("%1°").arg(angle))) << angle;
    }
    void capsPointAlongTheirForces()
    {
        QFETCH(int, angle);
        const Scene scene = sceneAt(angle, 0.4, W, H);
        const double s = std::sin(angle * 3.1416 / 180);
        const auto capApex = [&](Force force) {
            const Cap cap = capOf(force, scene, angle);
            DrawOp op{DrawOp::Arc, 0, {cap.centre.x, cap.centre.y, CapRadius, cap.start, cap.end}, {}};
            return apex(op);
        };
        QVERIFY(near(capApex(Force::Weight), {scene.G.x, scene.G.y - 60 * s + 60}));
        QVERIFY(near(capApex(Force::IntoPlane), scene.Q));
        QVERIFY(near(capApex(Force::Normal), scene.N));
        QVERIFY(near(capApex(Force::AlongSlope), scene.G));
        QVERIFY(near(capApex(Force::Friction), scene.F));
        // Each is a half circle.
        for (Force force : {Force::Weight, Force::IntoPlane, Force::AlongSlope, Force::Normal, Force::Friction}) {
            const Cap cap = capOf(force, scene, angle);
            double span = cap.end - cap.start;
            if (span < 0)
                span += 2 * 3.1416;
            QVERIFY(std::fabs(span - 3.1416) < 1e-9);
        }
    }

    void scrollRedrawColours()
    {
        Picture picture;
        picture.scroll(30, 0.3);
        const QList<DrawOp> ops = picture.canvas.shapes();
        // The strips are cleared first.
        QCOMPARE(ops.at(0).kind, DrawOp::FillRect);
        QCOMPARE(ops.at(0).colour, ui::colour::cyan);
        QVERIFY(ops.at(0).sameShape({DrawOp::FillRect, 0, {0.04 * W, 0.05 * H, 0.06 * W, 0.95 * H}, {}}));
        QVERIFY(ops.at(1).sameShape({DrawOp::FillRect, 0, {0.04 * W, 0.94 * H, 0.96 * W, 0.96 * H}, {}}));

        const QList<DrawOp> drawn = visible(picture.canvas);
        QCOMPARE(ofKind(drawn, DrawOp::Line, ui::colour::black).size(), 3);
        QCOMPARE(ofKind(drawn, DrawOp::Line, ui::colour::blue).size(), 4);
        // Weight; into the plane and normal; along the slope and friction.
        QCOMPARE(ofKind(drawn, DrawOp::Line, ui::colour::red).size(), 1);
        QCOMPARE(ofKind(drawn, DrawOp::Arc, ui::colour::red).size(), 1);
        QCOMPARE(ofKind(drawn, DrawOp::Line, ui::colour::green).size(), 2);
        QCOMPARE(ofKind(drawn, DrawOp::Arc, ui::colour::green).size(), 2);
        QCOMPARE(ofKind(drawn, DrawOp::Line, ui::colour::yellow).size(), 2);
        QCOMPARE(ofKind(drawn, DrawOp::Arc, ui::colour::yellow).size(), 2);
        QVERIFY(ofKind(drawn, DrawOp::Circle, ui::colour::blue).isEmpty());

        // Once erased, the scene drawn last is the new one.
        const Scene &now = picture.state.sceneNow;
        QCOMPARE(picture.state.scenePrev.B1.x, now.B1.x);
        QVERIFY(ofKind(drawn, DrawOp::Line, ui::colour::red).at(0).sameShape(
            {DrawOp::Line, 0, {now.C.x, now.C.y, now.G.x, now.G.y}, {}}));
    }

    void noFrictionNoFrictionCap()
    {
        Picture picture;
        picture.scroll(30, 0);
        const QList<DrawOp> drawn = visible(picture.canvas);
        // The along-slope cap only; the friction line has no length.
        QCOMPARE(ofKind(drawn, DrawOp::Arc, ui::colour::yellow).size(), 1);
        QVERIFY(near(apex(ofKind(drawn, DrawOp::Arc, ui::colour::yellow).at(0)), picture.state.sceneNow.G));
    }

    void noSlopeCapsAtNinetyDegrees()
    {
        Picture picture;
        picture.scroll(90, 0.4);
        QVERIFY(ofKind(visible(picture.canvas), DrawOp::Arc, ui::colour::yellow).isEmpty());
        QCOMPARE(ofKind(visible(picture.canvas), DrawOp::Line, ui::colour::yellow).size(), 2);
        // Nor are they erased at 90°.
        picture.scroll(90, 0.5);
        const QList<DrawOp> erased = picture.canvas.inColour(ui::colour::cyan);
        QCOMPARE(ofKind(erased, DrawOp::Arc, ui::colour::cyan).size(), 3);
    }

    // Each scroll change erases everything the previous one drew, caps
    // included, before drawing anew.
    void scrollErasesThePreviousScroll_data()
    {
        QTest::addColumn<int>("fromAngle");
        QTest::addColumn<double>("fromMu");
        QTest::addColumn<int>("toAngle");
        QTest::addColumn<double>("toMu");
        QTest::newRow("30°, μ 0.3 → 45°, μ 0.3") << 30 << 0.3 << 45 << 0.3;
        QTest::newRow("30°, μ 0.8 static → 30°, μ 0.2") << 30 << 0.8 << 30 << 0.2;
        QTest::newRow("90° → 89°") << 90 << 0.5 << 89 << 0.5;
        QTest::newRow("10°, μ 0 → 0°, μ 0") << 10 << 0.0 << 0 << 0.0;
    }
    void scrollErasesThePreviousScroll()
    {
        QFETCH(int, fromAngle);
        QFETCH(double, fromMu);
        QFETCH(int, toAngle);
        QFETCH(double, toMu);
        Picture picture;
        picture.scroll(fromAngle, fromMu);
        const QList<DrawOp> drawn = visible(picture.canvas);
        picture.scroll(toAngle, toMu);
        QCOMPARE(firstNotErased(drawn, picture.canvas), QString());
    }

    void firstScrollErasesTheLoadDrawing()
    {
        RecordingCanvas load(W, H);
        State state;
        drawLoadScene(load, state);
        QList<DrawOp> drawn = visible(load);
        drawn.removeAt(0); // the dot under the title
        RecordingCanvas redraw(W, H);
        redrawForScroll(redraw, state, 25);
        QCOMPARE(firstNotErased(drawn, redraw), QString());
    }

    // During a run each tick erases the block and forces of the tick before,
    // repairs the plane and never touches the strobe marks.
    void tickErasesThePreviousTick()
    {
        Picture picture;
        picture.scroll(40, 0.3);
        picture.start(40);
        for (int n = 1; n <= 12; ++n) {
            QList<DrawOp> previous = visible(picture.canvas);
            QVERIFY(picture.tick(40));
            if (n > 1) {
                previous.removeIf([](const DrawOp &op) {
                    return op.colour == ui::colour::black || op.kind == DrawOp::Circle;
                });
                QCOMPARE(firstNotErased(previous, picture.canvas), QString());
            }
            // The plane is drawn again, black, on every tick.
            QCOMPARE(picture.canvas.inColour(ui::colour::black).size(), 3);
            QVERIFY(ofKind(picture.canvas.ops, DrawOp::Circle, ui::colour::cyan).isEmpty());
            QVERIFY(ofKind(picture.canvas.ops, DrawOp::FillRect, ui::colour::cyan).isEmpty());
        }
    }

    void strobeMarksEveryTenthTick()
    {
        Picture picture;
        picture.scroll(30, 0);
        picture.start(30);
        for (int n = 1; n <= 20; ++n) {
            QVERIFY(picture.tick(30));
            const QList<DrawOp> marks = ofKind(picture.canvas.ops, DrawOp::Circle, ui::colour::blue);
            if (n % 10 != 0) {
                QVERIFY2(marks.isEmpty(), qPrintable(QString::number(n)));
                continue;
            }
            const Point b1 = picture.state.sceneNow.B1;
            QCOMPARE(marks.size(), 2);
            QVERIFY(marks.at(0).sameShape({DrawOp::Circle, 0, {0.05 * W, b1.y, 30}, {}}));
            QVERIFY(marks.at(1).sameShape({DrawOp::Circle, 0, {b1.x, 0.95 * H, 30}, {}}));
            // On the strips.
            QVERIFY(b1.y > 0.05 * H && b1.y < 0.95 * H);
            QVERIFY(b1.x > 0.04 * W && b1.x < 0.96 * W);
        }
    }

    // With no friction a tick still caps the friction, at C: a yellow half
    // circle with its apex at the block's centre, bulging up the slope.
    void tickCapsFrictionOfNoLength()
    {
        Picture picture;
        picture.scroll(30, 0);
        picture.start(30);
        QVERIFY(picture.tick(30));
        const QList<DrawOp> yellow = ofKind(visible(picture.canvas), DrawOp::Arc, ui::colour::yellow);
        QCOMPARE(yellow.size(), 2);
        const Scene &now = picture.state.sceneNow;
        QVERIFY(near(apex(yellow.at(1)), now.C));
        const QPointF centre(yellow.at(1).a[0], yellow.at(1).a[1]);
        QVERIFY(centre.x() < now.C.x && centre.y() > now.C.y); // behind C, down the slope
    }

    // After a run, moving a scroll bar erases the block where it stopped
    // with every head the last tick gave it, and clears the strobe marks.
    void scrollAfterRunErasesTheLastTick_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::newRow("30°, μ 0: friction capped at C by the ticks") << 30 << 0.0;
        QTest::newRow("45°, μ 0.5") << 45 << 0.5;
        QTest::newRow("90°, μ 0.3") << 90 << 0.3;
    }
    void scrollAfterRunErasesTheLastTick()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        Picture picture;
        picture.scroll(angle, mu);
        picture.start(angle);
        QList<DrawOp> last;
        while (picture.tick(angle))
            last = visible(picture.canvas);
        QVERIFY(!last.isEmpty());
        last.removeIf([](const DrawOp &op) { return op.kind == DrawOp::Circle; });

        picture.scroll(angle == 90 ? 60 : angle + 5, mu);
        QCOMPARE(firstNotErased(last, picture.canvas), QString());
        // The strips, and so the marks, are painted over.
        QCOMPARE(ofKind(picture.canvas.ops, DrawOp::FillRect, ui::colour::cyan).size(), 2);
    }

};

QTEST_GUILESS_MAIN(TestInclinedPlaneScene)
#include "tst_inclined_plane_scene.moc"
