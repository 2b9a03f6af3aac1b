// The three simulations without their window, through the one interface
// the window runs them by: runs to the end, how the picture follows the
// bodies, the record of a run as a table and a file, the run clock, the
// overdraw, and a problem's values on the bars.

#include "core/constants.h"
#include "core/simulations/atwood_simulation.h"
#include "core/simulations/horizontal_plane_simulation.h"
#include "core/simulations/inclined_plane_simulation.h"
#include "core/simulations/run_energy.h"
#include "core/simulations/run_table.h"
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

// As a spreadsheet of `locale` reads a cell.
double number(const QString &text, const QLocale &locale = QLocale())
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    return ok ? value : qQNaN();
}

core::Point along(core::Point from, double length, double radians)
{
    return {from.x + length * std::cos(radians), from.y - length * std::sin(radians)};
}

// A run to its end as its window records it: a row at every strobe mark.
run_data::RunRecord recordedRun(Simulation &simulation)
{
    run_data::RunRecord run = simulation.newRecord();
    core::RunClock clock;
    while (simulation.moves() && !simulation.finished()) {
        clock.tick();
        simulation.step(clock);
        run.advance(simulation.sample(), clock.strobeDue());
    }
    run.finish();
    return run;
}

// The energies as a textbook writes them for each setup, in the order of
// the bars: W, Ec (each body), Q, ΔEp (each body), the cord's work (each body).
QList<double> textbookEnergies(int kind, const QList<int> &bars, double mass, const run_data::Sample &at)
{
    const double g = 9.8, d = at.distance, v = at.speed;
    if (kind == Inclined) {
        const double theta = bars[0] * 3.1416 / 180, mu = bars[1] / 1000.0;
        const double weight = mass * g * std::sin(theta) * d;
        return {weight, mass * v * v / 2, mu * mass * g * std::cos(theta) * d, -weight};
    }
    const double m1 = bars[0] - 1, m2 = bars[1] - 1;
    if (kind == Table) {
        const double mu = bars[2] / 100.0, tension = m1 * m2 * g * (1 + mu) / (m1 + m2);
        return {m2 * g * d, m1 * v * v / 2, m2 * v * v / 2, mu * m1 * g * d, 0, -m2 * g * d, tension * d, -tension * d};
    }
    const double tension = 2 * g * m1 * m2 / (m1 + m2);
    const double sinks1 = m1 > m2 ? 1 : -1;
    return {std::fabs(m1 - m2) * g * d, m1 * v * v / 2, m2 * v * v / 2, -sinks1 * m1 * g * d, sinks1 * m2 * g * d,
            -sinks1 * tension * d, sinks1 * tension * d};
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

    void recordAsTableAndFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<double>("a");       // m/s², worked out by hand
        QTest::addColumn<int>("bodies");
        QTest::newRow("plane 30°, μ 0: 9,8·sin 30°") << int(Inclined) << QList<int>{30, 0} << 4.9 << 1;
        QTest::newRow("table 50/30, μ 0,2: 20·9,8 / 80") << int(Table) << QList<int>{51, 31, 20} << 2.45 << 2;
        // Summed steps drift below 1,00 and below 4,50: no mark may be lost.
        QTest::newRow("Atwood 60/40: 20·9,8 / 100, a mark at 1,00 s") << int(Atwood) << QList<int>{61, 41} << 1.96 << 2;
        QTest::newRow("Atwood 51/50: 9,8 / 101, 45 marks") << int(Atwood) << QList<int>{52, 51} << 0.0970297 << 2;
    }

    // Fault caught: a row per tick or a mark lost to the drift of the summed
    // time; columns in another order than their headings; a file that a
    // spreadsheet of the language misreads (it splits on ";" and reads
    // decimal commas, in English on "," and points) or that has no byte-order
    // mark, which some spreadsheets need to read UTF-8.
    void recordAsTableAndFile()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, bars);
        QFETCH(double, a);
        QFETCH(int, bodies);
        const std::unique_ptr<Simulation> simulation = make(kind, bars);
        const run_data::RunRecord run = recordedRun(*simulation);
        QCOMPARE(run.strobes().size(), (run.samples().size() - 1) / 10); // the first sample is at 0 s
        for (const QLocale &locale : {QLocale(), QLocale(QLocale::English, QLocale::UnitedStates)}) {
            QLocale::setDefault(locale);
            const QByteArray csv = run_data::toCsv(run);
            init();
            QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
            QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
            QCOMPARE(lines.takeLast(), QString());
            QCOMPARE(lines.size(), 1 + run.strobes().size());
            const QChar separator = locale.decimalPoint() == u"." ? u',' : u';';
            const QStringList header = lines.takeFirst().split(separator);
            const QStringList headings = run_data::headings(run);
            QCOMPARE(header.mid(0, headings.size()), headings);
            // The energies in joules after the motion, then a, T where there
            // is a cord, and each body's mass.
            QVERIFY(headings.at(1 + 2 * bodies).endsWith(QStringLiteral(" (J)")) && headings.last().endsWith(" (J)"));
            QCOMPARE(header.size(), headings.size() + (bodies == 2 ? 2 : 1) + bodies);
            QVERIFY(header.last().endsWith(QStringLiteral(" (kg)")));
            for (int i = 0; i < lines.size(); ++i) {
                const QStringList cells = lines.at(i).split(separator);
                const QStringList shown = run_data::rowTexts(run, run.strobes().at(i));
                const double t = 0.1 * (i + 1);
                for (int c = 0; c < shown.size(); ++c) {
                    QCOMPARE(number(cells.at(c), locale), number(shown.at(c)));
                    if (c <= 2 * bodies)
                        QVERIFY(std::fabs(number(shown.at(c)) - (c == 0 ? t : c % 2 ? a * t * t / 2 : a * t))
                                <= 0.5e-4 + 1e-12);
                }
                QVERIFY(std::fabs(number(cells.at(shown.size()), locale) - a) <= 0.5e-3);
            }
        }
    }

    void energiesBalance_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<double>("mass"); // the inclined plane's block, kg
        QTest::addColumn<QString>("balance"); // at the last strobe mark
        // W = m·g·d·sen θ at 0,70 s: d = ½·3,2026·0,7², 9,8·0,7846·0,5 = 3,84 J.
        QTest::newRow("plane 30°, μ 0,2, 1 kg") << int(Inclined) << QList<int>{30, 200} << 1.0
            << "Trabajo del peso 3,84 J = energía cinética 2,51 J + calor por rozamiento 1,33 J";
        QTest::newRow("plane 30°, μ 0,2, 2,5 kg: every energy 2,5 times")
            << int(Inclined) << QList<int>{30, 200} << 2.5
            << "Trabajo del peso 9,61 J = energía cinética 6,28 J + calor por rozamiento 3,33 J";
        // cos 90° is −4·10⁻⁶ with π = 3,1416: a heat of −10⁻⁵ J shows as 0,00.
        QTest::newRow("plane 90°, μ 0,3: falls by the wall, no heat") << int(Inclined) << QList<int>{90, 300} << 1.0
            << "Trabajo del peso 7,68 J = energía cinética 7,68 J + calor por rozamiento 0,00 J";
        // At 0,90 s: a = 2,45, d = 0,99225, v = 2,205; 30·9,8·d = 291,7215 J.
        QTest::newRow("table 50/30, μ 0,2: block 2's weight only") << int(Table) << QList<int>{51, 31, 20} << 0.0
            << "Trabajo del peso 291,72 J = energía cinética (bloque 1) 121,55 J + "
               "energía cinética (bloque 2) 72,93 J + calor por rozamiento 97,24 J";
        // At 0,40 s: d = ½·9,8·0,4² = 0,784 m; 10·9,8·0,784 = 76,832 J.
        QTest::newRow("table 0/10, μ 0,5: free fall, slack cord, nothing rubs")
            << int(Table) << QList<int>{1, 11, 50} << 0.0
            << "Trabajo del peso 76,83 J = energía cinética (bloque 1) 0,00 J + "
               "energía cinética (bloque 2) 76,83 J + calor por rozamiento 0,00 J";
        // At 1,00 s: 20·9,8·0,98 = 192,08 J = ½·60·1,96² + ½·40·1,96² = 115,248 + 76,832.
        QTest::newRow("Atwood 60/40: mass 1 sinks") << int(Atwood) << QList<int>{61, 41} << 0.0
            << "Trabajo de los pesos 192,08 J = energía cinética (masa 1) 115,25 J + "
               "energía cinética (masa 2) 76,83 J";
        QTest::newRow("Atwood 0/35: mass 1 weighs nothing to lift") << int(Atwood) << QList<int>{1, 36} << 0.0
            << "Trabajo de los pesos 268,91 J = energía cinética (masa 1) 0,00 J + "
               "energía cinética (masa 2) 268,91 J";
    }

    // Fault caught: a rising body that loses potential energy, a cord whose
    // work does not cancel, friction on another normal force than m·g·cos θ
    // or without μ, the problems' g, a mass chosen for the inclined plane
    // that does not reach its energies, and shown terms that do not add up
    // or stray a hundredth or more from their values.
    void energiesBalance()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, bars);
        QFETCH(double, mass);
        const std::unique_ptr<Simulation> simulation = make(kind, bars);
        run_data::RunRecord run = recordedRun(*simulation);
        run.setChosenMass(mass);
        QVERIFY(run.strobes().size() >= 4);
        QList<run_data::EnergyTerm> terms;
        for (const run_data::Sample &strobe : run.strobes()) {
            terms = run_data::energyTerms(run, strobe);
            const QList<double> textbook = textbookEnergies(kind, bars, mass, strobe);
            QCOMPARE(terms.size(), textbook.size());
            long long work = 0, destinations = 0, potential = 0, cord = 0;
            for (int i = 0; i < terms.size(); ++i) {
                const run_data::EnergyTerm &term = terms.at(i);
                QVERIFY2(std::fabs(term.exact - textbook.at(i)) <= 1e-9 * (1 + std::fabs(textbook.at(i))),
                         qPrintable(QStringLiteral("term %1 at %2 s").arg(i).arg(strobe.time)));
                QVERIFY(std::fabs(term.shownJoules() - term.exact) < 0.01);
                using run_data::EnergyKind;
                (term.kind == EnergyKind::WeightWork    ? work
                 : term.kind == EnergyKind::PotentialChange ? potential
                 : term.kind == EnergyKind::TensionWork  ? cord
                                                         : destinations) += term.shown;
            }
            QCOMPARE(destinations, work);
            QCOMPARE(potential, -work);
            QCOMPARE(cord, 0LL);
        }
        QTEST(run_data::balanceText(run, terms), "balance");
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

    // Summing 0,01 drifts; the rule must still mark every tenth tick, and
    // only those, over a run longer than any window allows.
    void strobeEveryTenthTick()
    {
        core::RunClock clock;
        for (int tick = 1; tick <= 3000; ++tick) {
            clock.tick();
            QCOMPARE(clock.strobeDue(), tick % 10 == 0);
            QCOMPARE(clock.previousTime() + core::RunClock::Step, clock.time());
        }
        clock.reset();
        QCOMPARE(clock.time(), 0.0);
        // Halves round to even: 10,5 and 20,5 hundredths are marks too.
        for (double t : {0.095, 0.105, 0.205})
            QVERIFY(core::RunClock::strobeDueAt(t));
    }

    // Erase, fixed parts, new frame: in that order, the erase being the
    // previous frame shape for shape in the background colour.
    void overdrawErasesWhatItShowed()
    {
        core::Frame first, second, fixed;
        first.setLineWidth(2);
        first.box({100, 100, 400, 300}, core::colour::blue);
        first.arrow({250, 200}, {250, 900}, core::colour::red, core::capBehind({250, 900}, 0, 1, constants::SimulationPi, 0));
        second.arrowWithDot({250, 200}, {250, 200}, core::colour::red);
        fixed.line({0, 1000}, {6000, 1000}, core::colour::black);

        core::Overdraw overdraw(core::colour::cyan);
        FrameRecorder blank, canvas;
        overdraw.show(blank, first, fixed);
        overdraw.show(canvas, second, fixed);
        const std::vector<Shape> &shapes = canvas.drawn.shapes();
        QCOMPARE(shapes.size(), first.shapes().size() + 1 + 2);
        for (std::size_t i = 0; i < first.shapes().size(); ++i) {
            Shape erased = first.shapes()[i];
            erased.colour = core::colour::cyan;
            QVERIFY(shapes[i] == erased);
        }
        QCOMPARE(shapes[first.shapes().size()], fixed.shapes().front());
        QVERIFY(shapes.back().kind == Shape::Kind::Circle && shapes.back().radius == core::DotRadius && overdraw.shown() == second);
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
        QTest::newRow("angle above 90°") << angleBar() << 95.0 << 90 << "θ = 95° se muestra como 90° (el máximo)";
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
