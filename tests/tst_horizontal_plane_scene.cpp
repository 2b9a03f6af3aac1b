#include "simulations/horizontal_plane/horizontal_plane_scene.h"
#include "support/recording_canvas.h"

#include <QTest>

#include <functional>

using namespace horizontal;

namespace {

constexpr double W = 7080;
constexpr double H = 6000;
constexpr double Tolerance = 1e-6;

// The cords run from a block to the pulley: across at 0,873·W, or down from
// 0,1565·H.
bool isCord(const DrawOp &op)
{
    if (op.kind != DrawOp::Line || op.colour != ui::colour::black)
        return false;
    const bool across = op.a[1] == op.a[3] && std::fabs(op.a[2] - 0.873 * W) < Tolerance;
    const bool down = op.a[0] == op.a[2] && std::fabs(op.a[1] - 0.1565 * H) < Tolerance;
    return across || down;
}

bool isVerticalCord(const DrawOp &op)
{
    return isCord(op) && op.a[0] == op.a[2];
}

// What moves: blocks, cords and arrows; not the table, legs, pulley or bracket.
QList<DrawOp> movingShapes(const QList<DrawOp> &shapes)
{
    QList<DrawOp> moving;
    for (const DrawOp &op : shapes) {
        if (op.colour != ui::colour::black || isCord(op))
            moving.append(op);
    }
    return moving;
}

DrawOp shape(DrawOp::Kind kind, std::initializer_list<double> values)
{
    DrawOp op{kind, 0, {}, {}};
    std::copy(values.begin(), values.end(), op.a);
    return op;
}

bool near(const Rect &a, const Rect &b)
{
    return std::fabs(a.left - b.left) < Tolerance && std::fabs(a.top - b.top) < Tolerance
        && std::fabs(a.right - b.right) < Tolerance && std::fabs(a.bottom - b.bottom) < Tolerance;
}

QString describe(const QList<DrawOp> &ops)
{
    QStringList lines;
    for (const DrawOp &op : ops)
        lines << op.toString();
    return lines.join(QLatin1Char('\n'));
}

// Every shape of one list has its own twin in the other, whatever the colour
// and order.
bool sameShapes(QList<DrawOp> a, QList<DrawOp> b)
{
    if (a.size() != b.size())
        return false;
    for (const DrawOp &op : a) {
        const auto twin = std::find_if(b.begin(), b.end(), [&](const DrawOp &other) {
            return op.sameShape(other, Tolerance);
        });
        if (twin == b.end())
            return false;
        b.erase(twin);
    }
    return true;
}

QList<DrawOp> ofKind(const QList<DrawOp> &ops, DrawOp::Kind kind)
{
    QList<DrawOp> result;
    for (const DrawOp &op : ops) {
        if (op.kind == kind)
            result.append(op);
    }
    return result;
}

} // namespace

class HorizontalPlaneSceneTest : public QObject
{
    Q_OBJECT

private slots:
    void loadSceneDrawsTableBlocksArrowsAndPulley();
    void startSceneOfTheDesignMassesIsTheLoadScene();
    void blocksAreSizedByTheirMasses();
    void arrowTipsAndHalfCircleCaps();
    void zeroForcesGiveDotsOnTheBlockCentre();
    void eraseDrawsBackEveryMovingShapeWithItsCap_data();
    void eraseDrawsBackEveryMovingShapeWithItsCap();
    void strobeStripsAndMarks();
};

void HorizontalPlaneSceneTest::loadSceneDrawsTableBlocksArrowsAndPulley()
{
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    Run run;
    scene.drawLoad(run, Setup{});

    QVERIFY(near(run.block1Now, (Rect{0.15 * W, 0.08 * H, 0.2 * W, 0.18 * H})));
    QVERIFY(near(run.block2Now, (Rect{0.85 * W, 0.275 * H, 0.95 * W, 0.325 * H})));
    QCOMPARE(run.bottom2Start, 0.325 * H);

    const QList<DrawOp> black = canvas.inColour(ui::colour::black);
    const QList<DrawOp> circles = ofKind(black, DrawOp::Circle);
    QCOMPARE(circles.size(), 1);
    QVERIFY(circles.first().sameShape(shape(DrawOp::Circle, {0.873 * W, 0.1565 * H, 0.03 * H}), Tolerance));
    QVERIFY(black.last().sameShape(shape(DrawOp::Line, {0.8 * W, 0.2 * H, 0.873 * W, 0.1565 * H}), Tolerance));
    QVERIFY(black.first().sameShape(shape(DrawOp::Line, {0.1 * W, 0.2 * H, 0.8 * W, 0.2 * H}), Tolerance));
    // Table (4 lines), two legs (3 each), two cords, the bracket and the pulley.
    QCOMPARE(black.size(), 4 + 6 + 2 + 1 + 1);
    QCOMPARE(canvas.inColour(ui::colour::blue).size(), 8);

    // The arrows of 50 and 50 kg: 245 N tensions, 490 N weight, half circles;
    // no friction, a dot on block 1's centre.
    const QList<DrawOp> red = canvas.inColour(ui::colour::red);
    QCOMPARE(red.size(), 4);
    QVERIFY(red[0].sameShape(shape(DrawOp::Line, {0.175 * W, 0.13 * H, 0.175 * W + 0.00015 * W * 245, 0.13 * H}), Tolerance));
    QCOMPARE(red[1].kind, DrawOp::Arc);
    QCOMPARE(red[3].kind, DrawOp::Arc);
    const QList<DrawOp> green = canvas.inColour(ui::colour::green);
    QVERIFY(green[0].sameShape(shape(DrawOp::Line, {0.9 * W, 0.3 * H, 0.9 * W, 0.3 * H + 0.00015 * H * 490}), Tolerance));
    QCOMPARE(green[1].kind, DrawOp::Arc);
    const QList<DrawOp> yellow = canvas.inColour(ui::colour::yellow);
    QCOMPARE(yellow.size(), 2);
    QVERIFY(yellow[1].sameShape(shape(DrawOp::Circle, {0.175 * W, 0.13 * H, 30}), Tolerance));
}

// Moving a scroll bar back to the design values must give the first picture
// again; the start button's differs only in the weight's dot.
void HorizontalPlaneSceneTest::startSceneOfTheDesignMassesIsTheLoadScene()
{
    RecordingCanvas loaded(W, H);
    Run loadRun;
    Scene(loaded).drawLoad(loadRun, Setup{});

    RecordingCanvas scrolled(W, H);
    Run run;
    Scene(scrolled).drawStart(run, Setup{}, 245, Cap::HalfCircle);
    QVERIFY(near(run.block1Now, loadRun.block1Now));
    QVERIFY(near(run.block2Now, loadRun.block2Now));
    QVERIFY2(sameShapes(movingShapes(loaded.shapes()), scrolled.shapes()), qPrintable(describe(scrolled.shapes())));

    RecordingCanvas started(W, H);
    Scene(started).drawStart(run, Setup{}, 245, Cap::Dot);
    QList<DrawOp> differing;
    for (const DrawOp &op : started.shapes()) {
        const QList<DrawOp> drawn = scrolled.shapes();
        if (std::none_of(drawn.begin(), drawn.end(), [&](const DrawOp &o) { return o.sameShape(op, Tolerance); }))
            differing.append(op);
    }
    QCOMPARE(differing.size(), 1);
    QCOMPARE(differing.first().colour, ui::colour::green);
    QVERIFY(differing.first().sameShape(shape(DrawOp::Circle, {0.9 * W, 0.3 * H + 0.00015 * H * 490, 30}), Tolerance));
}

void HorizontalPlaneSceneTest::blocksAreSizedByTheirMasses()
{
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    Run run;
    scene.drawStart(run, Setup{80, 20, 0}, 100, Cap::HalfCircle);
    QVERIFY(near(run.block1Now, (Rect{0.12 * W, 0.08 * H, 0.2 * W, 0.18 * H})));
    QVERIFY(near(run.block2Now, (Rect{0.85 * W, 0.275 * H, 0.95 * W, 0.295 * H})));
    const QList<DrawOp> blue = canvas.inColour(ui::colour::blue);
    QCOMPARE(blue.size(), 8);
    // top, bottom, left, right of block 1
    QVERIFY(blue[2].sameShape(shape(DrawOp::Line, {0.12 * W, 0.08 * H, 0.12 * W, 0.18 * H}), Tolerance));

    // Without mass block 1 collapses to a vertical line at 0,2·W.
    canvas.clear();
    scene.drawStart(run, Setup{0, 20, 0}, 0, Cap::HalfCircle);
    for (const DrawOp &line : canvas.inColour(ui::colour::blue).mid(0, 4)) {
        QCOMPARE(line.a[0], 0.2 * W);
        QCOMPARE(line.a[2], 0.2 * W);
    }
}

// Each half circle has radius 60 and lies 60 twips behind the tip, facing the
// way its arrow points, with π taken as 3,1416.
void HorizontalPlaneSceneTest::arrowTipsAndHalfCircleCaps()
{
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    Run run;
    const Setup setup{50, 30, 20}; // tension 220,5 N, friction 98 N, weight 294 N
    scene.drawStart(run, setup, 220.5, Cap::HalfCircle);
    const double x1 = run.block1Now.centreX();
    const double y1 = run.block1Now.centreY();
    const double x2 = run.block2Now.centreX();
    const double y2 = run.block2Now.centreY();

    const QList<DrawOp> red = canvas.inColour(ui::colour::red);
    const double right = x1 + 0.00015 * W * 220.5;
    QVERIFY(red[0].sameShape(shape(DrawOp::Line, {x1, y1, right, y1}), Tolerance));
    QVERIFY2(red[1].sameShape(shape(DrawOp::Arc, {right - 60, y1, 60, 4.7124, 1.5708}), Tolerance), qPrintable(red[1].toString()));
    const double up = y2 - 0.00015 * H * 220.5;
    QVERIFY(red[2].sameShape(shape(DrawOp::Line, {x2, y2, x2, up}), Tolerance));
    QVERIFY(red[3].sameShape(shape(DrawOp::Arc, {x2, up + 60, 60, 0, 3.1416}), Tolerance));

    const QList<DrawOp> yellow = canvas.inColour(ui::colour::yellow);
    const double left = x1 - 0.00015 * W * 98;
    QVERIFY(yellow[0].sameShape(shape(DrawOp::Line, {x1, y1, left, y1}), Tolerance));
    QVERIFY(yellow[1].sameShape(shape(DrawOp::Arc, {left + 60, y1, 60, 1.5708, 4.7124}), Tolerance));

    const QList<DrawOp> green = canvas.inColour(ui::colour::green);
    const double down = y2 + 0.00015 * H * 294;
    QVERIFY(green[0].sameShape(shape(DrawOp::Line, {x2, y2, x2, down}), Tolerance));
    QVERIFY(green[1].sameShape(shape(DrawOp::Arc, {x2, down - 60, 60, 3.1416, 0}), Tolerance));

    // Held by friction, the friction arrow shows the pull of block 2.
    canvas.clear();
    scene.drawStart(run, Setup{100, 10, 50}, 98, Cap::HalfCircle);
    const DrawOp held = canvas.inColour(ui::colour::yellow).first();
    QCOMPARE(held.a[0] - held.a[2], 0.00015 * W * 98);
}

void HorizontalPlaneSceneTest::zeroForcesGiveDotsOnTheBlockCentre()
{
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    Run run;
    // m1 = 0: no tension; p = 0: no friction.
    scene.drawStart(run, Setup{0, 10, 0}, 0, Cap::HalfCircle);
    const QList<DrawOp> red = canvas.inColour(ui::colour::red);
    QCOMPARE(red.size(), 4);
    QVERIFY(red[1].sameShape(shape(DrawOp::Circle, {run.block1Now.centreX(), run.block1Now.centreY(), 30}), Tolerance));
    QVERIFY(red[3].sameShape(shape(DrawOp::Circle, {run.block2Now.centreX(), run.block2Now.centreY(), 30}), Tolerance));
    const QList<DrawOp> yellow = canvas.inColour(ui::colour::yellow);
    QVERIFY(yellow[1].sameShape(shape(DrawOp::Circle, {run.block1Now.centreX(), run.block1Now.centreY(), 30}), Tolerance));
}

using Drawing = std::function<void(Scene &, Run &, ArrowCopies &)>;
Q_DECLARE_METATYPE(Drawing)
Q_DECLARE_METATYPE(horizontal::EraseVariant)

void HorizontalPlaneSceneTest::eraseDrawsBackEveryMovingShapeWithItsCap_data()
{
    QTest::addColumn<Drawing>("draw");
    QTest::addColumn<EraseVariant>("variant");

    QTest::newRow("first picture, erased by a scroll change")
        << Drawing([](Scene &scene, Run &run, ArrowCopies &copies) {
               scene.drawLoad(run, Setup{});
               copies = {DesignTension, 50, 50, 0};
           })
        << EraseVariant::Full;
    QTest::newRow("start button's dotted weight, erased by the first tick")
        << Drawing([](Scene &scene, Run &run, ArrowCopies &copies) {
               scene.drawStart(run, Setup{50, 30, 20}, 220.5, Cap::Dot);
               copies = {220.5, 50, 30, 20};
           })
        << EraseVariant::Tick;
    QTest::newRow("dotted weight after m2 = 0, erased by the next scroll change")
        << Drawing([](Scene &scene, Run &run, ArrowCopies &copies) {
               scene.drawStart(run, Setup{40, 10, 0}, 78.4, Cap::Dot);
               copies = {78.4, 40, 10, 0};
           })
        << EraseVariant::Full;
    QTest::newRow("half circle on a weightless block 2, erased by a scroll change")
        << Drawing([](Scene &scene, Run &run, ArrowCopies &copies) {
               scene.drawStart(run, Setup{40, 0, 30}, 0, Cap::HalfCircle);
               copies = {0, 40, 0, 30};
           })
        << EraseVariant::Full;
    QTest::newRow("a tick's picture, erased by the next tick")
        << Drawing([](Scene &scene, Run &run, ArrowCopies &copies) {
               const Setup setup{50, 30, 20};
               scene.drawLoad(run, Setup{});
               scene.drawStart(run, setup, 220.5, Cap::HalfCircle);
               advance(run, setup, W, H);
               advance(run, setup, W, H);
               scene.drawBlocks(run, setup, 220.5, Cap::HalfCircle);
               copies = {220.5, 50, 30, 20};
           })
        << EraseVariant::Tick;
    QTest::newRow("held by friction, stopped, erased by a scroll change")
        << Drawing([](Scene &scene, Run &run, ArrowCopies &copies) {
               scene.drawStart(run, Setup{100, 20, 20}, 196, Cap::HalfCircle);
               copies = {196, 100, 20, 20};
           })
        << EraseVariant::Full;
}

// Whatever was drawn last must be drawn again in cyan, shape for shape and
// cap for cap; anything left over stays on the picture as a trace.
void HorizontalPlaneSceneTest::eraseDrawsBackEveryMovingShapeWithItsCap()
{
    QFETCH(Drawing, draw);
    QFETCH(EraseVariant, variant);
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    Run run;
    run.bottom2Start = 0.325 * H;
    ArrowCopies copies;
    draw(scene, run, copies);

    // Only the last picture counts: earlier ones were erased in the window.
    QList<DrawOp> drawn;
    const QList<DrawOp> all = movingShapes(canvas.shapes());
    drawn = all.mid(all.size() - 8 - 2 - 8);
    if (variant == EraseVariant::Tick)
        drawn.removeIf(isVerticalCord);

    run.rememberDrawn();
    canvas.clear();
    scene.erase(run, copies, variant);
    const QList<DrawOp> erased = canvas.shapes();
    QCOMPARE(canvas.inColour(ui::colour::cyan).size(), erased.size());
    QVERIFY2(sameShapes(drawn, erased), qPrintable(describe(drawn) + QStringLiteral("\n---\n") + describe(erased)));
}

void HorizontalPlaneSceneTest::strobeStripsAndMarks()
{
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    scene.clearStrobeStrips();
    QCOMPARE(canvas.ops.size(), 2);
    QVERIFY(canvas.ops[0].sameShape(shape(DrawOp::FillRect, {0.1 * W, 0.04 * H, 0.9 * W, 0.06 * H}), Tolerance));
    QVERIFY(canvas.ops[1].sameShape(shape(DrawOp::FillRect, {0.75 * W, 0.3 * H, 0.85 * W, 0.9 * H}), Tolerance));
    QCOMPARE(canvas.inColour(ui::colour::cyan).size(), 2);

    canvas.clear();
    Run run;
    run.block1Now = {1000, 480, 1400, 1080};
    run.block2Now = {6018, 2500, 6726, 2800};
    scene.drawStrobeMarks(run);
    const QList<DrawOp> blue = canvas.inColour(ui::colour::blue);
    QCOMPARE(blue.size(), 2);
    QVERIFY(blue[0].sameShape(shape(DrawOp::Circle, {1400, 0.05 * H, 30}), Tolerance));
    QVERIFY(blue[1].sameShape(shape(DrawOp::Circle, {0.8 * W, 2800, 30}), Tolerance));
}

QTEST_GUILESS_MAIN(HorizontalPlaneSceneTest)
#include "tst_horizontal_plane_scene.moc"
