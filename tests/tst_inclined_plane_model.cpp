// The inclined-plane motion: friction regime, where the block and its forces
// stand, and the ticks that slide them down the slope.

#include "simulations/inclined_plane/inclined_plane_model.h"
#include "ui/number_text.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using namespace inclined_plane;

namespace {

constexpr double W = 6000;
constexpr double H = 6000;
constexpr Point O{0.2 * W, 0.85 * H}; // the plane's lower corner

Point along(Point from, double length, Point direction)
{
    return {from.x + length * direction.x, from.y + length * direction.y};
}

bool near(Point p, Point q)
{
    return std::hypot(p.x - q.x, p.y - q.y) < 1e-6;
}

} // namespace

class TestInclinedPlaneModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    // Whether the block slides, which friction acts, and where the block and
    // its forces stand, checked by lengths and directions on the slope.
    void blockAndForces_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<bool>("slides");
        QTest::addColumn<bool>("kinetic");
        QTest::newRow("0°, μ 0: level, nothing pulls") << 0 << 0.0 << false << true;
        QTest::newRow("0°, μ 0.1: held on the level") << 0 << 0.1 << false << false;
        QTest::newRow("30°, μ 0: no friction, F on C") << 30 << 0.0 << true << true;
        QTest::newRow("30°, μ 0.5 < tan 30°: slides") << 30 << 0.5 << true << true;
        QTest::newRow("30°, μ 0.6 > tan 30°: held by g sin θ") << 30 << 0.6 << false << false;
        QTest::newRow("45°, μ 1: tan 45° is just above 1 with 3.1416") << 45 << 1.0 << true << true;
        QTest::newRow("89°, μ 0.5") << 89 << 0.5 << true << true;
        QTest::newRow("90°, μ 0.3: nothing presses on a wall, no friction") << 90 << 0.3 << true << true;
        QTest::newRow("90°, μ 1: falls whatever the friction") << 90 << 1.0 << true << true;
    }
    void blockAndForces()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QFETCH(bool, kinetic);
        QTEST(slideAcceleration(angle, mu) > 0, "slides");
        QCOMPARE(frictionIsKinetic(angle, mu), kinetic);

        const double theta = angle * 3.1416 / 180;
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        const Point up{c, -s};   // up the slope, on screen
        const Point out{-s, -c}; // away from the plane
        const Scene scene = sceneAt(angle, mu, W, H);
        // A slope 0.75W long; the block 0.1H thick, 0.025H off it, from one
        // metre (0.65W) up the slope to T.
        QVERIFY(near(scene.T, along(O, 0.75 * W, up)));
        QVERIFY(near(scene.B1, along(along(O, 0.65 * W, up), 0.025 * H, out)));
        QVERIFY(near(scene.B2, along(scene.T, 0.025 * H, out)));
        QVERIFY(near(scene.B3, along(scene.B1, 0.1 * H, out)));
        QVERIFY(near(scene.B4, along(scene.B2, 0.1 * H, out)));
        QVERIFY(near(scene.C, {(scene.B1.x + scene.B4.x) / 2, (scene.B1.y + scene.B4.y) / 2}));
        // The weight, 0.1W for 9.8 m/s², straight down; its part into the
        // plane and the normal force, g cos θ; friction up the slope at 0.01W
        // per m/s², μ g cos θ while the block slides, g sin θ while held.
        QVERIFY(near(scene.G, along(scene.C, 0.1 * W, {0, 1})));
        QVERIFY(near(scene.Q, along(scene.C, -0.1 * W * c, out)));
        QVERIFY(near(scene.N, along(scene.C, 0.1 * W * c, out)));
        QVERIFY(near(scene.F, along(scene.C, 0.01 * W * (kinetic ? mu * 9.8 * c : 9.8 * s), up)));
    }

    // A run from the start position: the ticks that advance (the next one
    // stops), what the last one shows, the ticks that leave strobe marks, and
    // every point of the block and its forces slid down the slope by the
    // distance shown while the plane stays.
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
        State state;
        state.mu = mu;
        state.sceneNow = startScene(sceneAt(angle, mu, W, H), angle, mu, W, H);
        const Scene start = state.sceneNow;
        int ticks = 0;
        QList<int> strobeTicks;
        while (mayAdvance(state, angle, H) && ticks < 1000) {
            advance(state, angle, W);
            ++ticks;
            if (strobeDue(state.simTime))
                strobeTicks.append(ticks);
        }
        QTEST(ticks, "ticks");
        QTEST(ui::format2(state.simTime), "time");
        QTEST(ui::format2(distanceTravelled(state, angle)), "distance");
        QTEST(strobeTicks, "strobeTicks");

        const double theta = angle * 3.1416 / 180;
        const Point downhill{-std::cos(theta), std::sin(theta)};
        const double slid = 0.65 * W * distanceTravelled(state, angle);
        for (auto point : {&Scene::B1, &Scene::B2, &Scene::B3, &Scene::B4, &Scene::C, &Scene::G, &Scene::Q,
                           &Scene::N, &Scene::F})
            QVERIFY(near(state.sceneNow.*point, along(start.*point, slid, downhill)));
        QVERIFY(near(state.sceneNow.T, start.T));
    }

    // 100 × t is rounded to a whole number, halves to even, before the test
    // for a tenth.
    void strobeRoundsHalvesToEven()
    {
        QVERIFY(strobeDue(0.095)); // 9.5 → 10
        QVERIFY(strobeDue(0.105)); // 10.5 → 10
        QVERIFY(strobeDue(0.205)); // 20.5 → 20
    }
};

QTEST_GUILESS_MAIN(TestInclinedPlaneModel)
#include "tst_inclined_plane_model.moc"
