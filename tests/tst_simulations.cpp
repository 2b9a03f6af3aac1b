// The three simulations without their window, through the one interface
// the window runs them by: runs to the end, how the picture follows the
// bodies, the record of a run as a table and a file, the run clock, the
// overdraw, and a problem's values on the bars.

#include "core/constants.h"
#include "core/simulations/atwood_simulation.h"
#include "core/simulations/horizontal_plane_simulation.h"
#include "core/simulations/inclined_plane_simulation.h"
#include "support/frame_recorder.h"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace simulation;
using core::Shape;

Q_DECLARE_METATYPE(simulation::Bar)

namespace {

enum Kind { Inclined, Table, Atwood };

// The picture its window lays out, in twips.
constexpr double PictureSizes[][2] = {{6000, 6000}, {7080, 6000}, {5535, 6855}};
double frameWidth(int kind) { return PictureSizes[kind][0]; }
double frameHeight(int kind) { return PictureSizes[kind][1]; }

std::unique_ptr<Simulation> make(int kind, const QList<int> &bars)
{
    std::unique_ptr<Simulation> made(kind == Inclined ? static_cast<Simulation *>(new InclinedPlane)
                                     : kind == Table  ? static_cast<Simulation *>(new HorizontalPlane)
                                                      : new AtwoodMachine);
    made->setPicture(frameWidth(kind), frameHeight(kind));
    made->setUp(bars);
    return made;
}

// Shapes of one kind and colour keep their order in every frame; the Atwood
// machine draws its arrows in another order once moving.
std::vector<Shape> grouped(std::vector<Shape> shapes)
{
    std::stable_sort(shapes.begin(), shapes.end(),
                     [](const Shape &l, const Shape &r) { return std::pair(l.kind, l.colour) < std::pair(r.kind, r.colour); });
    return shapes;
}

core::Point along(core::Point from, double length, double radians)
{
    return {from.x + length * std::cos(radians), from.y - length * std::sin(radians)};
}

} // namespace

class TestSimulations : public QObject
{
    Q_OBJECT

private slots:
    // Some tests switch to English; every test starts in Spanish.
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void runsToTheEnd_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<double>("metres");
        QTest::addColumn<QList<QPointF>>("perMetre"); // each body's move in twips per metre
        QTest::addColumn<int>("fixed");               // points of the picture that stay
        const QPointF down(0, 1987.95); // Atwood: from the bottom at rest with 50 kg down to 0,94·H
        QTest::newRow("plane 30°, μ 0,2: a = 3,20260, ½·a·0,79²") << int(Inclined) << QList<int>{30, 200} << 79
                                                               << 0.99937 << QList<QPointF>{{-3377.50, 1950.00}} << 6;
        QTest::newRow("plane 90°, μ 0,3: falls by the wall, ½·9,8·0,45²") << int(Inclined) << QList<int>{90, 300} << 45
                                                                       << 0.99225 << QList<QPointF>{{0.01, 3900.00}} << 6;
        QTest::newRow("table 50/50: ½·4,9·0,64²") << int(Table) << QList<int>{51, 51, 0} << 64 << 1.00352
                                                  << QList<QPointF>{{3997.2, 0}, {0, 3090}} << 2;
        QTest::newRow("table 0/5, block 2 short: 0,56·H to fall, ½·9,8·0,48²") << int(Table) << QList<int>{1, 6, 0} << 48
                                                                             << 1.12896 << QList<QPointF>{{3997.2, 0}, {0, 3090}} << 2;
        QTest::newRow("Atwood 60/40: ½·1,96·1²") << int(Atwood) << QList<int>{61, 41} << 100 << 0.98
                                                 << QList<QPointF>{down, -down} << 2;
        QTest::newRow("Atwood 0/35: block 1 rises, ½·9,8·0,47²") << int(Atwood) << QList<int>{1, 36} << 47 << 1.08241
                                                                 << QList<QPointF>{-down, down} << 2;
    }

    // Fault caught: a run that ends a tick early or late; a body moved by
    // its new place instead of the change of ½·a·t², or on the wrong scale;
    // a rising block that sinks; an arrow, a corner or a cord's end left
    // behind its body, or a fixed part that moves.
    void runsToTheEnd()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, bars);
        QFETCH(QList<QPointF>, perMetre);
        const std::unique_ptr<Simulation> run = make(kind, bars);
        const std::vector<Shape> atStart = grouped(run->frame().shapes());
        core::RunClock clock;
        int ticks = 0;
        for (; run->moves() && !run->finished() && ticks < 1000; ++ticks) {
            clock.tick();
            run->step(clock);
        }
        QTEST(ticks, "ticks");
        QFETCH(double, metres);
        QVERIFY(std::fabs(run->sample().distance - metres) < 1e-5);
        QCOMPARE(run->sample().time, clock.time());

        const std::vector<Shape> atEnd = grouped(run->frame().shapes());
        QCOMPARE(atEnd.size(), atStart.size());
        int fixed = 0;
        for (std::size_t i = 0; i < atEnd.size(); ++i) {
            for (auto point : {&Shape::a, &Shape::b}) {
                if (point == &Shape::b && atEnd[i].kind != Shape::Kind::Line && atEnd[i].kind != Shape::Kind::FilledBox)
                    continue;
                const QPointF moved((atEnd[i].*point).x - (atStart[i].*point).x, (atEnd[i].*point).y - (atStart[i].*point).y);
                const bool withABody = std::any_of(perMetre.begin(), perMetre.end(), [&](QPointF body) {
                    return (moved - body * metres).manhattanLength() < 0.05;
                });
                fixed += moved.isNull();
                QVERIFY2(moved.isNull() || withABody, qPrintable(QStringLiteral("shape %1 moved by %2, %3").arg(i).arg(moved.x()).arg(moved.y())));
            }
        }
        QTEST(fixed, "fixed");
    }

    // Fault caught: a head that does not touch the tip of its arrow with its
    // apex (the weight's is centred 60·sin θ above its tip), heads drawn
    // along a wall, or a friction of no length given one except while the
    // block slides.
    void inclinedPlaneHeads_data()
    {
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<bool>("sliding");
        QTest::addColumn<int>("heads");
        QTest::newRow("30°, μ 0,2") << QList<int>{30, 200} << false << 5;
        QTest::newRow("45°, μ 1, friction holds") << QList<int>{45, 1000} << false << 5;
        QTest::newRow("30°, μ 0: no friction, no head") << QList<int>{30, 0} << false << 4;
        QTest::newRow("30°, μ 0 sliding: a head on the centre") << QList<int>{30, 0} << true << 5;
        QTest::newRow("0°, μ 0,5: held, no friction drawn") << QList<int>{0, 500} << false << 4;
        QTest::newRow("90°, μ 0,3 sliding: none along the wall") << QList<int>{90, 300} << true << 3;
    }
    void inclinedPlaneHeads()
    {
        QFETCH(QList<int>, bars);
        QFETCH(bool, sliding);
        const std::unique_ptr<Simulation> plane = make(Inclined, bars);
        if (sliding) {
            core::RunClock clock;
            clock.tick();
            plane->step(clock);
        }
        const std::vector<Shape> shapes = plane->frame().shapes();
        const double pi = constants::SimulationPi;
        // G, the tip of the weight: the along-slope component runs from it.
        const core::Point g = std::find_if(shapes.begin(), shapes.end(), [](const Shape &s) { return s.colour == core::colour::red; })->b;
        int heads = 0;
        for (std::size_t i = 1; i < shapes.size(); ++i) {
            const Shape &head = shapes[i];
            const Shape &line = shapes[i - 1];
            if (head.kind != Shape::Kind::Arc)
                continue;
            ++heads;
            QCOMPARE(line.colour, head.colour);
            const double span = head.end - head.start + (head.end < head.start ? 2 * pi : 0);
            const core::Point apex = along(head.a, head.radius, head.start + span / 2);
            core::Point tip = line.a == g ? g : line.b;
            if (head.colour == core::colour::red)
                tip.y += 60 * (1 - std::sin(bars[0] * pi / 180));
            QVERIFY2(std::hypot(apex.x - tip.x, apex.y - tip.y) < 0.05, qPrintable(QString::number(i)));
        }
        QTEST(heads, "heads");
    }

    // Fault caught: the tension drawn where it is not (both masses zero keep
    // the last one, a held table shows block 2's weight), or a friction arrow
    // at μ·m₁·g while friction holds the blocks: it pulls as much as block 2.
    void tableArrowsToScale_data()
    {
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<double>("tension"); // N, 0,00015·W twips each
        QTest::addColumn<double>("friction");
        QTest::newRow("50/30, μ 0,2 sliding: T = 220,5, μ·m₁·g = 98") << QList<int>{51, 31, 20} << 220.5 << 98.0;
        QTest::newRow("100/10, μ 0,5 held: T = m₂·g, not μ·m₁·g") << QList<int>{101, 11, 50} << 98.0 << 98.0;
    }
    void tableArrowsToScale()
    {
        QFETCH(QList<int>, bars);
        const std::unique_ptr<Simulation> table = make(Table, bars);
        table->setUp({1, 1, 0}); // no solution: the tension stays
        table->setUp(bars);
        const std::vector<Shape> shapes = table->frame().shapes();
        const auto first = [&](core::Rgb colour) {
            const auto found = std::find_if(shapes.begin(), shapes.end(), [&](const Shape &s) { return s.colour == colour; });
            return std::fabs(found->b.x - found->a.x) / (0.00015 * 7080);
        };
        QFETCH(double, tension);
        QFETCH(double, friction);
        QVERIFY(std::fabs(first(core::colour::red) - tension) < 1e-9);
        QVERIFY(std::fabs(first(core::colour::yellow) - friction) < 1e-9);
    }

    // μ·m₁ came out a hair below m₂ where they balance; those runs never
    // ended at a ≈ 0.
    void tableMovesOnlyOutOfBalance_data()
    {
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<bool>("moves");
        QTest::newRow("block 2 massless: held") << QList<int>{11, 1, 0} << false;
        QTest::newRow("100/20, μ 0,2: held") << QList<int>{101, 21, 20} << false;
        QTest::newRow("100/21, μ 0,2: the least that moves") << QList<int>{101, 22, 20} << true;
        QTest::newRow("29/29, μ 1: balanced") << QList<int>{30, 30, 100} << false;
        QTest::newRow("58/29, μ 0,5: balanced") << QList<int>{59, 30, 50} << false;
        QTest::newRow("58/58, μ 1: balanced") << QList<int>{59, 59, 100} << false;
    }
    void tableMovesOnlyOutOfBalance()
    {
        QFETCH(QList<int>, bars);
        QTEST(make(Table, bars)->moves(), "moves");
    }

    // In a picture 1530 twips high a block 2 of 565 kg reaches the floor
    // line exactly at the start: touching it is not enough.
    void tableStopsPastTheFloorLine()
    {
        using namespace horizontal_plane;
        QVERIFY(!pastFloor(startBlocks({0, 565, 0}, 7080, 1530), 1530));
        QVERIFY(pastFloor(startBlocks({0, 566, 0}, 7080, 1530), 1530));
    }

    // A strobe instant is a tenth rounded half to even: a time summed from
    // steps of 0,01 that lands on 10,5 or 20,5 hundredths is a mark too.
    void strobeAtHalves()
    {
        for (double t : {0.095, 0.105, 0.205})
            QVERIFY(core::RunClock::strobeDueAt(t));
        QVERIFY(!core::RunClock::strobeDueAt(0.115));
    }

    void theEnlargedDrawingKeepsClear_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<QList<int>>>("setUps"); // bar values
        QList<QList<int>> table, atwood, inclined;
        for (int m1 = 1; m1 <= 101; m1 += 10)
            for (int m2 = 1; m2 <= 101; m2 += 10)
                for (int mu : {0, 20, 60}) {
                    table.append({m1, m2, mu});
                    table.append({1 + m1 / 10, 1 + m2 / 10, mu}); // textbook masses
                }
        for (int m1 = 1; m1 <= 101; m1 += 5)
            for (int m2 = 1; m2 <= 101; m2 += 5)
                atwood.append({m1, m2});
        for (int angle = 0; angle <= 90; angle += 3)
            for (int mu = 0; mu <= 1000; mu += 100)
                inclined.append({angle, mu});
        QTest::newRow("inclined plane") << int(Inclined) << inclined;
        QTest::newRow("table") << int(Table) << table;
        QTest::newRow("Atwood machine") << int(Atwood) << atwood;
    }

    // Fault caught: an enlarged arrow or block that leaves the picture, or
    // an arrow that crosses the scale line or a strobe strip (its erasing
    // would cut the marks), anywhere in a run.
    void theEnlargedDrawingKeepsClear()
    {
        QFETCH(int, kind);
        QFETCH(QList<QList<int>>, setUps);
        for (const QList<int> &bars : setUps) {
            const std::unique_ptr<Simulation> run = make(kind, bars);
            run->setEnlarged(true);
            QList<core::Rect> apart{run->scaleLine().box};
            const core::Frame strips = run->strobeStrips();
            for (const Shape &strip : strips.shapes())
                apart.append({strip.a.x, strip.a.y, strip.b.x, strip.b.y});
            const auto clear = [&](const core::Frame &frame) {
                for (const Shape &shape : frame.shapes()) {
                    // What the shape covers, its pen (2 px, 30 twips) included.
                    const bool line = shape.kind == Shape::Kind::Line;
                    const double reach = (line ? 0 : shape.radius) + 15;
                    const core::Point far = line ? shape.b : shape.a;
                    const core::Rect covered{std::min(shape.a.x, far.x) - reach, std::min(shape.a.y, far.y) - reach,
                                             std::max(shape.a.x, far.x) + reach, std::max(shape.a.y, far.y) + reach};
                    if (covered.left < 0 || covered.top < 0 || covered.right > frameWidth(kind)
                        || covered.bottom > frameHeight(kind))
                        return false;
                    // The blocks stand beside the strips, as they always have.
                    if (shape.colour == core::colour::blue)
                        continue;
                    for (const core::Rect &box : apart) {
                        if (covered.right > box.left && covered.left < box.right && covered.bottom > box.top
                            && covered.top < box.bottom)
                            return false;
                    }
                }
                return true;
            };
            core::RunClock clock;
            bool keptClear = clear(run->frame());
            for (int tick = 0; keptClear && run->canStart() && run->moves() && !run->finished() && tick < 20000; ++tick) {
                clock.tick();
                run->step(clock);
                keptClear = clear(run->frame());
            }
            QVERIFY2(keptClear, qPrintable(QStringLiteral("bars %1, %2, %3").arg(bars.value(0)).arg(bars.value(1)).arg(bars.value(2))));
        }
    }

    void problemValueOnItsBar_data()
    {
        QTest::addColumn<Bar>("bar");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("note");
        QTest::newRow("computed mass, three decimals in the note")
            << massBar(2) << 5.91370558 << 7 << "m₂ = 5,914 kg se muestra como 6 kg";
        QTest::newRow("noise of a computation is no change") << massBar(2) << 1.9999999999 << 3 << QString();
        QTest::newRow("table μ 0,285: half up although 28,4999… in binary")
            << tableFrictionBar() << 0.285 << 29 << "μ = 0,285 se muestra como 0,29";
        QTest::newRow("negative μ") << tableFrictionBar() << -0.5 << 0 << "μ = -0,5 se muestra como 0 (el mínimo)";
    }
    void problemValueOnItsBar()
    {
        QFETCH(Bar, bar);
        QFETCH(double, quantity);
        const BarSetting setting = toBar(quantity, bar);
        QTEST(setting.value, "value");
        QTEST(setting.note.value_or(QString()), "note");
    }
};

QTEST_GUILESS_MAIN(TestSimulations)
#include "tst_simulations.moc"
