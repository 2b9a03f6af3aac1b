#include "simulations/inclined_plane/inclined_plane_scene.h"

#include "core/canvas.h"

#include <QString>

#include <cmath>

namespace inclined_plane {

namespace {

using core::Rgb;
namespace colour = core::colour;

constexpr double GroundLevel = 0.85;

// The colours of one pass: the drawing pass uses the real ones, the erase
// pass paints everything in the background colour.
struct Palette {
    Rgb plane;
    Rgb block;
    Rgb weight;
    Rgb normal; // the normal force and the component into the plane
    Rgb slope;  // the component along the slope and the friction
};

constexpr Palette Drawing{colour::black, colour::blue, colour::red, colour::green, colour::yellow};
constexpr Palette Erasing{colour::cyan, colour::cyan, colour::cyan, colour::cyan, colour::cyan};

void line(core::Canvas &canvas, Point from, Point to, Rgb rgb)
{
    canvas.line(from.x, from.y, to.x, to.y, rgb);
}

void drawCap(core::Canvas &canvas, const Cap &cap, Rgb rgb)
{
    canvas.arc(cap.centre.x, cap.centre.y, CapRadius, rgb, cap.start, cap.end);
}

void drawPlane(core::Canvas &canvas, Point top, Rgb rgb)
{
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();
    const Point o{0.2 * w, GroundLevel * h};
    const Point foot{top.x, GroundLevel * h};
    line(canvas, o, top, rgb);
    line(canvas, o, foot, rgb);
    line(canvas, foot, top, rgb);
}

void drawBlock(core::Canvas &canvas, const Scene &scene, Rgb rgb)
{
    line(canvas, scene.B1, scene.B2, rgb);
    line(canvas, scene.B3, scene.B4, rgb);
    line(canvas, scene.B2, scene.B4, rgb);
    line(canvas, scene.B3, scene.B1, rgb);
}

// One force: its line from tail to tip, then its cap when it has one.
void drawForce(core::Canvas &canvas, Force force, const Scene &scene, int angleDegrees, bool capped, Rgb rgb)
{
    switch (force) {
    case Force::Weight:
        line(canvas, scene.C, scene.G, rgb);
        break;
    case Force::IntoPlane:
        line(canvas, scene.C, scene.Q, rgb);
        break;
    case Force::AlongSlope:
        line(canvas, scene.G, scene.Q, rgb);
        break;
    case Force::Normal:
        line(canvas, scene.C, scene.N, rgb);
        break;
    case Force::Friction:
        line(canvas, scene.C, scene.F, rgb);
        break;
    }
    if (capped)
        drawCap(canvas, capOf(force, scene, angleDegrees), rgb);
}

// At 90° the caps along the slope are left out, whatever the pass.
bool slopeCapsShown(int angleDegrees)
{
    return angleDegrees != 90;
}

// The forces of a scene in the order the erase pass removes them.
void eraseForces(core::Canvas &canvas, const Scene &scene, int angleDegrees)
{
    const Palette &p = Erasing;
    drawForce(canvas, Force::Weight, scene, angleDegrees, true, p.weight);
    drawForce(canvas, Force::IntoPlane, scene, angleDegrees, true, p.normal);
    drawForce(canvas, Force::AlongSlope, scene, angleDegrees, slopeCapsShown(angleDegrees), p.slope);
    drawForce(canvas, Force::Normal, scene, angleDegrees, true, p.normal);
    drawForce(canvas, Force::Friction, scene, angleDegrees, scene.frictionCap, p.slope);
}

// The forces in the order the drawing pass paints them; the weight goes over
// the component into the plane, which it covers at angle 0.
void drawForces(core::Canvas &canvas, const Scene &scene, int angleDegrees)
{
    const Palette &p = Drawing;
    drawForce(canvas, Force::IntoPlane, scene, angleDegrees, true, p.normal);
    drawForce(canvas, Force::AlongSlope, scene, angleDegrees, slopeCapsShown(angleDegrees), p.slope);
    drawForce(canvas, Force::Normal, scene, angleDegrees, true, p.normal);
    drawForce(canvas, Force::Weight, scene, angleDegrees, true, p.weight);
    drawForce(canvas, Force::Friction, scene, angleDegrees, scene.frictionCap, p.slope);
}

} // namespace

Cap capOf(Force force, const Scene &scene, int angleDegrees)
{
    const double theta = radians(angleDegrees);
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    const double thetaPlusPi = (angleDegrees / 180.0 + 1) * Pi;
    const double halfPi = Pi / 2;
    const double threeHalvesPi = Pi * 3 / 2;
    const double r = CapRadius;

    switch (force) {
    case Force::Weight:
        return {{scene.G.x, scene.G.y - r * s}, Pi, 0};
    case Force::IntoPlane:
        return {{scene.Q.x - r * s, scene.Q.y - r * c}, thetaPlusPi, theta};
    case Force::AlongSlope:
        return {{scene.G.x + r * c, scene.G.y - r * s}, theta + halfPi, theta + threeHalvesPi};
    case Force::Normal:
        return {{scene.N.x + r * s, scene.N.y + r * c}, theta, thetaPlusPi};
    case Force::Friction:
        return {{scene.F.x - r * c, scene.F.y + r * s}, theta + threeHalvesPi, theta + halfPi};
    }
    return {};
}

void drawLoadScene(core::Canvas &canvas, State &state)
{
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();

    canvas.setLineWidth(2);
    canvas.setFontSize(15);
    // A dot puts the drawing position where the title goes.
    canvas.line(0.35 * w, 0.05 * h, 0.35 * w, 0.05 * h, colour::black);
    canvas.print(QStringLiteral("Cuestaval"));

    canvas.line(0.2 * w, GroundLevel * h, 0.95 * w, GroundLevel * h, colour::black);

    const Scene flat = initialScene(w, h);
    drawBlock(canvas, flat, colour::blue);
    // Only weight and normal force: the other three have no length here.
    drawForce(canvas, Force::Weight, flat, 0, true, colour::red);
    drawForce(canvas, Force::Normal, flat, 0, true, colour::green);

    state.scenePrev = flat;
}

void clearStrobeStrips(core::Canvas &canvas)
{
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();
    canvas.fillRect(0.04 * w, 0.05 * h, 0.06 * w, 0.95 * h, colour::cyan);
    canvas.fillRect(0.04 * w, 0.94 * h, 0.96 * w, 0.96 * h, colour::cyan);
}

void redrawForScroll(core::Canvas &canvas, State &state, int angleDegrees)
{
    clearStrobeStrips(canvas);

    Scene &now = state.sceneNow;
    now = sceneAt(angleDegrees, state.mu, canvas.widthTwips(), canvas.heightTwips());
    // A friction of length 0 gets no head here.
    now.frictionCap = now.F.x != now.C.x && now.F.y != now.C.y && slopeCapsShown(angleDegrees);

    const Scene &prev = state.scenePrev;
    drawPlane(canvas, prev.T, Erasing.plane);
    drawBlock(canvas, prev, Erasing.block);
    eraseForces(canvas, prev, state.lastAngle);

    drawBlock(canvas, now, Drawing.block);
    drawPlane(canvas, now.T, Drawing.plane);
    drawForces(canvas, now, angleDegrees);

    state.scenePrev = now;
}

void redrawForTick(core::Canvas &canvas, State &state, int angleDegrees)
{
    Scene &now = state.sceneNow;
    now.frictionCap = slopeCapsShown(angleDegrees);

    const Scene &prev = state.scenePrev;
    drawBlock(canvas, prev, Erasing.block);
    eraseForces(canvas, prev, state.lastAngle);

    // The erase may have crossed the plane; it does not move, so draw it again.
    drawPlane(canvas, now.T, Drawing.plane);
    drawBlock(canvas, now, Drawing.block);
    drawForces(canvas, now, angleDegrees);

    if (strobeDue(state.simTime)) {
        const double w = canvas.widthTwips();
        const double h = canvas.heightTwips();
        canvas.circle(0.05 * w, now.B1.y, StrobeRadius, colour::blue);
        canvas.circle(now.B1.x, 0.95 * h, StrobeRadius, colour::blue);
    }

    state.scenePrev = now;
}

} // namespace inclined_plane
