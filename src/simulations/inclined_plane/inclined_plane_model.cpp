#include "simulations/inclined_plane/inclined_plane_model.h"

#include <cmath>
#include <initializer_list>

namespace inclined_plane {

namespace {

// The corner O where the slope meets the ground, as fractions of W and H.
constexpr double GroundLeft = 0.2;
constexpr double GroundLevel = 0.85;
// Lengths as fractions of W: the slope, the block's start along it, the
// weight 9.8 m/s², friction per m/s², one metre of slide.
constexpr double SlopeLength = 0.75;
constexpr double StartAlongSlope = 0.65;
constexpr double WeightLength = 0.1;
constexpr double FrictionScale = 0.01;
constexpr double Metre = 0.65;

Point operator+(Point p, Point q) { return {p.x + q.x, p.y + q.y}; }
Point operator*(double k, Point p) { return {k * p.x, k * p.y}; }

Point alongSlopeFromO(double lengthW, double s, double c, double w, double h)
{
    return {GroundLeft * w + lengthW * w * c, GroundLevel * h - lengthW * w * s};
}

// Fills the block and its forces from P (the point of the slope under the
// block's downhill face) and T. The block floats 0.025H off the slope and is
// 0.1H thick; n = (−s, −c) is the slope's normal pointing away from the plane.
void placeBlock(Scene &scene, Point p, int angleDegrees, double mu, bool kinetic, double w, double h)
{
    const double theta = radians(angleDegrees);
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    const Point n{-s, -c};

    scene.B1 = p + (0.025 * h) * n;
    scene.B2 = scene.T + (0.025 * h) * n;
    scene.B3 = p + (0.125 * h) * n;
    scene.B4 = scene.T + (0.125 * h) * n;
    const Point &b2 = scene.B2;
    const Point &b3 = scene.B3;
    scene.C = {(b3.x + b2.x) / 2, (b3.y + b2.y) / 2};
    const Point &centre = scene.C;

    const double weight = WeightLength * w;
    scene.G = {centre.x, centre.y + weight};
    // Component of the weight into the plane, g cos θ, and the normal force
    // that balances it.
    scene.Q = {centre.x + weight * c * s, centre.y + weight * c * c};
    scene.N = {centre.x - weight * c * s, centre.y - weight * c * c};
    // Friction up the slope, along (c, −s): μ g cos θ when kinetic, and
    // equal to the pull g sin θ (written g tan θ cos θ) when static.
    const double perUnit = FrictionScale * w * Gravity * (kinetic ? mu : std::tan(theta));
    scene.F = {centre.x + perUnit * c * c, centre.y - perUnit * s * c};
}

} // namespace

double radians(int angleDegrees)
{
    return angleDegrees * Pi / 180.0;
}

double slideAcceleration(int angleDegrees, double mu)
{
    const double theta = radians(angleDegrees);
    return Gravity * std::sin(theta) - Gravity * mu * std::cos(theta);
}

bool frictionIsKinetic(int angleDegrees, double mu)
{
    const double theta = radians(angleDegrees);
    return mu * std::cos(theta) <= std::sin(theta);
}

Scene sceneAt(int angleDegrees, double mu, double w, double h)
{
    const double theta = radians(angleDegrees);
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    Scene scene;
    scene.T = alongSlopeFromO(SlopeLength, s, c, w, h);
    placeBlock(scene, alongSlopeFromO(StartAlongSlope, s, c, w, h), angleDegrees, mu,
               frictionIsKinetic(angleDegrees, mu), w, h);
    return scene;
}

Scene startScene(const Scene &current, int angleDegrees, double mu, double w, double h)
{
    const double theta = radians(angleDegrees);
    Scene scene;
    scene.T = current.T;
    placeBlock(scene, alongSlopeFromO(StartAlongSlope, std::sin(theta), std::cos(theta), w, h), angleDegrees,
               mu, true, w, h);
    return scene;
}

Scene initialScene(double w, double h)
{
    Scene scene;
    scene.T = {0.95 * w, GroundLevel * h};
    scene.B1 = {0.85 * w, 0.825 * h};
    scene.B2 = {0.95 * w, 0.825 * h};
    scene.B3 = {0.85 * w, 0.725 * h};
    scene.B4 = {0.95 * w, 0.725 * h};
    scene.C = {0.9 * w, 0.775 * h};
    scene.G = {0.9 * w, 0.875 * h};
    scene.Q = scene.G;
    scene.N = {0.9 * w, 0.675 * h};
    scene.F = scene.C;
    return scene;
}

bool mayAdvance(const State &state, int angleDegrees, double h)
{
    return slideAcceleration(angleDegrees, state.mu) > 0 && state.sceneNow.B1.y <= 0.825 * h;
}

void advance(State &state, int angleDegrees, double w)
{
    state.simTime += TimeStep;
    const double theta = radians(angleDegrees);
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    const double d = state.simTime * state.simTime - state.prevTime * state.prevTime;
    // Down the slope, along (−c, s): 0.65W × (g sin θ − μ g cos θ) × D / 2.
    const double dx = -Metre * w * Gravity * c * s * d / 2 + Metre * w * c * Gravity * state.mu * c * d / 2;
    const double dy = Metre * w * Gravity * s * s * d / 2 - Metre * w * s * Gravity * state.mu * c * d / 2;

    Scene &scene = state.sceneNow;
    for (Point *p : {&scene.B1, &scene.B2, &scene.B3, &scene.B4, &scene.C, &scene.G, &scene.Q, &scene.N,
                     &scene.F}) {
        p->x += dx;
        p->y += dy;
    }
    state.prevTime = state.simTime;
}

double distanceTravelled(const State &state, int angleDegrees)
{
    return state.simTime * state.simTime * slideAcceleration(angleDegrees, state.mu) / 2;
}

bool strobeDue(double simTime)
{
    // llrint rounds halves to even in the default rounding mode.
    const long long hundredths = std::llrint(100 * simTime);
    return hundredths % 10 == 0;
}

} // namespace inclined_plane
