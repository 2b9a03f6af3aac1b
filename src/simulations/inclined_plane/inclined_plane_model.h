#pragma once

// A block sliding down a plane inclined at θ with coefficient of friction μ,
// per unit of mass (the block has no mass in this window):
//     a = g sin θ − μ g cos θ,   g = 9.8 m/s²,
// with kinetic friction μ g cos θ while that does not exceed the pull along
// the slope g sin θ, and static friction g sin θ (the block rests) beyond.
//
// The picture is W × H twips, y downwards. The slope rises from the fixed
// corner O = (0.2W, 0.85H) to the right, 0.75W long; one metre along the
// slope is 0.65W, and the block starts one metre up from O. Forces are drawn
// as accelerations: the weight is 0.1W long, friction 0.01W per m/s².
namespace inclined_plane {

constexpr double Gravity = 9.8;
// Degrees become radians with this value of π, here and in the drawing.
constexpr double Pi = 3.1416;
// Every advancing tick is this much simulated time, in seconds.
constexpr double TimeStep = 0.01;

struct Point {
    double x = 0;
    double y = 0;
};

// The points of everything drawn for one position of the block.
struct Scene {
    Point T;  // top corner of the plane, upper end of the slope
    Point B1; // block, face towards the slope, downhill end
    Point B2; // block, face towards the slope, uphill end
    Point B3; // block, outer face, downhill end
    Point B4; // block, outer face, uphill end
    Point C;  // centre of the block, tail of every force
    Point G;  // tip of the weight
    Point Q;  // tip of the weight's component into the plane
    Point N;  // tip of the normal force
    Point F;  // tip of the friction
    // Whether the friction was drawn with its cap. The erase pass takes it
    // from here, so it removes exactly what was drawn whichever redraw drew
    // it (a tick caps even a friction of length 0).
    bool frictionCap = false;
};

// What the window's handlers share. Mu and the times read as 0 until set.
struct State {
    double mu = 0;        // set by the friction scroll bar only
    double simTime = 0;   // seconds since the start
    double prevTime = 0;  // simTime at the end of the previous tick
    int lastAngle = 0;    // angle at which a scroll bar last drew the scene
    Scene sceneNow;       // where everything is now
    Scene scenePrev;      // where everything was last drawn, for erasing
};

double radians(int angleDegrees);

// a = 9.8 sin θ − 9.8 μ cos θ in m/s²; positive exactly when the block slides.
double slideAcceleration(int angleDegrees, double mu);

// Friction is kinetic while μ cos θ ≤ sin θ (μ ≤ tan θ below 90°). Written as
// a product it also holds at 90°, where θ = 1.5708 lies just past π/2, tan θ
// is large and negative, and the block falls freely beside the wall with no
// friction at all.
bool frictionIsKinetic(int angleDegrees, double mu);

// The scene of the block at the start position for angle and μ, with the
// friction in the regime the two give.
Scene sceneAt(int angleDegrees, double mu, double w, double h);

// The scene at the start position with kinetic friction, keeping the plane's
// top corner T of `current`: what "Iniciar Movimiento" sets up.
Scene startScene(const Scene &current, int angleDegrees, double mu, double w, double h);

// The scene the window draws while loading: the block flat on the ground at
// the right, with weight and normal force.
Scene initialScene(double w, double h);

// Whether a tick moves the block on: it slides (a > 0) and its lower downhill
// corner has not yet passed the line 0.025H above the ground.
bool mayAdvance(const State &state, int angleDegrees, double h);

// One advancing tick: simTime grows by 0.01 s and every point of the block
// and its forces moves down the slope by the exact difference of
// s(t) = a t²/2 between prevTime and simTime, at 0.65W per metre;
// prevTime then follows simTime. T stays where it is.
void advance(State &state, int angleDegrees, double w);

// The distance slid by simTime, a t²/2, in metres.
double distanceTravelled(const State &state, int angleDegrees);

// True every tenth tick: 100 × simTime rounded to a whole number, halves to
// even, is a multiple of ten. The rounding absorbs the error that summing
// 0.01 leaves in simTime.
bool strobeDue(double simTime);

} // namespace inclined_plane
