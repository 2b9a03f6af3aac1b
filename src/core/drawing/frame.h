#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/geometry.h"

#include <vector>

// One picture of the moving parts of a simulation: the ordered list of what
// it draws, in twips, each shape with its colour and line width. A window
// never erases by hand: it hands the next frame to an Overdraw, which draws
// the frame shown last in the background colour and then the new one. With
// no antialiasing that removes exactly what was drawn, so the picture keeps
// whatever lies outside the frames (titles, strobe marks).
namespace core {

// Half-circle heads of the force arrows, the dot that ends an arrow standing
// for no force, and the strobe marks.
constexpr double CapRadius = 60;
constexpr double DotRadius = 30;
constexpr double StrobeRadius = 30;

// A half circle: centre and the angles (radians, counter-clockwise on
// screen) it runs between, as Canvas::arc takes them.
struct Cap {
    Point centre;
    double start = 0;
    double end = 0;
    bool operator==(const Cap &) const = default;
};

// The cap whose apex is `tip` for an arrow pointing along the unit vector
// (dx, dy): centred CapRadius back from the tip.
Cap capBehind(Point tip, double dx, double dy, double start, double end);

struct Shape {
    enum class Kind { Line, FilledBox, Circle, Arc };
    Kind kind = Kind::Line;
    Point a;              // line start, box corner, circle or arc centre
    Point b;              // line end, opposite box corner
    double radius = 0;
    double start = 0;     // arc angles
    double end = 0;
    Rgb colour = 0;
    int width = 1;        // pixels
    bool operator==(const Shape &) const = default;
};

class Frame
{
public:
    // The line width of the shapes added from now on, in pixels.
    void setLineWidth(int pixels) { m_width = pixels; }

    void line(Point from, Point to, Rgb colour);
    // The outline of a box: top, right, bottom, left.
    void box(const Rect &rect, Rgb colour);
    void fill(const Rect &rect, Rgb colour);
    void circle(Point centre, double radius, Rgb colour);
    void arc(const Cap &halfCircle, double radius, Rgb colour);
    // A force arrow: its line, then the half-circle cap, or, for a force of
    // nothing, a dot of DotRadius on the tip.
    void arrow(Point tail, Point tip, Rgb colour, const Cap &cap);
    void arrowWithDot(Point tail, Point tip, Rgb colour);

    const std::vector<Shape> &shapes() const { return m_shapes; }
    bool isEmpty() const { return m_shapes.empty(); }
    bool operator==(const Frame &other) const { return m_shapes == other.m_shapes; }

private:
    std::vector<Shape> m_shapes;
    int m_width = 1;
};

// Draws every shape in its own colour.
void draw(Canvas &canvas, const Frame &frame);
// Draws every shape in one colour: in the background colour, that erases it.
void drawIn(Canvas &canvas, const Frame &frame, Rgb colour);

// What a picture shows of the moving parts, and the one way to change it.
class Overdraw
{
public:
    explicit Overdraw(Rgb background) : m_background(background) {}

    // Erases the frame shown last, draws `fixed` again (the parts that never
    // move but that an erased shape may have crossed), then draws `next`.
    void show(Canvas &canvas, Frame next, const Frame &fixed = {});
    // The picture was cleared or painted anew: nothing is left to erase.
    void forget() { m_shown = {}; }
    const Frame &shown() const { return m_shown; }

private:
    Rgb m_background;
    Frame m_shown;
};

} // namespace core
