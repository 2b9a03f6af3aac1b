#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>

class QWidget;

// One zoom for the whole program. Windows are designed in twips; the zoom
// only changes how many screen pixels a twip takes, so geometry, fonts, the
// diagrams and the pictures grow together and the scenes keep drawing in the
// same twips.
namespace ui {

// Twips to a logical pixel at 100 %.
constexpr int TwipsPerPixel = 15;

constexpr double twipsToPixels(double twips) { return twips / TwipsPerPixel; }

inline constexpr std::array<int, 5> ZoomSteps{100, 125, 150, 175, 200};

// A window of the program: its client area, designed in twips, is laid out
// at the zoom and fitted to the screen in full screen. Other windows (message
// boxes, the data window) size themselves.
void setDesignSize(QWidget *window, QSize twips);
QSize designSize(const QWidget *window);

int zoomPercent();
double zoomFactor();
bool isZoomStep(int percent);

// Re-places, re-fonts and resizes every window, keeping the visible one
// where it was centred; pictures redraw at the new scale when next shown.
// A window without a design size has its controls placed and fonted again
// and keeps its own size. A percentage that is not a step is ignored.
void setZoom(int percent);
// The next step up or down, as Ctrl++ and Ctrl+− do; both stop at the ends.
void zoomIn();
void zoomOut();
// Told of every zoom the user picks with the keys (start-up remembers it).
void setZoomChoiceHandler(std::function<void(int percent)> handler);

// Logical pixels per design pixel (15 twips) in `widget`'s window: the zoom,
// or in full screen the factor that fits that window to its screen.
double scaleOf(const QWidget *widget);
// A twips rectangle in logical pixels at `scale`, the content starting at
// `origin`. Edges are rounded, not sizes, so controls that touch at 100 %
// touch at every zoom.
QRect pixelRect(const QRect &twips, double scale, QPoint origin = {});
// Places a control in twips at its window's scale and remembers the twips,
// so a zoom change can place it again; ui::place comes here.
void setTwipsGeometry(QWidget *control, const QRect &twips);
// The twips the control was placed at; null if it never was.
QRect twipsGeometry(const QWidget *control);

// Full screen applies to whichever window is shown: F11 turns it on for the
// current window, and every window the user goes to comes up full screen
// too, until F11 or Esc.
bool isFullScreen();
void setFullScreen(bool on);

// Shows a window as the program's zoom and full-screen state say; the
// navigator shows every window through this.
void present(QWidget *window);

// Once at start-up: Ctrl++, Ctrl+−, Ctrl+0, F11 and Esc in every window, and
// a style whose metrics (check boxes, frames, scroll-bar arrows) follow the
// zoom as the fonts do.
void installZoom();

} // namespace ui
