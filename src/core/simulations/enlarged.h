#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/geometry.h"

#include <QList>
#include <QString>

// "Ampliar dibujo": a simulation drawn for a class to see from the back of
// the room. The bodies grow from the edge their run is measured by (the edge
// the strobe marks and the floor line go by), all at one scale of twips per
// kilogram; the force arrows share one scale that gives the smallest force a
// length a class sees. Only the picture changes: the bodies move as they do,
// a run ends on the same tick and the marks fall where they always fall.
namespace simulation::enlarged {

// The lighter body is at least this many twips a side: 24 px at 100 %.
constexpr double SmallestSide = 360;
// The shortest arrow of a force that is not nothing: 20 px at 100 %.
constexpr double ShortestArrow = 300;

// A body whose side grows with its mass, and the most that side may be
// where the body stands in the picture.
struct Body {
    double mass;
    double room;
};
// The sides in twips, at one scale: the lightest body with mass is
// SmallestSide a side, the others as much more as their masses are, but
// never finer than `designedPerKg`; a side that would pass its room stops
// there, so the ratio holds where the picture has room for it. A body
// without mass has no side.
QList<double> sides(const QList<Body> &bodies, double designedPerKg);

// A force arrow: its force, and the room its tip has along it from the
// body's centre, wherever the run takes the body.
struct Arrow {
    double force;
    double room;
};
// Twips per unit of force, one for every arrow of the picture: the smallest
// force that is not nothing ShortestArrow long (or as long as designed, if
// that is longer), unless an arrow would then pass its room; where even the
// designed arrows would leave the picture (the Atwood machine with 100 kg),
// they are shortened to fit. A force below a thousandth of the largest
// counts as nothing: with π = 3.1416, cos 90° is not quite 0.
double arrowScale(const QList<Arrow> &arrows, double designed);

// How far from `tail` a tip may go along the unit vector (dx, dy) and stay
// inside `box`.
double roomInside(core::Point tail, double dx, double dy, const core::Rect &box);

// How many twips a body has travelled when its run ends: it set off
// `toLine` twips before the line its run ends past, with acceleration `a`
// (m/s²) at `perMetre` twips a metre, and the last tick may carry it up to
// a step beyond.
double travelAtEnd(double toLine, double perMetre, double a);

// The line that states the scale of the arrows: the word "Escala" and below
// it a bar as long as a round force, with that force beside it.
struct ScaleLine {
    core::Rect box;        // all of it; nothing else in the picture comes here
    core::Point at;        // the top-left corner of the word
    bool vertical = false; // the bar stands upright, beside the text
    double length = 0;     // of the bar, twips
    double force = 0;      // the round force it stands for
    QString unit;          // "N", or "N/kg" for forces per kilogram
};
// The longest bar: as long as the longer arrows are, 40 px at 100 %.
constexpr double LongestBar = 600;
// The scale line for arrows of `perUnit` twips per unit of force: a bar of
// the largest of 1, 2 or 5 times a power of ten units no longer than
// LongestBar.
ScaleLine scaleLine(const core::Rect &box, bool vertical, double perUnit, const QString &unit);

void draw(core::Canvas &canvas, const ScaleLine &line);
// Fills its box with the background, cyan.
void erase(core::Canvas &canvas, const ScaleLine &line);

} // namespace simulation::enlarged
