#pragma once

// Points and boxes of the pictures, in twips, y downwards.
namespace core {

struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point &) const = default;
};

// An axis-aligned box between two opposite corners.
struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
    bool operator==(const Rect &) const = default;
};

} // namespace core
