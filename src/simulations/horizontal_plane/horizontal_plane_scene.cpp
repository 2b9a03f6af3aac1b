#include "simulations/horizontal_plane/horizontal_plane_scene.h"

namespace horizontal {

namespace {

// Arrow lengths are 0.00015 of the picture's side per newton.
constexpr double ArrowScale = 0.00015;
constexpr double CapRadius = 60;
constexpr double DotRadius = 30;
constexpr double MarkRadius = 30;

constexpr double PulleyXFraction = 0.873;
constexpr double PulleyYFraction = 0.1565;

} // namespace

Scene::Scene(core::Canvas &canvas)
    : m_canvas(canvas)
{
}

double Scene::acrossLength(double force) const
{
    return (ArrowScale * w()) * force;
}

double Scene::upLength(double force) const
{
    return (ArrowScale * h()) * force;
}

double Scene::slidingFrictionLength(int m1, int p) const
{
    return (((ArrowScale * w()) * m1) * p) * GravityHundredth;
}

double Scene::frictionLength(int m1, int m2, int p) const
{
    if (frictionHolds(m1, m2, p))
        return ((ArrowScale * w()) * m2) * Gravity;
    return slidingFrictionLength(m1, p);
}

double Scene::weightLength(int m2) const
{
    return ((ArrowScale * h()) * Gravity) * m2;
}

void Scene::box(const Rect &block, core::Rgb colour)
{
    m_canvas.line(block.left, block.top, block.right, block.top, colour);
    m_canvas.line(block.left, block.bottom, block.right, block.bottom, colour);
    m_canvas.line(block.left, block.top, block.left, block.bottom, colour);
    m_canvas.line(block.right, block.top, block.right, block.bottom, colour);
}

void Scene::horizontalCord(const Rect &block1, core::Rgb colour)
{
    m_canvas.line(block1.right, block1.centreY(), PulleyXFraction * w(), block1.centreY(), colour);
}

void Scene::verticalCord(const Rect &block2, core::Rgb colour)
{
    const double x = block2.centreX();
    m_canvas.line(x, PulleyYFraction * h(), x, block2.top, colour);
}

void Scene::arrow(Arrow kind, const Rect &block, double length, Cap cap, core::Rgb colour)
{
    struct Direction {
        double dx;
        double dy;
        double capStart; // the half circle facing the way the arrow points
        double capEnd;
    };
    const Direction d = [kind] {
        switch (kind) {
        case Arrow::Tension1:
            return Direction{1, 0, PiValue * 3 / 2, PiValue / 2};
        case Arrow::Tension2:
            return Direction{0, -1, 0, PiValue};
        case Arrow::Friction:
            return Direction{-1, 0, PiValue / 2, PiValue * 3 / 2};
        case Arrow::Weight:
            break;
        }
        return Direction{0, 1, PiValue, 0};
    }();

    const double x = block.centreX();
    const double y = block.centreY();
    const double tipX = x + d.dx * length;
    const double tipY = y + d.dy * length;
    m_canvas.line(x, y, tipX, tipY, colour);
    if (cap == Cap::HalfCircle)
        m_canvas.arc(tipX - d.dx * CapRadius, tipY - d.dy * CapRadius, CapRadius, colour, d.capStart, d.capEnd);
    else
        m_canvas.circle(tipX, tipY, DotRadius, colour);
}

void Scene::drawLoad(Run &run, const Setup &setup)
{
    using namespace core::colour;
    const double W = w();
    const double H = h();

    // Table top and legs.
    m_canvas.line(0.1 * W, 0.2 * H, 0.8 * W, 0.2 * H, black);
    m_canvas.line(0.1 * W, 0.25 * H, 0.8 * W, 0.25 * H, black);
    m_canvas.line(0.1 * W, 0.2 * H, 0.1 * W, 0.25 * H, black);
    m_canvas.line(0.8 * W, 0.2 * H, 0.8 * W, 0.25 * H, black);
    m_canvas.line(0.65 * W, 0.25 * H, 0.65 * W, 0.85 * H, black);
    m_canvas.line(0.7 * W, 0.25 * H, 0.7 * W, 0.85 * H, black);
    m_canvas.line(0.65 * W, 0.85 * H, 0.7 * W, 0.85 * H, black);
    m_canvas.line(0.2 * W, 0.25 * H, 0.2 * W, 0.85 * H, black);
    m_canvas.line(0.25 * W, 0.25 * H, 0.25 * W, 0.85 * H, black);
    m_canvas.line(0.2 * W, 0.85 * H, 0.25 * W, 0.85 * H, black);

    run.block1Now = {0.15 * W, 0.08 * H, 0.2 * W, 0.18 * H};
    box(run.block1Now, blue);
    horizontalCord(run.block1Now, black);
    arrow(Arrow::Tension1, run.block1Now, acrossLength(DesignTension), Cap::HalfCircle, red);
    m_drawn.tension1 = Cap::HalfCircle;
    arrow(Arrow::Friction, run.block1Now, slidingFrictionLength(setup.m1, setup.p), Cap::Dot, yellow);
    m_drawn.friction = Cap::Dot;

    run.block2Now = {0.85 * W, 0.275 * H, 0.95 * W, 0.325 * H};
    run.bottom2Start = 0.325 * H;
    box(run.block2Now, blue);
    verticalCord(run.block2Now, black);
    arrow(Arrow::Tension2, run.block2Now, upLength(DesignTension), Cap::HalfCircle, red);
    m_drawn.tension2 = Cap::HalfCircle;
    arrow(Arrow::Weight, run.block2Now, upLength(DesignWeight), Cap::HalfCircle, green);
    m_drawn.weight = Cap::HalfCircle;

    pulleyAndBracket();
}

void Scene::pulleyAndBracket()
{
    const double pulleyX = PulleyXFraction * w();
    const double pulleyY = PulleyYFraction * h();
    m_canvas.circle(pulleyX, pulleyY, 0.03 * h(), core::colour::black);
    m_canvas.line(0.8 * w(), 0.2 * h(), pulleyX, pulleyY, core::colour::black);
}

void Scene::drawStart(Run &run, const Setup &setup, double tension, Cap weightCap)
{
    const double W = w();
    const double H = h();
    run.block1Now = {(0.2 - setup.m1 * 0.001) * W, 0.08 * H, 0.2 * W, 0.18 * H};
    run.block2Now = {0.85 * W, 0.275 * H, 0.95 * W, (setup.m2 * 0.001 + 0.275) * H};
    drawBlocks(run, setup, tension, weightCap);
}

void Scene::drawBlocks(const Run &run, const Setup &setup, double tension, Cap weightCap)
{
    using namespace core::colour;
    box(run.block1Now, blue);
    horizontalCord(run.block1Now, black);
    box(run.block2Now, blue);
    verticalCord(run.block2Now, black);

    m_drawn.tension1 = m_drawn.tension2 = capUnlessZero(tension);
    arrow(Arrow::Tension1, run.block1Now, acrossLength(tension), m_drawn.tension1, red);
    arrow(Arrow::Tension2, run.block2Now, upLength(tension), m_drawn.tension2, red);
    m_drawn.friction = capUnlessZero(setup.p);
    arrow(Arrow::Friction, run.block1Now, frictionLength(setup.m1, setup.m2, setup.p), m_drawn.friction, yellow);
    m_drawn.weight = weightCap;
    arrow(Arrow::Weight, run.block2Now, weightLength(setup.m2), m_drawn.weight, green);
}

void Scene::erase(const Run &run, const ArrowCopies &copies, EraseVariant variant)
{
    using core::colour::cyan;
    box(run.block1Prev, cyan);
    box(run.block2Prev, cyan);
    horizontalCord(run.block1Prev, cyan);
    if (variant == EraseVariant::Full)
        verticalCord(run.block2Prev, cyan);
    arrow(Arrow::Tension1, run.block1Prev, acrossLength(copies.tension), m_drawn.tension1, cyan);
    arrow(Arrow::Tension2, run.block2Prev, upLength(copies.tension), m_drawn.tension2, cyan);
    arrow(Arrow::Friction, run.block1Prev, frictionLength(copies.mass1, copies.mass2, copies.friction),
          m_drawn.friction, cyan);
    arrow(Arrow::Weight, run.block2Prev, weightLength(copies.mass2), m_drawn.weight, cyan);
    // A light block 1 can end its run over the bracket; erasing it there
    // would leave a gap, so the fixed pulley and bracket are drawn again.
    pulleyAndBracket();
}

void Scene::clearStrobeStrips()
{
    const double W = w();
    const double H = h();
    m_canvas.fillRect(0.1 * W, 0.04 * H, 0.9 * W, 0.06 * H, core::colour::cyan);
    m_canvas.fillRect(0.75 * W, 0.3 * H, 0.85 * W, 0.9 * H, core::colour::cyan);
}

void Scene::drawStrobeMarks(const Run &run)
{
    m_canvas.circle(run.block1Now.right, 0.05 * h(), MarkRadius, core::colour::blue);
    m_canvas.circle(0.8 * w(), run.block2Now.bottom, MarkRadius, core::colour::blue);
}

} // namespace horizontal
