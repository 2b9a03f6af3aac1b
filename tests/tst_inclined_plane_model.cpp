// The inclined-plane motion: whether the block slides and with which
// friction, and whole runs tick by tick as the window steps them.

#include "core/number_text.h"
#include "simulations/inclined_plane/inclined_plane_frame.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using namespace simulation::inclined_plane;

namespace {

constexpr double W = 6000;
constexpr double H = 6000;

bool near(Point p, Point from, double length, Point direction)
{
    return std::hypot(p.x - from.x - length * direction.x, p.y - from.y - length * direction.y) < 1e-6;
}

} // namespace

class TestInclinedPlaneModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    // Whether the block slides, and the friction drawn up the slope at 0.01W
    // per m/s²: μ g cos θ while it slides, g sin θ while held.
    void friction_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<bool>("slides");
        QTest::addColumn<bool>("kinetic");
        QTest::newRow("0°, μ 0.1: held on the level") << 0 << 0.1 << false << false;
        QTest::newRow("30°, μ 0: no friction") << 30 << 0.0 << true << true;
        QTest::newRow("30°, μ 0.5 < tan 30°: slides") << 30 << 0.5 << true << true;
        QTest::newRow("30°, μ 0.6 > tan 30°: held by g sin θ") << 30 << 0.6 << false << false;
        QTest::newRow("45°, μ 1: tan 45° is just above 1 with 3.1416") << 45 << 1.0 << true << true;
        QTest::newRow("90°, μ 0.3: nothing presses on a wall, no friction") << 90 << 0.3 << true << true;
    }
    void friction()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QFETCH(bool, kinetic);
        const Incline incline{double(angle), mu};
        QTEST(acceleration(incline) > 0, "slides");
        QCOMPARE(regime(incline) == Friction::Kinetic, kinetic);
        const double theta = angle * 3.1416 / 180;
        const Scene scene = startScene(incline, W, H);
        const double length = 0.01 * W * 9.8 * (kinetic ? mu * std::cos(theta) : std::sin(theta));
        QVERIFY(near(scene.F, scene.C, length, {std::cos(theta), -std::sin(theta)}));
    }

    // A run from the start: the ticks that advance (the next one stops), what
    // the last one shows, the ticks that leave strobe marks, and every point
    // slid down the slope by the distance shown while the plane stays.
    void runs_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QList<int>>("strobeTicks");
        QTest::newRow("30°, μ 0") << 30 << 0.0 << 64 << "0,64" << "1,00" << QList<int>{10, 20, 30, 40, 50, 60};
        QTest::newRow("45°, μ 0.5") << 45 << 0.5 << 76 << "0,76" << "1,00"
                                    << QList<int>{10, 20, 30, 40, 50, 60, 70};
        QTest::newRow("90°, μ 0.3") << 90 << 0.3 << 45 << "0,45" << "0,99" << QList<int>{10, 20, 30, 40};
    }
    void runs()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        const Incline incline{double(angle), mu};
        const Scene start = startScene(incline, W, H);
        Scene scene = start;
        core::RunClock clock;
        int ticks = 0;
        QList<int> strobeTicks;
        for (; acceleration(incline) > 0 && !pastFoot(scene, H) && ticks < 1000; ++ticks) {
            clock.tick();
            scene = slide(scene, incline, clock, W);
            if (clock.strobeDue())
                strobeTicks.append(ticks + 1);
        }
        QTEST(ticks, "ticks");
        QTEST(core::format2(clock.time()), "time");
        const double distance = distanceAt(incline, clock.time());
        QTEST(core::format2(distance), "distance");
        QTEST(strobeTicks, "strobeTicks");

        const double theta = angle * 3.1416 / 180;
        for (auto point : {&Scene::B1, &Scene::B2, &Scene::B3, &Scene::B4, &Scene::C, &Scene::G, &Scene::Q,
                           &Scene::N, &Scene::F})
            QVERIFY(near(scene.*point, start.*point, 0.65 * W * distance, {-std::cos(theta), std::sin(theta)}));
        QVERIFY(near(scene.T, start.T, 0, {}));
    }

    // 100 × t is rounded to a whole number, halves to even, before the test
    // for a tenth.
    void strobeRoundsHalvesToEven()
    {
        for (double t : {0.095, 0.105, 0.205})
            QVERIFY(core::RunClock::strobeDueAt(t));
    }
};

QTEST_GUILESS_MAIN(TestInclinedPlaneModel)
#include "tst_inclined_plane_model.moc"
