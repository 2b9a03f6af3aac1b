#include "simulations/atwood/atwood_scene.h"
#include "support/recording_canvas.h"

#include <QtTest>

#include <cmath>

using namespace atwood;
namespace colour = ui::colour;

namespace {

constexpr double W = 5535;
constexpr double H = 6855;
constexpr double Pi = 3.1416;
// Twips of arrow per unit of mass: one unit of force is 9.81 · 0.0001·H.
constexpr double PerMass = 9.81 * 0.0001 * H;

bool near(double a, double b)
{
    return std::fabs(a - b) < 1e-6;
}

// One line per drawing call, so that a mismatch shows where it starts.
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
    void fixedPartsAtTheirDesignedPlaces();
    void startShapesToScaleAndErasedWhole_data();
    void startShapesToScaleAndErasedWhole();
    void drawingOrderCordsAndTipMarks();
};

// Fault caught: a title printed where the previous drawing left the position
// (no dot moved it first), or a pulley, strobe strip or strobe mark out of
// place, or lines and text of another size.
void TestAtwoodScene::fixedPartsAtTheirDesignedPlaces()
{
    RecordingCanvas canvas(W, H);
    scene::setUp(canvas);
    scene::drawTitle(canvas);
    scene::drawPulley(canvas, scene::pulleyX(canvas), scene::pulleyY(canvas));
    scene::clearStrobeZones(canvas);
    Shapes s = scene::startShapes(canvas, 60, 40, 470.4);
    s.block1.bottom += 123; // marks follow the bottoms, not the start position
    s.block2.bottom -= 45;
    scene::drawStrobeMarks(canvas, s);

    const QList<DrawOp> expected = {
        {DrawOp::LineWidth, 0, {2}, {}},
        {DrawOp::FontSize, 0, {15}, {}},
        {DrawOp::Line, colour::black, {0.05 * W, 0.05 * H, 0.05 * W, 0.05 * H}, {}},
        {DrawOp::Print, 0, {}, QStringLiteral("Máquina de")},
        {DrawOp::Line, colour::black, {0.08 * W, 0.1 * H, 0.08 * W, 0.1 * H}, {}},
        {DrawOp::Print, 0, {}, QStringLiteral("Atwood")},
        {DrawOp::Circle, colour::black, {0.5 * W, 0.16 * H, 0.15 * W}, {}},
        {DrawOp::Circle, colour::black, {0.5 * W, 0.16 * H, 0.02 * W}, {}},
        {DrawOp::FillRect, colour::cyan, {0.2 * W, 0.2 * H, 0.3 * W, 0.95 * H}, {}},
        {DrawOp::FillRect, colour::cyan, {0.73 * W, 0.2 * H, 0.8 * W, 0.95 * H}, {}},
        {DrawOp::Circle, colour::blue, {0.25 * W, 0.66 * H + 123, 30}, {}},
        {DrawOp::Circle, colour::blue, {0.75 * W, 0.64 * H - 45, 30}, {}},
    };
    QCOMPARE(describe(canvas.ops), describe(expected));
}

// Fault caught: a wrong fraction or force scale in the start scene, a cap on
// an arrow that stands for no force or a dot on one that does, a division by
// zero with both masses zero, or an erase that misses a shape or uses
// another mark than the one drawn (which left the load's two green dots).
// Marks: weight 1, weight 2, pull 1, pull 2; C a cap, D a dot.
void TestAtwoodScene::startShapesToScaleAndErasedWhole_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("tension");
    QTest::addColumn<double>("pullMasses"); // the tension over g
    QTest::addColumn<QString>("marks");

    QTest::newRow("50/50 at load: tension not yet computed, pulls are dots") << 50 << 50 << 0.0 << 50.0 << "CCDD";
    QTest::newRow("60/40: all caps") << 60 << 40 << 470.4 << 48.0 << "CCCC";
    QTest::newRow("70/0: weight 2 and both pulls are dots") << 70 << 0 << 0.0 << 0.0 << "CDDD";
    QTest::newRow("0/0: four dots, no division") << 0 << 0 << 0.0 << 0.0 << "DDDD";
}

void TestAtwoodScene::startShapesToScaleAndErasedWhole()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, tension);
    QFETCH(double, pullMasses);
    QFETCH(QString, marks);

    RecordingCanvas drawn(W, H);
    const Shapes s = scene::startShapes(drawn, m1, m2, tension);
    const auto blockAt = [](const Block &b, double left, int mass) {
        return near(b.left, left * W) && near(b.right, (left + 0.1) * W) && near(b.top, 0.6 * H)
            && near(b.bottom, 0.6 * H + 0.001 * H * mass);
    };
    QVERIFY(blockAt(s.block1, 0.3, m1) && blockAt(s.block2, 0.6, m2));
    // Arrows from the block's centre: weights down, pulls up.
    const auto arrowAt = [](const Arrow &a, const Block &b, double length) {
        return near(a.x1, (b.left + b.right) / 2) && a.x2 == a.x1 && near(a.y1, (b.top + b.bottom) / 2)
            && near(a.y2 - a.y1, length);
    };
    QVERIFY(arrowAt(s.weight1, s.block1, PerMass * m1) && arrowAt(s.weight2, s.block2, PerMass * m2));
    QVERIFY(arrowAt(s.pull1, s.block1, -PerMass * pullMasses) && arrowAt(s.pull2, s.block2, -PerMass * pullMasses));
    const auto mark = [](const Arrow &a) { return a.mark == TipMark::Cap ? QStringLiteral("C") : QStringLiteral("D"); };
    QCOMPARE(mark(s.weight1) + mark(s.weight2) + mark(s.pull1) + mark(s.pull2), marks);

    // The erase goes over every shape drawn at rest, in cyan, in the same
    // order.
    scene::drawAtRest(drawn, s, 1096.8);
    RecordingCanvas erased(W, H);
    scene::erase(erased, s, 1096.8);
    QList<DrawOp> inCyan = drawn.shapes();
    for (DrawOp &op : inCyan)
        op.colour = colour::cyan;
    QCOMPARE(describe(erased.ops), describe(inCyan));
}

// Fault caught: a tick drawing in the order of the rest scene (the colour on
// top where two arrows meet depends on it), cords off the pulley's rim, a
// block's side missing, a cap bulging towards its tip, or a dot off the tip.
void TestAtwoodScene::drawingOrderCordsAndTipMarks()
{
    RecordingCanvas rest(W, H);
    Shapes s = scene::startShapes(rest, 60, 40, 470.4);
    s.weight2.mark = TipMark::Dot;
    scene::drawAtRest(rest, s, 1096.8);
    RecordingCanvas moving(W, H);
    scene::drawMoving(moving, s, 1096.8);

    const auto colours = [](const RecordingCanvas &c) {
        QList<ui::Rgb> list;
        for (const DrawOp &op : c.shapes())
            list << op.colour;
        return list;
    };
    const QList<ui::Rgb> k(2, colour::black), b(8, colour::blue), r(4, colour::red), g(4, colour::green);
    QCOMPARE(colours(rest), k + b + r + g);
    QCOMPARE(colours(moving), k + b + g + r);

    // Cords from the pulley's centre line (the rim tangents are at 0.35·W and
    // 0.65·W) to the block tops; block sides top, left, bottom, right.
    const Block &b1 = s.block1;
    const QList<DrawOp> lines = {
        {DrawOp::Line, colour::black, {0.35 * W, 1096.8, 0.35 * W, b1.top}, {}},
        {DrawOp::Line, colour::black, {0.65 * W, 1096.8, 0.65 * W, s.block2.top}, {}},
        {DrawOp::Line, colour::blue, {b1.left, b1.top, b1.right, b1.top}, {}},
        {DrawOp::Line, colour::blue, {b1.left, b1.top, b1.left, b1.bottom}, {}},
        {DrawOp::Line, colour::blue, {b1.left, b1.bottom, b1.right, b1.bottom}, {}},
        {DrawOp::Line, colour::blue, {b1.right, b1.top, b1.right, b1.bottom}, {}},
    };
    QCOMPARE(describe(rest.shapes().mid(0, 6)), describe(lines));

    // A weight's cap is the lower half of a circle centred 60 above its tip,
    // a pull's the upper half of one centred 60 below; a dot sits on the tip.
    const QList<DrawOp> red = rest.inColour(colour::red);
    const QList<DrawOp> green = rest.inColour(colour::green);
    const QList<DrawOp> marks = {
        {DrawOp::Arc, colour::red, {s.weight1.x2, s.weight1.y2 - 60, 60, Pi, 0}, {}},
        {DrawOp::Circle, colour::red, {s.weight2.x2, s.weight2.y2, 30}, {}},
        {DrawOp::Arc, colour::green, {s.pull1.x2, s.pull1.y2 + 60, 60, 0, Pi}, {}},
    };
    QCOMPARE(describe({red[1], red[3], green[1]}), describe(marks));
}

QTEST_GUILESS_MAIN(TestAtwoodScene)
#include "tst_atwood_scene.moc"
