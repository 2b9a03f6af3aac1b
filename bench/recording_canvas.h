#pragma once

#include "core/drawing/canvas.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <initializer_list>

// A canvas that keeps every drawing call, settings and text included, so the
// bench can paint a tick's drawing again with a bare QPainter: the floor a
// tick is measured against.
struct DrawOp {
    enum Kind { LineWidth, FontSize, Line, FillRect, Circle, Arc, Print };
    Kind kind;
    core::Rgb colour = 0;
    // Line and FillRect: x1 y1 x2 y2. Circle: x y r. Arc: x y r start end.
    // LineWidth and FontSize: the value in a[0].
    double a[5] = {0, 0, 0, 0, 0};
    QString text;
};

class RecordingCanvas : public core::Canvas
{
public:
    explicit RecordingCanvas(double widthTwips = 6000, double heightTwips = 6000)
        : m_width(widthTwips), m_height(heightTwips)
    {
    }

    QList<DrawOp> ops;

    void clear() { ops.clear(); }
    // Only the shapes in one colour, in order.
    QList<DrawOp> inColour(core::Rgb colour) const;
    // Only the shapes (lines, rectangles, circles, arcs), not settings or text.
    QList<DrawOp> shapes() const;

    double widthTwips() const override { return m_width; }
    double heightTwips() const override { return m_height; }
    void setLineWidth(int pixels) override { ops.append({DrawOp::LineWidth, 0, {double(pixels)}, {}}); }
    void setFontSize(double points) override { ops.append({DrawOp::FontSize, 0, {points}, {}}); }
    void line(double x1, double y1, double x2, double y2, core::Rgb c) override
    {
        add(DrawOp::Line, c, {x1, y1, x2, y2});
    }
    void fillRect(double x1, double y1, double x2, double y2, core::Rgb c) override
    {
        add(DrawOp::FillRect, c, {x1, y1, x2, y2});
    }
    void circle(double x, double y, double radius, core::Rgb c) override { add(DrawOp::Circle, c, {x, y, radius}); }
    void arc(double x, double y, double radius, core::Rgb c, double start, double end) override
    {
        add(DrawOp::Arc, c, {x, y, radius, start, end});
    }
    void print(const QString &text) override { ops.append({DrawOp::Print, 0, {}, text}); }

private:
    void add(DrawOp::Kind kind, core::Rgb colour, std::initializer_list<double> a)
    {
        DrawOp op{kind, colour, {}, {}};
        std::copy(a.begin(), a.end(), op.a);
        ops.append(op);
    }

    double m_width;
    double m_height;
};
