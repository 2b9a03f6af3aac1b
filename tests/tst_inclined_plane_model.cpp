// The inclined-plane motion: acceleration, friction regime, where the block
// and its forces stand, and the tick that slides them down the slope.

#include "simulations/inclined_plane/inclined_plane_model.h"
#include "ui/number_text.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace inclined_plane;

namespace {

constexpr double W = 6000;
constexpr double H = 6000;

double length(Point from, Point to)
{
    return std::hypot(to.x - from.x, to.y - from.y);
}

// Unit direction from one point to another.
Point direction(Point from, Point to)
{
    const double l = length(from, to);
    return {(to.x - from.x) / l, (to.y - from.y) / l};
}

// The block at its start position, as "Iniciar Movimiento" sets it up after a
// scroll bar drew the scene.
State armed(int angle, double mu)
{
    State state;
    state.mu = mu;
    state.sceneNow = startScene(sceneAt(angle, mu, W, H), angle, mu, W, H);
    return state;
}

// Runs ticks until one stops the motion; returns the advancing ticks.
int runToStop(State &state, int angle, QList<int> *strobeTicks = nullptr)
{
    int ticks = 0;
    while (mayAdvance(state, angle, H)) {
        advance(state, angle, W);
        ++ticks;
        if (strobeTicks && strobeDue(state.simTime))
            strobeTicks->append(ticks);
        if (ticks > 100000)
            break;
    }
    return ticks;
}

} // namespace

class TestInclinedPlaneModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void acceleration_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<QString>("shown");
        QTest::newRow("30°, μ 0: g sin 30° = 4,90") << 30 << 0.0 << "4,90";
        QTest::newRow("30°, μ 0.5: slides at 0,66") << 30 << 0.5 << "0,66";
        QTest::newRow("45°, μ 0.5: 3,46") << 45 << 0.5 << "3,46";
        QTest::newRow("90°, μ 0: free fall 9,80") << 90 << 0.0 << "9,80";
        QTest::newRow("90°, μ 1: free fall whatever the friction") << 90 << 1.0 << "9,80";
        QTest::newRow("0°, μ 0: nothing pulls, exactly 0") << 0 << 0.0 << "0,00";
    }
    void acceleration()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QFETCH(QString, shown);
        QCOMPARE(ui::format2(slideAcceleration(angle, mu)), shown);
    }

    void frictionHoldsTheBlock_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<bool>("slides");
        QTest::addColumn<bool>("kinetic");
        QTest::newRow("30°, μ 0.5 < tan 30°: slides") << 30 << 0.5 << true << true;
        QTest::newRow("30°, μ 0.6 > tan 30°: held") << 30 << 0.6 << false << false;
        QTest::newRow("0°, μ 0: no friction needed") << 0 << 0.0 << false << true;
        QTest::newRow("0°, μ 0.1: held on the level") << 0 << 0.1 << false << false;
        QTest::newRow("45°, μ 1: tan 45° is just above 1 with 3.1416") << 45 << 1.0 << true << true;
        QTest::newRow("90°, μ 0: falls, no friction") << 90 << 0.0 << true << true;
        QTest::newRow("90°, μ 1: falls beside the wall") << 90 << 1.0 << true << true;
    }
    void frictionHoldsTheBlock()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QFETCH(bool, slides);
        QFETCH(bool, kinetic);
        QCOMPARE(slideAcceleration(angle, mu) > 0, slides);
        QCOMPARE(frictionIsKinetic(angle, mu), kinetic);
    }

    // The geometry of the block and its forces, checked against what the
    // drawing means rather than against the formulas.
    void sceneGeometry_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::newRow("10°, μ 0") << 10 << 0.0;
        QTest::newRow("30°, μ 0.3 kinetic") << 30 << 0.3;
        QTest::newRow("30°, μ 0.8 static") << 30 << 0.8;
        QTest::newRow("60°, μ 1") << 60 << 1.0;
        QTest::newRow("89°, μ 0.5") << 89 << 0.5;
    }
    void sceneGeometry()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        const Scene scene = sceneAt(angle, mu, W, H);
        const double theta = angle * 3.1416 / 180;
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        const Point o{0.2 * W, 0.85 * H};
        const Point up{c, -s};  // up the slope, on screen
        const Point out{-s, -c}; // away from the plane

        // The slope is 0.75W long from O.
        QVERIFY(std::fabs(length(o, scene.T) - 0.75 * W) < 1e-9);
        // The block is 0.1W long along the slope, 0.1H thick, and floats
        // 0.025H off the slope, its uphill face above T.
        QVERIFY(std::fabs(length(scene.B1, scene.B2) - 0.1 * W) < 1e-9);
        QVERIFY(std::fabs(length(scene.B1, scene.B3) - 0.1 * H) < 1e-9);
        const auto heightAboveSlope = [&](Point p) { return (p.x - o.x) * out.x + (p.y - o.y) * out.y; };
        QVERIFY(std::fabs(heightAboveSlope(scene.B1) - 0.025 * H) < 1e-9);
        QVERIFY(std::fabs(heightAboveSlope(scene.B4) - 0.125 * H) < 1e-9);
        QVERIFY(std::fabs(scene.B2.x - (scene.T.x + 0.025 * H * out.x)) < 1e-9);
        QVERIFY(std::fabs(scene.B2.y - (scene.T.y + 0.025 * H * out.y)) < 1e-9);
        // C is the middle of the block.
        QVERIFY(std::fabs(scene.C.x - (scene.B1.x + scene.B4.x) / 2) < 1e-9);
        QVERIFY(std::fabs(scene.C.y - (scene.B1.y + scene.B4.y) / 2) < 1e-9);

        // The weight: straight down, 0.1W for 9.8 m/s².
        QCOMPARE(scene.G.x, scene.C.x);
        QVERIFY(std::fabs(scene.G.y - scene.C.y - 0.1 * W) < 1e-9);
        // Into the plane g cos θ, and the normal force opposite.
        QVERIFY(std::fabs(length(scene.C, scene.Q) - 0.1 * W * c) < 1e-9);
        const Point into = direction(scene.C, scene.Q);
        QVERIFY(std::fabs(into.x + out.x) < 1e-9 && std::fabs(into.y + out.y) < 1e-9);
        QVERIFY(std::fabs(scene.N.x - (2 * scene.C.x - scene.Q.x)) < 1e-9);
        QVERIFY(std::fabs(scene.N.y - (2 * scene.C.y - scene.Q.y)) < 1e-9);
        // Q to G runs down the slope, g sin θ long.
        QVERIFY(std::fabs(length(scene.Q, scene.G) - 0.1 * W * s) < 1e-9);
        const Point down = direction(scene.Q, scene.G);
        QVERIFY(std::fabs(down.x + up.x) < 1e-9 && std::fabs(down.y + up.y) < 1e-9);

        // Friction up the slope at 0.01W per m/s²: μ g cos θ while the block
        // slides, g sin θ while friction holds it.
        const double friction = frictionIsKinetic(angle, mu) ? mu * 9.8 * c : 9.8 * s;
        QVERIFY(std::fabs(length(scene.C, scene.F) - 0.01 * W * friction) < 1e-9);
        if (friction > 0) {
            const Point along = direction(scene.C, scene.F);
            QVERIFY(std::fabs(along.x - up.x) < 1e-9 && std::fabs(along.y - up.y) < 1e-9);
        }
    }

    void frictionVectors()
    {
        // No friction: F is C.
        const Scene smooth = sceneAt(30, 0, W, H);
        QCOMPARE(smooth.F.x, smooth.C.x);
        QCOMPARE(smooth.F.y, smooth.C.y);
        // Falling beside a vertical wall nothing presses the block on it, so
        // there is no friction to draw, whatever μ.
        for (double mu : {0.0, 0.3, 1.0}) {
            const Scene wall = sceneAt(90, mu, W, H);
            QVERIFY2(length(wall.C, wall.F) < 0.01, qPrintable(QString::number(mu)));
        }
    }

    // The start puts the block back at the top, wherever a run left it.
    void startSceneIsTheTopOfTheSlope()
    {
        State state = armed(30, 0.2);
        runToStop(state, 30);
        const Scene start = startScene(state.sceneNow, 30, 0.2, W, H);
        const Scene fresh = sceneAt(30, 0.2, W, H);
        const Point Scene::*points[] = {&Scene::T, &Scene::B1, &Scene::B2, &Scene::B3, &Scene::B4,
                                        &Scene::C, &Scene::G,  &Scene::Q,  &Scene::N,  &Scene::F};
        for (auto member : points) {
            QCOMPARE((start.*member).x, (fresh.*member).x);
            QCOMPARE((start.*member).y, (fresh.*member).y);
        }
    }

    void runs_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("distance");
        QTest::newRow("30°, μ 0") << 30 << 0.0 << 64 << "0,64" << "1,00";
        QTest::newRow("45°, μ 0.5") << 45 << 0.5 << 76 << "0,76" << "1,00";
        QTest::newRow("90°, μ 0.3") << 90 << 0.3 << 45 << "0,45" << "0,99";
    }
    void runs()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        QFETCH(int, ticks);
        QFETCH(QString, time);
        QFETCH(QString, distance);
        State state = armed(angle, mu);
        QCOMPARE(runToStop(state, angle), ticks);
        QCOMPARE(ui::format2(state.simTime), time);
        QCOMPARE(ui::format2(distanceTravelled(state, angle)), distance);
        // The tick that stopped changed nothing: another one stops as well.
        QVERIFY(!mayAdvance(state, angle, H));
    }

    void tenTicksAtThirtyDegrees()
    {
        State state = armed(30, 0);
        for (int i = 0; i < 10; ++i)
            advance(state, 30, W);
        QCOMPARE(ui::format2(state.simTime), QStringLiteral("0,10"));
        QCOMPARE(ui::format2(distanceTravelled(state, 30)), QStringLiteral("0,02"));
        QCOMPARE(state.prevTime, state.simTime);
    }

    // Each tick moves every point by the difference of a t²/2, so after any
    // number of ticks the block is where the position law puts it, and the
    // plane's corner has not moved.
    void ticksFollowThePositionLaw()
    {
        const int angle = 40;
        const double mu = 0.25;
        State state = armed(angle, mu);
        const Scene start = state.sceneNow;
        for (int i = 0; i < 50; ++i)
            advance(state, angle, W);
        const double a = slideAcceleration(angle, mu);
        const double slid = 0.65 * W * a * state.simTime * state.simTime / 2;
        const double theta = angle * 3.1416 / 180;
        const Point downhill{-std::cos(theta), std::sin(theta)};
        const Point Scene::*points[] = {&Scene::B1, &Scene::B2, &Scene::B3, &Scene::B4, &Scene::C,
                                        &Scene::G,  &Scene::Q,  &Scene::N,  &Scene::F};
        for (auto member : points) {
            const Point was = start.*member;
            const Point now = state.sceneNow.*member;
            QVERIFY(std::fabs(now.x - (was.x + slid * downhill.x)) < 1e-6);
            QVERIFY(std::fabs(now.y - (was.y + slid * downhill.y)) < 1e-6);
        }
        QCOMPARE(state.sceneNow.T.x, start.T.x);
        QCOMPARE(state.sceneNow.T.y, start.T.y);
    }

    void strobeEveryTenthTick()
    {
        State state = armed(30, 0);
        QList<int> marks;
        runToStop(state, 30, &marks);
        QCOMPARE(marks, (QList<int>{10, 20, 30, 40, 50, 60}));
    }

    void strobeRounding_data()
    {
        QTest::addColumn<double>("simTime");
        QTest::addColumn<bool>("due");
        double summed = 0;
        for (int i = 0; i < 10; ++i)
            summed += 0.01;
        QTest::newRow("ten steps of 0.01 sum to just under 0.1") << summed << true;
        QTest::newRow("0.0 at the start") << 0.0 << true;
        QTest::newRow("0.05 halfway") << 0.05 << false;
        QTest::newRow("0.09") << 0.09 << false;
        QTest::newRow("0.11") << 0.11 << false;
        QTest::newRow("0.105: 10.5 rounds to even 10") << 0.105 << true;
        QTest::newRow("0.205: 20.5 rounds to even 20") << 0.205 << true;
        QTest::newRow("0.095: 9.5 rounds to even 10") << 0.095 << true;
        QTest::newRow("0.115: 11.5 rounds to even 12") << 0.115 << false;
    }
    void strobeRounding()
    {
        QFETCH(double, simTime);
        QFETCH(bool, due);
        QCOMPARE(strobeDue(simTime), due);
    }

    // A block held by friction never moves, whatever the tick finds: it does
    // not creep up the slope when the friction was raised after the start.
    void heldBlockDoesNotMove_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("mu");
        QTest::newRow("30°, μ 0.6") << 30 << 0.6;
        QTest::newRow("30°, μ 1") << 30 << 1.0;
        QTest::newRow("0°, μ 0") << 0 << 0.0;
        QTest::newRow("0°, μ 0.5") << 0 << 0.5;
    }
    void heldBlockDoesNotMove()
    {
        QFETCH(int, angle);
        QFETCH(double, mu);
        State state;
        state.mu = mu;
        state.sceneNow = sceneAt(angle, mu, W, H);
        QVERIFY(state.sceneNow.B1.y <= 0.825 * H);
        QVERIFY(!mayAdvance(state, angle, H));
    }
};

QTEST_GUILESS_MAIN(TestInclinedPlaneModel)
#include "tst_inclined_plane_model.moc"
