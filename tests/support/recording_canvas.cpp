#include "support/recording_canvas.h"

#include <cmath>

RecordingCanvas::RecordingCanvas(double widthTwips, double heightTwips)
    : m_width(widthTwips), m_height(heightTwips)
{
}

QList<DrawOp> RecordingCanvas::inColour(core::Rgb colour) const
{
    QList<DrawOp> result;
    for (const DrawOp &op : ops) {
        if (op.kind != DrawOp::LineWidth && op.kind != DrawOp::FontSize && op.kind != DrawOp::Print
            && op.colour == colour)
            result.append(op);
    }
    return result;
}

QList<DrawOp> RecordingCanvas::shapes() const
{
    QList<DrawOp> result;
    for (const DrawOp &op : ops) {
        if (op.kind != DrawOp::LineWidth && op.kind != DrawOp::FontSize && op.kind != DrawOp::Print)
            result.append(op);
    }
    return result;
}

void RecordingCanvas::setLineWidth(int pixels)
{
    ops.append({DrawOp::LineWidth, 0, {double(pixels)}, {}});
}

void RecordingCanvas::setFontSize(double points)
{
    ops.append({DrawOp::FontSize, 0, {points}, {}});
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2, core::Rgb colour)
{
    ops.append({DrawOp::Line, colour, {x1, y1, x2, y2}, {}});
}

void RecordingCanvas::fillRect(double x1, double y1, double x2, double y2, core::Rgb colour)
{
    ops.append({DrawOp::FillRect, colour, {x1, y1, x2, y2}, {}});
}

void RecordingCanvas::circle(double x, double y, double radius, core::Rgb colour)
{
    ops.append({DrawOp::Circle, colour, {x, y, radius}, {}});
}

void RecordingCanvas::arc(double x, double y, double radius, core::Rgb colour, double start, double end)
{
    ops.append({DrawOp::Arc, colour, {x, y, radius, start, end}, {}});
}

void RecordingCanvas::print(const QString &text)
{
    ops.append({DrawOp::Print, 0, {}, text});
}
