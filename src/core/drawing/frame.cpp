#include "core/drawing/frame.h"

#include <utility>

namespace core {

Cap capBehind(Point tip, double dx, double dy, double start, double end)
{
    return {{tip.x - dx * CapRadius, tip.y - dy * CapRadius}, start, end};
}

void Frame::line(Point from, Point to, Rgb colour)
{
    m_shapes.push_back({Shape::Kind::Line, from, to, 0, 0, 0, colour, m_width});
}

void Frame::box(const Rect &rect, Rgb colour)
{
    line({rect.left, rect.top}, {rect.right, rect.top}, colour);
    line({rect.right, rect.top}, {rect.right, rect.bottom}, colour);
    line({rect.right, rect.bottom}, {rect.left, rect.bottom}, colour);
    line({rect.left, rect.bottom}, {rect.left, rect.top}, colour);
}

void Frame::fill(const Rect &rect, Rgb colour)
{
    m_shapes.push_back({Shape::Kind::FilledBox, {rect.left, rect.top}, {rect.right, rect.bottom}, 0, 0, 0, colour,
                        m_width});
}

void Frame::circle(Point centre, double radius, Rgb colour)
{
    m_shapes.push_back({Shape::Kind::Circle, centre, {}, radius, 0, 0, colour, m_width});
}

void Frame::arc(const Cap &halfCircle, double radius, Rgb colour)
{
    m_shapes.push_back(
        {Shape::Kind::Arc, halfCircle.centre, {}, radius, halfCircle.start, halfCircle.end, colour, m_width});
}

void Frame::arrow(Point tail, Point tip, Rgb colour, const Cap &cap)
{
    line(tail, tip, colour);
    arc(cap, CapRadius, colour);
}

void Frame::arrowWithDot(Point tail, Point tip, Rgb colour)
{
    line(tail, tip, colour);
    circle(tip, DotRadius, colour);
}

namespace {

void drawShapes(Canvas &canvas, const Frame &frame, const Rgb *override)
{
    int width = -1;
    for (const Shape &s : frame.shapes()) {
        if (s.width != width) {
            width = s.width;
            canvas.setLineWidth(width);
        }
        const Rgb colour = override ? *override : s.colour;
        switch (s.kind) {
        case Shape::Kind::Line:
            canvas.line(s.a.x, s.a.y, s.b.x, s.b.y, colour);
            break;
        case Shape::Kind::FilledBox:
            canvas.fillRect(s.a.x, s.a.y, s.b.x, s.b.y, colour);
            break;
        case Shape::Kind::Circle:
            canvas.circle(s.a.x, s.a.y, s.radius, colour);
            break;
        case Shape::Kind::Arc:
            canvas.arc(s.a.x, s.a.y, s.radius, colour, s.start, s.end);
            break;
        }
    }
}

} // namespace

void draw(Canvas &canvas, const Frame &frame)
{
    drawShapes(canvas, frame, nullptr);
}

void drawIn(Canvas &canvas, const Frame &frame, Rgb colour)
{
    drawShapes(canvas, frame, &colour);
}

void Overdraw::show(Canvas &canvas, Frame next, const Frame &fixed)
{
    drawIn(canvas, m_shown, m_background);
    draw(canvas, fixed);
    draw(canvas, next);
    m_shown = std::move(next);
}

} // namespace core
