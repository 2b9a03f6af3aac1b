#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/frame.h"

#include <QStringList>

// A canvas that keeps the shapes drawn on it, in order, as a frame: what a
// window or an overdraw drew, for a test to read.
class FrameRecorder : public core::Canvas
{
public:
    core::Frame drawn;
    QStringList printed;

    double widthTwips() const override { return 6000; }
    double heightTwips() const override { return 6000; }
    void setLineWidth(int pixels) override { drawn.setLineWidth(pixels); }
    void setFontSize(double) override {}
    void line(double x1, double y1, double x2, double y2, core::Rgb c) override { drawn.line({x1, y1}, {x2, y2}, c); }
    void fillRect(double x1, double y1, double x2, double y2, core::Rgb c) override { drawn.fill({x1, y1, x2, y2}, c); }
    void circle(double x, double y, double r, core::Rgb c) override { drawn.circle({x, y}, r, c); }
    void arc(double x, double y, double r, core::Rgb c, double start, double end) override
    {
        drawn.arc({{x, y}, start, end}, r, c);
    }
    void print(const QString &text) override { printed.append(text); }
};
