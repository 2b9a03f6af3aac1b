#include "simulations/atwood/atwood_scene.h"
#include "support/recording_canvas.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace atwood;
namespace colour = ui::colour;

namespace {

constexpr double W = 5535;
constexpr double H = 6855;
constexpr double Pi = 3.1416;

bool near(double a, double b, double tolerance = 1e-6)
{
    return std::fabs(a - b) < tolerance;
}

DrawOp lineOp(double x1, double y1, double x2, double y2, ui::Rgb c)
{
    DrawOp op{DrawOp::Line, c, {x1, y1, x2, y2, 0}, {}};
    return op;
}

// The same shapes at the same places, in the same order, whatever colour.
bool sameShapes(const QList<DrawOp> &a, const QList<DrawOp> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!a[i].sameShape(b[i]))
            return false;
    }
    return true;
}

// Each shape of `drawn` appears in `erased`, however ordered.
bool coversEveryShape(const QList<DrawOp> &erased, const QList<DrawOp> &drawn)
{
    return std::all_of(drawn.cbegin(), drawn.cend(), [&](const DrawOp &shape) {
        return std::any_of(erased.cbegin(), erased.cend(), [&](const DrawOp &e) { return e.sameShape(shape); });
    });
}

QString describe(const QList<DrawOp> &ops)
{
    QStringList lines;
    for (const DrawOp &op : ops)
        lines << op.toString();
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestAtwoodScene : public QObject
{
    Q_OBJECT

private slots:
    void setUpUsesTwoPixelLinesAndFifteenPoints();
    void titleLinesArePlacedByADot();
    void pulleyAtItsDesignedPlace();
    void designedMassesGiveTheDesignedScene();
    void cordsHangFromTheRimTangents();
    void tipMarksFollowTheForces_data();
    void tipMarksFollowTheForces();
    void capsBulgeAwayFromTheTip();
    void orderAtRestAndWhileMoving();
    void eraseCoversWhatWasDrawn_data();
    void eraseCoversWhatWasDrawn();
    void eraseUsesTheMarkDrawnWith();
    void strobeZonesAndMarks();
};

void TestAtwoodScene::setUpUsesTwoPixelLinesAndFifteenPoints()
{
    RecordingCanvas canvas(W, H);
    scene::setUp(canvas);
    QCOMPARE(canvas.ops.size(), 2);
    QCOMPARE(canvas.ops[0].kind, DrawOp::LineWidth);
    QCOMPARE(canvas.ops[0].a[0], 2.0);
    QCOMPARE(canvas.ops[1].kind, DrawOp::FontSize);
    QCOMPARE(canvas.ops[1].a[0], 15.0);
}

// Fault caught: the text printed where the previous drawing left the
// position, because no dot moved it first.
void TestAtwoodScene::titleLinesArePlacedByADot()
{
    RecordingCanvas canvas(W, H);
    scene::drawTitle(canvas);
    QCOMPARE(canvas.ops.size(), 4);
    QVERIFY(canvas.ops[0].sameShape(lineOp(0.05 * W, 0.05 * H, 0.05 * W, 0.05 * H, colour::black)));
    QCOMPARE(canvas.ops[0].colour, colour::black);
    QCOMPARE(canvas.ops[1].kind, DrawOp::Print);
    QCOMPARE(canvas.ops[1].text, QStringLiteral("Máquina de"));
    QVERIFY(canvas.ops[2].sameShape(lineOp(0.08 * W, 0.1 * H, 0.08 * W, 0.1 * H, colour::black)));
    QCOMPARE(canvas.ops[3].text, QStringLiteral("Atwood"));
}

void TestAtwoodScene::pulleyAtItsDesignedPlace()
{
    RecordingCanvas canvas(W, H);
    QCOMPARE(scene::pulleyX(canvas), 2767.5);
    QVERIFY(near(scene::pulleyY(canvas), 1096.8));
    scene::drawPulley(canvas, scene::pulleyX(canvas), scene::pulleyY(canvas));
    const QList<DrawOp> black = canvas.inColour(colour::black);
    QCOMPARE(black.size(), 2);
    QCOMPARE(black[0].kind, DrawOp::Circle);
    QVERIFY(near(black[0].a[2], 830.25));
    QVERIFY(near(black[1].a[2], 110.7));
    QVERIFY(near(black[1].a[0], 2767.5) && near(black[1].a[1], 1096.8));
}

// Fault caught: a wrong fraction or force scale in the start scene.
void TestAtwoodScene::designedMassesGiveTheDesignedScene()
{
    RecordingCanvas canvas(W, H);
    const Shapes s = scene::startShapes(canvas, 50, 50, 490);
    QVERIFY(near(s.block1.left, 1660.5) && near(s.block1.right, 2214));
    QVERIFY(near(s.block1.top, 4113) && near(s.block1.bottom, 4455.75));
    QVERIFY(near(s.block2.left, 0.6 * W) && near(s.block2.right, 0.7 * W));
    for (const Arrow &weight : {s.weight1, s.weight2}) {
        QVERIFY(near(weight.y2 - weight.y1, 0.04905 * H));
        QVERIFY(near(weight.y1, (4113 + 4455.75) / 2));
    }
    for (const Arrow &pull : {s.pull1, s.pull2})
        QVERIFY(near(pull.y1 - pull.y2, 0.04905 * H));
    QVERIFY(near(s.pull1.x1, 1937.25) && near(s.pull1.x2, 1937.25));
    QVERIFY(near(std::round((s.weight1.y2 - s.weight1.y1) * 10) / 10, 336.2));

    // Unequal masses: the tension arrow is 2·g·m1·m2/(m1 + m2) to the scale
    // of 0.0001·H per unit of force.
    const Shapes u = scene::startShapes(canvas, 60, 40, 470.4);
    QVERIFY(near(u.pull1.y1 - u.pull1.y2, 2 * 9.81 * 0.0001 * H * 60 * 40 / 100));
    QVERIFY(near(u.weight2.y2 - u.weight2.y1, 9.81 * 0.0001 * H * 40));
    QVERIFY(near(u.block1.bottom, 0.66 * H) && near(u.block2.bottom, 0.64 * H));
}

void TestAtwoodScene::cordsHangFromTheRimTangents()
{
    RecordingCanvas canvas(W, H);
    const Shapes s = scene::startShapes(canvas, 30, 80, 1);
    scene::drawAtRest(canvas, s, 1096.8);
    const QList<DrawOp> black = canvas.inColour(colour::black);
    QCOMPARE(black.size(), 2);
    QVERIFY(black[0].sameShape(lineOp(0.35 * W, 1096.8, 0.35 * W, s.block1.top, 0)));
    QVERIFY(black[1].sameShape(lineOp(0.65 * W, 1096.8, 0.65 * W, s.block2.top, 0)));
}

// Fault caught: a cap on an arrow that stands for no force, or a dot on
// one that does.
void TestAtwoodScene::tipMarksFollowTheForces_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("tension");
    QTest::addColumn<bool>("weight1Cap");
    QTest::addColumn<bool>("weight2Cap");
    QTest::addColumn<bool>("pullCaps");
    QTest::addColumn<double>("pullLength");

    QTest::newRow("60/40: all caps") << 60 << 40 << 470.4 << true << true << true << 2 * 9.81 * 0.0001 * H * 24;
    QTest::newRow("mass 2 zero: its weight and both pulls are dots") << 70 << 0 << 0.0 << true << false << false
                                                                     << 0.0;
    QTest::newRow("both zero: four dots, no division") << 0 << 0 << 0.0 << false << false << false << 0.0;
    QTest::newRow("tension not yet computed: pulls are dots") << 50 << 50 << 0.0 << true << true << false
                                                              << 0.04905 * H;
}

void TestAtwoodScene::tipMarksFollowTheForces()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, tension);
    QFETCH(bool, weight1Cap);
    QFETCH(bool, weight2Cap);
    QFETCH(bool, pullCaps);
    QFETCH(double, pullLength);

    RecordingCanvas canvas(W, H);
    const Shapes s = scene::startShapes(canvas, m1, m2, tension);
    const auto cap = [](bool c) { return c ? TipMark::Cap : TipMark::Dot; };
    QCOMPARE(s.weight1.mark, cap(weight1Cap));
    QCOMPARE(s.weight2.mark, cap(weight2Cap));
    QCOMPARE(s.pull1.mark, cap(pullCaps));
    QCOMPARE(s.pull2.mark, cap(pullCaps));
    QVERIFY(near(s.pull1.y1 - s.pull1.y2, pullLength));
    QVERIFY(std::isfinite(s.pull2.y2));
    if (m1 == 0)
        QCOMPARE(s.block1.top, s.block1.bottom);

    scene::drawAtRest(canvas, s, 1000);
    for (ui::Rgb c : {colour::red, colour::green}) {
        const QList<DrawOp> ops = canvas.inColour(c);
        QCOMPARE(ops.size(), 4); // two lines, two marks
        for (const DrawOp &op : ops) {
            if (op.kind == DrawOp::Circle)
                QCOMPARE(op.a[2], 30.0);
            else if (op.kind == DrawOp::Arc)
                QCOMPARE(op.a[2], 60.0);
        }
    }
}

// Fault caught: the half circle drawn on the wrong side, so its round end
// does not end at the tip.
void TestAtwoodScene::capsBulgeAwayFromTheTip()
{
    RecordingCanvas canvas(W, H);
    const Shapes s = scene::startShapes(canvas, 60, 40, 470.4);
    scene::drawAtRest(canvas, s, 1000);
    const QList<DrawOp> red = canvas.inColour(colour::red);
    const QList<DrawOp> green = canvas.inColour(colour::green);
    // Weight: line, arc centred 60 above the tip, from π to 0 (the lower half).
    QCOMPARE(red[1].kind, DrawOp::Arc);
    QVERIFY(near(red[1].a[0], s.weight1.x2) && near(red[1].a[1], s.weight1.y2 - 60));
    QCOMPARE(red[1].a[3], Pi);
    QCOMPARE(red[1].a[4], 0.0);
    // Tension: centred 60 below the tip, from 0 to π (the upper half).
    QCOMPARE(green[1].kind, DrawOp::Arc);
    QVERIFY(near(green[1].a[0], s.pull1.x2) && near(green[1].a[1], s.pull1.y2 + 60));
    QCOMPARE(green[1].a[3], 0.0);
    QCOMPARE(green[1].a[4], Pi);
}

// Fault caught: a tick drawing in the order of the rest scene, or the
// reverse; the colour on top where two arrows meet depends on it.
void TestAtwoodScene::orderAtRestAndWhileMoving()
{
    RecordingCanvas rest(W, H);
    const Shapes s = scene::startShapes(rest, 60, 40, 470.4);
    scene::drawAtRest(rest, s, 1000);
    RecordingCanvas moving(W, H);
    scene::drawMoving(moving, s, 1000);

    const auto colours = [](const RecordingCanvas &c) {
        QList<ui::Rgb> list;
        for (const DrawOp &op : c.shapes())
            list << op.colour;
        return list;
    };
    const QList<ui::Rgb> k = {colour::black, colour::black};
    const QList<ui::Rgb> b(8, colour::blue);
    const QList<ui::Rgb> r(4, colour::red);
    const QList<ui::Rgb> g(4, colour::green);
    QCOMPARE(colours(rest), k + b + r + g);
    QCOMPARE(colours(moving), k + b + g + r);

    // Sides: top, left, bottom, right.
    const QList<DrawOp> blue = rest.inColour(colour::blue);
    const Block &b1 = s.block1;
    QVERIFY(blue[0].sameShape(lineOp(b1.left, b1.top, b1.right, b1.top, 0)));
    QVERIFY(blue[1].sameShape(lineOp(b1.left, b1.top, b1.left, b1.bottom, 0)));
    QVERIFY(blue[2].sameShape(lineOp(b1.left, b1.bottom, b1.right, b1.bottom, 0)));
    QVERIFY(blue[3].sameShape(lineOp(b1.right, b1.top, b1.right, b1.bottom, 0)));
}

// Fault caught: an erase that misses a shape, or erases it elsewhere, and
// leaves a trace on the picture.
void TestAtwoodScene::eraseCoversWhatWasDrawn_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("tension");

    QTest::newRow("60/40") << 60 << 40 << 470.4;
    QTest::newRow("100/0") << 100 << 0 << 0.0;
    QTest::newRow("0/0") << 0 << 0 << 0.0;
    QTest::newRow("50/50 at load, tension not yet computed") << 50 << 50 << 0.0;
}

void TestAtwoodScene::eraseCoversWhatWasDrawn()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, tension);

    RecordingCanvas drawn(W, H);
    const Shapes s = scene::startShapes(drawn, m1, m2, tension);
    scene::drawAtRest(drawn, s, 1096.8);
    RecordingCanvas erased(W, H);
    scene::erase(erased, s, 1096.8);

    QCOMPARE(erased.inColour(colour::cyan).size(), erased.shapes().size());
    // The erase goes cords, blocks, weights, pulls: the order of the rest scene.
    QVERIFY2(sameShapes(erased.shapes(), drawn.shapes()), qPrintable(describe(erased.shapes())));

    RecordingCanvas moved(W, H);
    scene::drawMoving(moved, s, 1096.8);
    QVERIFY(coversEveryShape(erased.shapes(), moved.shapes()));
}

// Fault caught: the load's tension arrows are drawn with dots (the tension
// is computed after them); erasing them by the tension, with caps, would
// leave the two green dots on the picture.
void TestAtwoodScene::eraseUsesTheMarkDrawnWith()
{
    RecordingCanvas canvas(W, H);
    const Shapes atLoad = scene::startShapes(canvas, 50, 50, 0);
    scene::erase(canvas, atLoad, 1096.8);
    const QList<DrawOp> cyan = canvas.inColour(colour::cyan);
    const auto dots = std::count_if(cyan.cbegin(), cyan.cend(), [&](const DrawOp &op) {
        return op.kind == DrawOp::Circle && near(op.a[1], atLoad.pull1.y2);
    });
    QCOMPARE(dots, 2);
}

void TestAtwoodScene::strobeZonesAndMarks()
{
    RecordingCanvas canvas(W, H);
    scene::clearStrobeZones(canvas);
    QCOMPARE(canvas.ops.size(), 2);
    QCOMPARE(canvas.ops[0].kind, DrawOp::FillRect);
    QCOMPARE(canvas.ops[0].colour, colour::cyan);
    QVERIFY(canvas.ops[0].sameShape({DrawOp::FillRect, 0, {0.2 * W, 0.2 * H, 0.3 * W, 0.95 * H, 0}, {}}));
    QVERIFY(canvas.ops[1].sameShape({DrawOp::FillRect, 0, {0.73 * W, 0.2 * H, 0.8 * W, 0.95 * H, 0}, {}}));

    canvas.clear();
    Shapes s = scene::startShapes(canvas, 60, 40, 470.4);
    s.block1.bottom += 123;
    s.block2.bottom -= 45;
    scene::drawStrobeMarks(canvas, s);
    const QList<DrawOp> blue = canvas.inColour(colour::blue);
    QCOMPARE(blue.size(), 2);
    QVERIFY(blue[0].sameShape({DrawOp::Circle, 0, {0.25 * W, s.block1.bottom, 30, 0, 0}, {}}));
    QVERIFY(blue[1].sameShape({DrawOp::Circle, 0, {0.75 * W, s.block2.bottom, 30, 0, 0}, {}}));
}

QTEST_GUILESS_MAIN(TestAtwoodScene)
#include "tst_atwood_scene.moc"
