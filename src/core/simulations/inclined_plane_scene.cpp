#include "core/simulations/inclined_plane_scene.h"

#include "core/constants.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace simulation::inclined_plane {

namespace {

namespace colour = core::colour;
using core::Cap;
using core::CapRadius;
using constants::SimulationGravity;
constexpr double Pi = constants::SimulationPi;

constexpr int LineWidth = 2;
// The corner O where the slope meets the ground, as fractions of W and H.
constexpr double GroundLeft = 0.2;
constexpr double GroundLevel = 0.85;
// Lengths as fractions of W: the slope, the block's start along it, one
// metre of slide, the weight, the friction per m/s².
constexpr double SlopeLength = 0.75;
constexpr double StartAlongSlope = 0.65;
constexpr double Metre = 0.65;
constexpr double WeightLength = 0.1;
constexpr double FrictionScale = 0.01;
// The block as fractions of H: its gap above the slope, its outer face.
constexpr double Gap = 0.025;
constexpr double Thickness = 0.125;
// Where the forces of the enlarged drawing may reach: below the title and
// the scale line, above the bottom strip, right of the left one.
constexpr core::Rect ForceRoom{0.07, 0.1, 0.98, 0.92}; // of W and H

Point operator+(Point p, Point q) { return {p.x + q.x, p.y + q.y}; }
Point operator*(double k, Point p) { return {k * p.x, k * p.y}; }

core::Frame newFrame()
{
    core::Frame frame;
    frame.setLineWidth(LineWidth);
    return frame;
}

// The angle the caps turn with: s and c as in the scene, and θ + π as the
// pictures have always computed it.
struct Turn {
    double theta, s, c, thetaPlusPi;
    explicit Turn(double degrees)
        : theta(radians(degrees)), s(std::sin(theta)), c(std::cos(theta)), thetaPlusPi((degrees / 180.0 + 1) * Pi)
    {
    }
};

void addBlock(core::Frame &frame, const Scene &scene)
{
    frame.line(scene.B1, scene.B2, colour::blue);
    frame.line(scene.B3, scene.B4, colour::blue);
    frame.line(scene.B2, scene.B4, colour::blue);
    frame.line(scene.B3, scene.B1, colour::blue);
}

// The weight's head is centred 60 sin θ above its tip, unlike the others,
// which stand CapRadius back from theirs along the force.
void addWeight(core::Frame &frame, const Scene &scene, const Turn &turn)
{
    frame.arrow(scene.C, scene.G, colour::red, Cap{{scene.G.x, scene.G.y - CapRadius * turn.s}, Pi, 0});
}

void addNormal(core::Frame &frame, const Scene &scene, const Turn &turn)
{
    frame.arrow(scene.C, scene.N, colour::green,
                core::capBehind(scene.N, -turn.s, -turn.c, turn.theta, turn.thetaPlusPi));
}

} // namespace

Scene startScene(const Incline &incline, double w, double h)
{
    const Turn turn(incline.angleDegrees);
    const double s = turn.s;
    const double c = turn.c;
    const auto alongSlopeFromO = [&](double length) {
        return Point{GroundLeft * w + length * w * c, GroundLevel * h - length * w * s};
    };
    // Away from the plane: up and to the left on screen.
    const Point n{-s, -c};

    Scene scene;
    scene.T = alongSlopeFromO(SlopeLength);
    const Point p = alongSlopeFromO(StartAlongSlope);
    scene.B1 = p + (Gap * h) * n;
    scene.B2 = scene.T + (Gap * h) * n;
    scene.B3 = p + (Thickness * h) * n;
    scene.B4 = scene.T + (Thickness * h) * n;
    const Point centre{(scene.B3.x + scene.B2.x) / 2, (scene.B3.y + scene.B2.y) / 2};
    scene.C = centre;

    const double weight = WeightLength * w;
    scene.G = {centre.x, centre.y + weight};
    scene.Q = {centre.x + weight * c * s, centre.y + weight * c * c};
    scene.N = {centre.x - weight * c * s, centre.y - weight * c * c};
    // Up the slope, along (c, −s), μ' g cos θ long.
    const double perUnit = FrictionScale * w * SimulationGravity * effectiveMu(incline);
    scene.F = {centre.x + perUnit * c * c, centre.y - perUnit * s * c};
    return scene;
}

Scene slide(const Scene &scene, const Incline &incline, const core::RunClock &clock, double w)
{
    const Turn turn(incline.angleDegrees);
    const double s = turn.s;
    const double c = turn.c;
    const double mu = incline.mu;
    const double d = clock.time() * clock.time() - clock.previousTime() * clock.previousTime();
    // Along (−c, s): 0.65W × (g sin θ − μ g cos θ) × d / 2, in the order of
    // operations the points have always moved with.
    const double dx = -Metre * w * SimulationGravity * c * s * d / 2 + Metre * w * c * SimulationGravity * mu * c * d / 2;
    const double dy = Metre * w * SimulationGravity * s * s * d / 2 - Metre * w * s * SimulationGravity * mu * c * d / 2;

    Scene moved = scene;
    for (Point *p : {&moved.B1, &moved.B2, &moved.B3, &moved.B4, &moved.C, &moved.G, &moved.Q, &moved.N, &moved.F})
        *p = {p->x + dx, p->y + dy};
    return moved;
}

core::Frame frame(const Pose &pose, double w, double h)
{
    const Scene &at = pose.at;
    const Turn turn(pose.incline.angleDegrees);
    const double s = turn.s;
    const double c = turn.c;
    // Against a wall the heads along it are left out.
    const bool slopeCaps = pose.incline.angleDegrees != 90;
    // A friction of no length gets no head, except while sliding.
    const bool frictionCap = slopeCaps && (pose.sliding || (at.F.x != at.C.x && at.F.y != at.C.y));

    core::Frame frame = newFrame();
    const Point o{GroundLeft * w, GroundLevel * h};
    const Point foot{at.T.x, GroundLevel * h};
    frame.line(o, at.T, colour::black);
    frame.line(o, foot, colour::black);
    frame.line(foot, at.T, colour::black);
    addBlock(frame, at);

    frame.arrow(at.C, at.Q, colour::green, core::capBehind(at.Q, s, c, turn.thetaPlusPi, turn.theta));
    // The component along the slope is drawn from Q down to its tip G.
    frame.line(at.G, at.Q, colour::yellow);
    if (slopeCaps)
        frame.arc(core::capBehind(at.G, -c, s, turn.theta + Pi / 2, turn.theta + Pi * 3 / 2), CapRadius,
                  colour::yellow);
    addNormal(frame, at, turn);
    // Over the component into the plane, which it covers on the level.
    addWeight(frame, at, turn);
    if (frictionCap)
        frame.arrow(at.C, at.F, colour::yellow,
                    core::capBehind(at.F, c, -s, turn.theta + Pi * 3 / 2, turn.theta + Pi / 2));
    else
        frame.line(at.C, at.F, colour::yellow);
    return frame;
}

core::Frame loadFrame(double w, double h)
{
    Scene flat;
    flat.B1 = {0.85 * w, 0.825 * h};
    flat.B2 = {0.95 * w, 0.825 * h};
    flat.B3 = {0.85 * w, 0.725 * h};
    flat.B4 = {0.95 * w, 0.725 * h};
    flat.C = {0.9 * w, 0.775 * h};
    flat.G = {0.9 * w, 0.875 * h};
    flat.N = {0.9 * w, 0.675 * h};
    const Turn level(0);

    core::Frame frame = newFrame();
    frame.line({GroundLeft * w, GroundLevel * h}, {0.95 * w, GroundLevel * h}, colour::black);
    addBlock(frame, flat);
    addWeight(frame, flat, level);
    addNormal(frame, flat, level);
    return frame;
}

double enlargedScale(const Incline &incline, double w, double h)
{
    const Turn turn(incline.angleDegrees);
    const double s = turn.s;
    const double c = turn.c;
    const Scene start = startScene(incline, w, h);
    // Down the slope, along (−c, s), from the start until B1 passes the
    // floor line.
    Point end = start.C;
    const double a = acceleration(incline);
    if (a > 0 && s > 0) {
        const double travel = enlarged::travelAtEnd((0.825 * h - start.B1.y) / s, Metre * w, a);
        end = start.C + travel * Point{-c, s};
    }
    const core::Rect room{ForceRoom.left * w, ForceRoom.top * h, ForceRoom.right * w, ForceRoom.bottom * h};
    const auto along = [&](double dx, double dy) {
        return std::min(enlarged::roomInside(start.C, dx, dy, room), enlarged::roomInside(end, dx, dy, room));
    };
    const double g = SimulationGravity;
    return enlarged::arrowScale({{g, along(0, 1)},
                                 {g * c, along(s, c)},
                                 {g * c, along(-s, -c)},
                                 {g * effectiveMu(incline) * c, along(c, -s)}},
                                std::max(WeightLength * w / g, FrictionScale * w));
}

Scene withForcesAt(const Scene &scene, const Incline &incline, double perUnit)
{
    const Turn turn(incline.angleDegrees);
    const double s = turn.s;
    const double c = turn.c;
    const Point centre = scene.C;
    const double weight = perUnit * SimulationGravity;
    const double friction = perUnit * SimulationGravity * effectiveMu(incline) * c;
    Scene drawn = scene;
    drawn.G = {centre.x, centre.y + weight};
    drawn.Q = {centre.x + weight * c * s, centre.y + weight * c * c};
    drawn.N = {centre.x - weight * c * s, centre.y - weight * c * c};
    drawn.F = {centre.x + friction * c, centre.y - friction * s};
    return drawn;
}

enlarged::ScaleLine scaleLine(double perUnit, double w, double h)
{
    return enlarged::scaleLine({0.62 * w, 0.005 * h, 0.985 * w, 0.095 * h}, false, perUnit,
                               QStringLiteral("N/kg"));
}

bool pastFloor(const Scene &scene, double h)
{
    return scene.B1.y > 0.825 * h;
}

void drawFixedParts(core::Canvas &canvas)
{
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();
    canvas.setLineWidth(LineWidth);
    canvas.setFontSize(15);
    // A dot puts the drawing position where the title goes.
    canvas.line(0.35 * w, 0.05 * h, 0.35 * w, 0.05 * h, colour::black);
    canvas.print(QStringLiteral("Cuestaval"));
}

core::Frame strobeStrips(double w, double h)
{
    core::Frame strips = newFrame();
    strips.fill({0.04 * w, 0.05 * h, 0.06 * w, 0.95 * h}, colour::cyan);
    strips.fill({0.04 * w, 0.94 * h, 0.96 * w, 0.96 * h}, colour::cyan);
    return strips;
}

QList<Point> strobePoints(const Scene &scene, double w, double h)
{
    return {{0.05 * w, scene.B1.y}, {scene.B1.x, 0.95 * h}};
}

} // namespace simulation::inclined_plane
