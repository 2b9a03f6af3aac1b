#include "simulations/atwood/atwood_scene.h"

namespace atwood::scene {

namespace {

using core::Canvas;
using core::Rgb;

// Which way an arrow points decides on which side of its tip the cap bulges.
enum class Pointing { Down, Up };

double middle(const Block &block)
{
    return (block.left + block.right) / 2;
}

void drawCord(Canvas &canvas, const Block &block, double pulleyY, Rgb colour)
{
    canvas.line(middle(block), pulleyY, middle(block), block.top, colour);
}

// Top, left, bottom, right.
void drawBlock(Canvas &canvas, const Block &b, Rgb colour)
{
    canvas.line(b.left, b.top, b.right, b.top, colour);
    canvas.line(b.left, b.top, b.left, b.bottom, colour);
    canvas.line(b.left, b.bottom, b.right, b.bottom, colour);
    canvas.line(b.right, b.top, b.right, b.bottom, colour);
}

// The arrow's line, then its mark: a half circle whose far point is the tip,
// or a dot centred on the tip.
void drawArrow(Canvas &canvas, const Arrow &arrow, Pointing pointing, Rgb colour)
{
    canvas.line(arrow.x1, arrow.y1, arrow.x2, arrow.y2, colour);
    if (arrow.mark == TipMark::Dot) {
        canvas.circle(arrow.x2, arrow.y2, DotRadius, colour);
    } else if (pointing == Pointing::Down) {
        canvas.arc(arrow.x2, arrow.y2 - CapRadius, CapRadius, colour, PiValue, 0);
    } else {
        canvas.arc(arrow.x2, arrow.y2 + CapRadius, CapRadius, colour, 0, PiValue);
    }
}

void drawFrame(Canvas &canvas, const Shapes &shapes, double pulleyY)
{
    drawCord(canvas, shapes.block1, pulleyY, core::colour::black);
    drawCord(canvas, shapes.block2, pulleyY, core::colour::black);
    drawBlock(canvas, shapes.block1, core::colour::blue);
    drawBlock(canvas, shapes.block2, core::colour::blue);
}

void drawWeights(Canvas &canvas, const Shapes &shapes, Rgb colour)
{
    drawArrow(canvas, shapes.weight1, Pointing::Down, colour);
    drawArrow(canvas, shapes.weight2, Pointing::Down, colour);
}

void drawPulls(Canvas &canvas, const Shapes &shapes, Rgb colour)
{
    drawArrow(canvas, shapes.pull1, Pointing::Up, colour);
    drawArrow(canvas, shapes.pull2, Pointing::Up, colour);
}

// A block hanging at 0.6·H, 0.001·H tall per unit of mass.
Block blockAtRest(double w, double h, double left, double right, int mass)
{
    return {left * w, 0.6 * h, right * w, 0.6 * h + 0.001 * h * mass};
}

// An arrow from the block's centre, `length` twips downwards (negative:
// upwards).
Arrow arrowFromCentre(const Block &block, double length, TipMark mark)
{
    const double x = middle(block);
    const double y = (block.top + block.bottom) / 2;
    return {x, y, x, y + length, mark};
}

TipMark markFor(bool force)
{
    return force ? TipMark::Cap : TipMark::Dot;
}

void printAt(Canvas &canvas, double x, double y, const QString &text)
{
    // A dot at the place moves the text position there.
    canvas.line(x, y, x, y, core::colour::black);
    canvas.print(text);
}

} // namespace

void setUp(Canvas &canvas)
{
    canvas.setLineWidth(2);
    canvas.setFontSize(15);
}

void drawTitle(Canvas &canvas)
{
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();
    printAt(canvas, 0.05 * w, 0.05 * h, QStringLiteral("Máquina de"));
    printAt(canvas, 0.08 * w, 0.1 * h, QStringLiteral("Atwood"));
}

double pulleyX(const Canvas &canvas)
{
    return 0.5 * canvas.widthTwips();
}

double pulleyY(const Canvas &canvas)
{
    return 0.16 * canvas.heightTwips();
}

void drawPulley(Canvas &canvas, double pulleyX, double pulleyY)
{
    const double w = canvas.widthTwips();
    canvas.circle(pulleyX, pulleyY, 0.15 * w, core::colour::black);
    canvas.circle(pulleyX, pulleyY, 0.02 * w, core::colour::black);
}

Shapes startShapes(const Canvas &canvas, int m1, int m2, double tension)
{
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();
    Shapes shapes;
    shapes.block1 = blockAtRest(w, h, 0.3, 0.4, m1);
    shapes.block2 = blockAtRest(w, h, 0.6, 0.7, m2);

    const double weightPerMass = ArrowGravity * ForceScale * h;
    shapes.weight1 = arrowFromCentre(shapes.block1, weightPerMass * m1, markFor(m1 != 0));
    shapes.weight2 = arrowFromCentre(shapes.block2, weightPerMass * m2, markFor(m2 != 0));

    // T = 2·g·m1·m2 / (m1 + m2), to the same scale as the weights.
    double pull = 0;
    if (m1 != 0 || m2 != 0)
        pull = 2 * ArrowGravity * ForceScale * h * m1 * m2 / (m1 + m2);
    shapes.pull1 = arrowFromCentre(shapes.block1, -pull, markFor(tension != 0));
    shapes.pull2 = arrowFromCentre(shapes.block2, -pull, markFor(tension != 0));
    return shapes;
}

void drawAtRest(Canvas &canvas, const Shapes &shapes, double pulleyY)
{
    drawFrame(canvas, shapes, pulleyY);
    drawWeights(canvas, shapes, core::colour::red);
    drawPulls(canvas, shapes, core::colour::green);
}

void drawMoving(Canvas &canvas, const Shapes &shapes, double pulleyY)
{
    drawFrame(canvas, shapes, pulleyY);
    drawPulls(canvas, shapes, core::colour::green);
    drawWeights(canvas, shapes, core::colour::red);
}

void erase(Canvas &canvas, const Shapes &shapes, double pulleyY)
{
    drawCord(canvas, shapes.block1, pulleyY, core::colour::cyan);
    drawCord(canvas, shapes.block2, pulleyY, core::colour::cyan);
    drawBlock(canvas, shapes.block1, core::colour::cyan);
    drawBlock(canvas, shapes.block2, core::colour::cyan);
    drawWeights(canvas, shapes, core::colour::cyan);
    drawPulls(canvas, shapes, core::colour::cyan);
}

void clearStrobeZones(Canvas &canvas)
{
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();
    canvas.fillRect(0.2 * w, 0.2 * h, 0.3 * w, 0.95 * h, core::colour::cyan);
    canvas.fillRect(0.73 * w, 0.2 * h, 0.8 * w, 0.95 * h, core::colour::cyan);
}

void drawStrobeMarks(Canvas &canvas, const Shapes &shapes)
{
    const double w = canvas.widthTwips();
    canvas.circle(0.25 * w, shapes.block1.bottom, StrobeRadius, core::colour::blue);
    canvas.circle(0.75 * w, shapes.block2.bottom, StrobeRadius, core::colour::blue);
}

} // namespace atwood::scene
