#include "simulations/horizontal_plane/horizontal_plane_scene.h"
#include "support/recording_canvas.h"

#include <QTest>

using namespace horizontal;

namespace {

constexpr double W = 7080;
constexpr double H = 6000;
constexpr double Tolerance = 1e-6;

DrawOp shape(DrawOp::Kind kind, std::initializer_list<double> values)
{
    DrawOp op{kind, 0, {}, {}};
    std::copy(values.begin(), values.end(), op.a);
    return op;
}

// The cords run from a block to the pulley: across to 0,873·W, or down from
// 0,1565·H.
bool isCord(const DrawOp &op)
{
    if (op.kind != DrawOp::Line || op.colour != ui::colour::black)
        return false;
    return (op.a[1] == op.a[3] && std::fabs(op.a[2] - 0.873 * W) < Tolerance)
        || (op.a[0] == op.a[2] && std::fabs(op.a[1] - 0.1565 * H) < Tolerance);
}

// What moves: blocks, cords and arrows; not the table, legs, pulley or bracket.
QList<DrawOp> movingShapes(const QList<DrawOp> &shapes)
{
    QList<DrawOp> moving = shapes;
    moving.removeIf([](const DrawOp &op) { return op.colour == ui::colour::black && !isCord(op); });
    return moving;
}

bool near(const Rect &a, const Rect &b)
{
    return std::fabs(a.left - b.left) < Tolerance && std::fabs(a.top - b.top) < Tolerance
        && std::fabs(a.right - b.right) < Tolerance && std::fabs(a.bottom - b.bottom) < Tolerance;
}

bool has(const QList<DrawOp> &ops, const DrawOp &wanted)
{
    return std::any_of(ops.begin(), ops.end(), [&](const DrawOp &op) { return op.sameShape(wanted, Tolerance); });
}

// Empty when every shape of one list has its own twin in the other, whatever
// the colour and order; otherwise the first shape without one.
QString shapeDifference(const QList<DrawOp> &a, const QList<DrawOp> &b)
{
    if (a.size() != b.size())
        return QStringLiteral("%1 shapes against %2").arg(a.size()).arg(b.size());
    QList<DrawOp> unmatched = b;
    for (const DrawOp &op : a) {
        const auto twin = std::find_if(unmatched.begin(), unmatched.end(),
                                       [&](const DrawOp &o) { return op.sameShape(o, Tolerance); });
        if (twin == unmatched.end())
            return QStringLiteral("no twin for ") + op.toString();
        unmatched.erase(twin);
    }
    return {};
}

} // namespace

class HorizontalPlaneSceneTest : public QObject
{
    Q_OBJECT

private slots:
    void firstPictureAndTheStartButtonsDot();
    void blocksSizedByMassArrowsToScale();
    void eraseDrawsBackEveryMovingShapeWithItsCap_data();
    void eraseDrawsBackEveryMovingShapeWithItsCap();
    void strobeStripsAndMarks();
};

// Besides the blocks, cords and arrows of the design masses (which a scroll
// back to them must reproduce, see the window test), the first picture has
// the fixed table, legs, pulley and bracket. The start button draws the
// weight's tip as a dot.
void HorizontalPlaneSceneTest::firstPictureAndTheStartButtonsDot()
{
    RecordingCanvas canvas(W, H);
    Run run;
    Scene(canvas).drawLoad(run, Setup{});
    QCOMPARE(run.bottom2Start, 0.325 * H);
    const QList<DrawOp> black = canvas.inColour(ui::colour::black);
    // Table (4 lines), two legs (3 each), two cords, the bracket and the pulley.
    QCOMPARE(black.size(), 4 + 6 + 2 + 1 + 1);
    QVERIFY(has(black, shape(DrawOp::Circle, {0.873 * W, 0.1565 * H, 0.03 * H})));

    canvas.clear();
    Scene(canvas).drawStart(run, Setup{}, 245, Cap::Dot);
    QVERIFY(has(canvas.inColour(ui::colour::green), shape(DrawOp::Circle, {0.9 * W, 0.3 * H + 0.00015 * H * 490, 30})));
}

// Block 1 widens to the left by 0,001·W per kilogram, block 2 lengthens
// downwards by 0,001·H. Arrows run from the block centres, 0,00015 of the
// picture's side per newton. A half circle of radius 60 lies 60 twips behind
// the tip facing the arrow's way (π as 3,1416); a zero force is a dot of
// radius 30 on the centre.
void HorizontalPlaneSceneTest::blocksSizedByMassArrowsToScale()
{
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    Run run;
    scene.drawStart(run, Setup{50, 30, 20}, 220.5, Cap::HalfCircle); // friction 98 N, weight 294 N
    QVERIFY(near(run.block1Now, (Rect{0.15 * W, 0.08 * H, 0.2 * W, 0.18 * H})));
    QVERIFY(near(run.block2Now, (Rect{0.85 * W, 0.275 * H, 0.95 * W, 0.305 * H})));
    const double x1 = 0.175 * W, y1 = 0.13 * H, x2 = 0.9 * W, y2 = 0.29 * H; // the block centres
    const double right = x1 + 0.00015 * W * 220.5;
    const double up = y2 - 0.00015 * H * 220.5;
    const double left = x1 - 0.00015 * W * 98;
    const double down = y2 + 0.00015 * H * 294;
    const QList<DrawOp> expected{
        shape(DrawOp::Line, {x1, y1, right, y1}), shape(DrawOp::Arc, {right - 60, y1, 60, 4.7124, 1.5708}),
        shape(DrawOp::Line, {x2, y2, x2, up}),    shape(DrawOp::Arc, {x2, up + 60, 60, 0, 3.1416}),
        shape(DrawOp::Line, {x1, y1, left, y1}),  shape(DrawOp::Arc, {left + 60, y1, 60, 1.5708, 4.7124}),
        shape(DrawOp::Line, {x2, y2, x2, down}),  shape(DrawOp::Arc, {x2, down - 60, 60, 3.1416, 0}),
    };
    QCOMPARE(shapeDifference(expected, canvas.inColour(ui::colour::red) + canvas.inColour(ui::colour::yellow)
                                           + canvas.inColour(ui::colour::green)),
             QString());

    // m1 = 0: block 1 collapses to a line at 0,2·W; no tension; p = 0: no friction.
    canvas.clear();
    scene.drawStart(run, Setup{0, 10, 0}, 0, Cap::HalfCircle);
    QVERIFY(near(run.block1Now, (Rect{0.2 * W, 0.08 * H, 0.2 * W, 0.18 * H})));
    const DrawOp dot1 = shape(DrawOp::Circle, {0.2 * W, 0.13 * H, 30});
    const DrawOp dot2 = shape(DrawOp::Circle, {0.9 * W, 0.28 * H, 30});
    QVERIFY(has(canvas.inColour(ui::colour::red), dot1));
    QVERIFY(has(canvas.inColour(ui::colour::red), dot2));
    QVERIFY(has(canvas.inColour(ui::colour::yellow), dot1));

    // Held by friction, the friction arrow shows the pull of block 2 (98 N),
    // not μ m1 g (490 N).
    canvas.clear();
    scene.drawStart(run, Setup{100, 10, 50}, 98, Cap::HalfCircle);
    const DrawOp held = canvas.inColour(ui::colour::yellow).first();
    QCOMPARE(held.a[0] - held.a[2], 0.00015 * W * 98);
}

Q_DECLARE_METATYPE(horizontal::Setup)
Q_DECLARE_METATYPE(horizontal::Cap)
Q_DECLARE_METATYPE(horizontal::EraseVariant)

void HorizontalPlaneSceneTest::eraseDrawsBackEveryMovingShapeWithItsCap_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<double>("tension");
    QTest::addColumn<Cap>("weightCap");
    QTest::addColumn<int>("ticks"); // drawn after this many ticks; -1: the first picture
    QTest::addColumn<EraseVariant>("variant");

    QTest::newRow("first picture, erased by a scroll change")
        << Setup{} << DesignTension << Cap::HalfCircle << -1 << EraseVariant::Full;
    QTest::newRow("start button's dotted weight, erased by the first tick")
        << Setup{50, 30, 20} << 220.5 << Cap::Dot << 0 << EraseVariant::Tick;
    QTest::newRow("half circle on a weightless block 2, erased by a scroll change")
        << Setup{40, 0, 30} << 0.0 << Cap::HalfCircle << 0 << EraseVariant::Full;
    QTest::newRow("a tick's picture, erased by the next tick")
        << Setup{50, 30, 20} << 220.5 << Cap::HalfCircle << 2 << EraseVariant::Tick;
    QTest::newRow("held by friction (friction arrow is the pull), erased by a scroll change")
        << Setup{100, 20, 20} << 196.0 << Cap::HalfCircle << 0 << EraseVariant::Full;
}

// Whatever was drawn last must be drawn again in cyan, shape for shape and
// cap for cap; anything left over stays on the picture as a trace.
void HorizontalPlaneSceneTest::eraseDrawsBackEveryMovingShapeWithItsCap()
{
    QFETCH(Setup, setup);
    QFETCH(double, tension);
    QFETCH(Cap, weightCap);
    QFETCH(int, ticks);
    QFETCH(EraseVariant, variant);
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    Run run;
    run.bottom2Start = 0.325 * H;
    if (ticks < 0) {
        scene.drawLoad(run, setup);
    } else {
        scene.drawStart(run, setup, tension, weightCap);
        for (int i = 0; i < ticks; ++i)
            advance(run, setup, W, H);
        if (ticks > 0)
            scene.drawBlocks(run, setup, tension, weightCap);
    }

    // Only the last picture (two boxes, two cords, four arrows) counts.
    QList<DrawOp> drawn = movingShapes(canvas.shapes());
    drawn = drawn.mid(drawn.size() - 8 - 2 - 8);
    if (variant == EraseVariant::Tick) // the new, longer vertical cord covers the old one
        drawn.removeIf([](const DrawOp &op) { return isCord(op) && op.a[0] == op.a[2]; });

    run.rememberDrawn();
    canvas.clear();
    scene.erase(run, ArrowCopies{tension, setup.m1, setup.m2, setup.p}, variant);
    // Everything erased in cyan, then only the fixed pulley and bracket
    // drawn again in black.
    const QList<DrawOp> erased = canvas.inColour(ui::colour::cyan);
    QCOMPARE(shapeDifference(drawn, erased), QString());
    QCOMPARE(shapeDifference(canvas.shapes().mid(erased.size()),
                             {shape(DrawOp::Circle, {0.873 * W, 0.1565 * H, 0.03 * H}),
                              shape(DrawOp::Line, {0.8 * W, 0.2 * H, 0.873 * W, 0.1565 * H})}),
             QString());
    QCOMPARE(canvas.inColour(ui::colour::black).size(), 2);
}

void HorizontalPlaneSceneTest::strobeStripsAndMarks()
{
    RecordingCanvas canvas(W, H);
    Scene scene(canvas);
    scene.clearStrobeStrips();
    QCOMPARE(shapeDifference(canvas.inColour(ui::colour::cyan),
                             {shape(DrawOp::FillRect, {0.1 * W, 0.04 * H, 0.9 * W, 0.06 * H}),
                              shape(DrawOp::FillRect, {0.75 * W, 0.3 * H, 0.85 * W, 0.9 * H})}),
             QString());

    canvas.clear();
    Run run;
    run.block1Now = {1000, 480, 1400, 1080};
    run.block2Now = {6018, 2500, 6726, 2800};
    scene.drawStrobeMarks(run);
    QCOMPARE(shapeDifference(canvas.inColour(ui::colour::blue),
                             {shape(DrawOp::Circle, {1400, 0.05 * H, 30}), shape(DrawOp::Circle, {0.8 * W, 2800, 30})}),
             QString());
}

QTEST_GUILESS_MAIN(HorizontalPlaneSceneTest)
#include "tst_horizontal_plane_scene.moc"
