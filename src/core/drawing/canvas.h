#pragma once

#include <QString>

#include <cstdint>

namespace core {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

namespace colour {
constexpr Rgb black = 0x000000;
constexpr Rgb blue = 0x0000FF;
constexpr Rgb red = 0xFF0000;
constexpr Rgb green = 0x00FF00;
constexpr Rgb yellow = 0xFFFF00;
// The background of every simulation picture: drawing a shape again in cyan
// erases it exactly.
constexpr Rgb cyan = 0x00FFFF;
} // namespace colour

// What a scene needs from a picture area. Coordinates are twips in the
// picture's own frame: origin at its top-left corner, y downwards.
//
// Like a classic picture box, the canvas has a current drawing position:
// a line leaves it at its end point, a circle or arc at its centre, and
// text is printed with its top-left corner there.
class Canvas
{
public:
    virtual ~Canvas() = default;

    // Size of the drawing area in twips, read at each use.
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;

    virtual void setLineWidth(int pixels) = 0;
    virtual void setFontSize(double points) = 0;

    virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    // Filled axis-aligned rectangle between two opposite corners.
    virtual void fillRect(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    virtual void circle(double x, double y, double radius, Rgb colour) = 0;
    // Angles in radians; angle φ points along (cos φ, −sin φ) on screen. The
    // arc runs counter-clockwise on screen from start to end, through 0 when
    // end < start.
    virtual void arc(double x, double y, double radius, Rgb colour, double start, double end) = 0;
    // Prints in black at the current position.
    virtual void print(const QString &text) = 0;
};

} // namespace core
