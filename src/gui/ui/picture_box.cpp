#include "gui/ui/picture_box.h"

#include "gui/ui/layout.h"
#include "gui/ui/zoom.h"

#include <QGuiApplication>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace ui {

namespace {

QColor toColor(core::Rgb rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

QPointF PictureBox::toPixels(double x, double y) const
{
    return {twipsToPixels(x) * m_scale, twipsToPixels(y) * m_scale};
}

// Whole pixels keep lines crisp without antialiasing; a line never thins
// away.
int PictureBox::penPixels() const
{
    return std::max(1, int(std::lround(m_lineWidth * m_scale)));
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
}

PictureBox::~PictureBox()
{
    finishPainting();
}

void PictureBox::setBackground(core::Rgb colour)
{
    finishPainting();
    m_background = colour;
    m_image = QImage();
    update();
}

QImage PictureBox::image()
{
    ensureImage();
    finishPainting();
    return m_image;
}

// The twips it was placed with, whatever the zoom; a box sized in pixels
// (tests) counts them at the zoom it is shown at.
double PictureBox::widthTwips() const
{
    const QRect twips = twipsGeometry(this);
    return twips.isNull() ? width() * double(TwipsPerPixel) / scaleOf(this) : twips.width();
}

double PictureBox::heightTwips() const
{
    const QRect twips = twipsGeometry(this);
    return twips.isNull() ? height() * double(TwipsPerPixel) / scaleOf(this) : twips.height();
}

void PictureBox::setLineWidth(int pixels)
{
    if (m_recorder)
        m_recorder->setLineWidth(pixels);
    m_lineWidth = pixels;
}

void PictureBox::setFontSize(double points)
{
    if (m_recorder)
        m_recorder->setFontSize(points);
    m_fontPoints = points;
}

// Square caps close the corners where two lines meet and still draw a
// zero-length line as a dot; the raster engine strokes them about twice as
// fast as round caps, which matters on every tick.
QPen PictureBox::pen(core::Rgb colour, int pixels)
{
    return QPen(toColor(colour), pixels, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// The image is made at the finest pixel ratio of all screens and kept when
// the window moves to a screen of another ratio: the scenes never draw again
// what is already there, so a new image would stay blank. A coarser screen
// shows it scaled down, pixel for pixel. The logical size is kept apart: at
// a fractional ratio the device size is rounded, and comparing through it
// would remake the image on every call.
void PictureBox::ensureImage()
{
    const double scale = scaleOf(this);
    if (!m_image.isNull() && m_imageSize == size() && m_scale == scale)
        return;
    finishPainting();
    const qreal ratio = std::max({devicePixelRatioF(), qGuiApp->devicePixelRatio(), qreal(1)});
    const QSize deviceSize = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    QImage resized(deviceSize, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(toColor(m_background));
    const QImage old = std::exchange(m_image, resized);
    const double oldScale = m_scale;
    const bool rescaled = oldScale != scale;
    m_imageSize = size();
    m_scale = scale;
    if (old.isNull())
        return;
    if (rescaled && m_redrawAll) {
        core::Canvas *recorder = std::exchange(m_recorder, nullptr);
        const int lineWidth = m_lineWidth;
        const double fontPoints = m_fontPoints;
        const QPointF position = std::exchange(m_position, QPointF());
        m_redrawAll(*this);
        m_recorder = recorder;
        m_lineWidth = lineWidth;
        m_fontPoints = fontPoints;
        m_position = position;
        update();
        return;
    }
    QPainter copy(&m_image);
    if (rescaled)
        copy.drawImage(QRectF(QPointF(0, 0), QSizeF(old.size()) / old.devicePixelRatio() * (scale / oldScale)), old);
    else
        copy.drawImage(QPointF(0, 0), old);
}

// One painter stays open between drawing calls (a tick draws some thirty
// shapes) and is closed before the picture is shown. A drawing call takes it
// before turning twips into pixels: after a zoom change this is where the
// image is made at the new scale.
QPainter &PictureBox::painter(core::Rgb colour)
{
    ensureImage();
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setRenderHint(QPainter::TextAntialiasing, false);
        m_painter.setBrush(Qt::NoBrush);
    }
    m_painter.setPen(pen(colour, penPixels()));
    return m_painter;
}

void PictureBox::finishPainting()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PictureBox::markDirty(const QRectF &logicalRect)
{
    const qreal margin = penPixels() + 1;
    update(logicalRect.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect());
}

void PictureBox::line(double x1, double y1, double x2, double y2, core::Rgb colour)
{
    if (m_recorder)
        m_recorder->line(x1, y1, x2, y2, colour);
    QPainter &p = painter(colour);
    const QPointF from = toPixels(x1, y1);
    const QPointF to = toPixels(x2, y2);
    p.drawLine(from, to);
    m_position = {x2, y2};
    markDirty(QRectF(from, to));
}

void PictureBox::fillRect(double x1, double y1, double x2, double y2, core::Rgb colour)
{
    if (m_recorder)
        m_recorder->fillRect(x1, y1, x2, y2, colour);
    QPainter &p = painter(colour);
    // A filled box also gets its border in the current line width, so it
    // covers everything drawn up to its edges.
    const qreal half = penPixels() / 2.0;
    const QRectF box = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized().adjusted(-half, -half, half, half);
    p.fillRect(box, toColor(colour));
    m_position = {x2, y2};
    markDirty(box);
}

void PictureBox::circle(double x, double y, double radius, core::Rgb colour)
{
    if (m_recorder)
        m_recorder->circle(x, y, radius, colour);
    QPainter &p = painter(colour);
    const QPointF centre = toPixels(x, y);
    const double r = twipsToPixels(radius) * m_scale;
    p.drawEllipse(centre, r, r);
    m_position = {x, y};
    markDirty(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));
}

void PictureBox::arc(double x, double y, double radius, core::Rgb colour, double start, double end)
{
    if (m_recorder)
        m_recorder->arc(x, y, radius, colour, start, end);
    constexpr double fullTurn = 2 * std::numbers::pi;
    double span = end - start;
    if (span < 0)
        span += fullTurn;
    QPainter &p = painter(colour);
    const QPointF centre = toPixels(x, y);
    const double r = twipsToPixels(radius) * m_scale;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    // QPainter takes sixteenths of a degree, counter-clockwise on screen.
    const auto sixteenths = [](double radians) { return int(std::lround(radians * 180.0 / std::numbers::pi * 16.0)); };
    p.drawArc(bounds, sixteenths(start), sixteenths(span));
    m_position = {x, y};
    markDirty(bounds);
}

void PictureBox::print(const QString &text)
{
    if (m_recorder)
        m_recorder->print(text);
    QPainter &p = painter(core::colour::black);
    QFont face = ui::font({QStringLiteral("MS Sans Serif"), 10});
    face.setPixelSize(std::max(1, int(std::lround(pointsToPixels(m_fontPoints) * m_scale))));
    p.setFont(face);
    const QPointF topLeft = toPixels(m_position.x(), m_position.y());
    const QRectF room(topLeft, QSizeF(width() - topLeft.x(), height() - topLeft.y()));
    QRectF used;
    p.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text, &used);
    // Like a picture box, the next print starts at the left on the next line.
    m_position = {0.0, m_position.y() + used.height() * TwipsPerPixel / m_scale};
    markDirty(used);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    ensureImage();
    finishPainting();
    QPainter widgetPainter(this);
    const QRect dirty = event->rect();
    const qreal ratio = m_image.devicePixelRatio();
    const QRectF source(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio);
    widgetPainter.drawImage(QRectF(dirty), m_image, source);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}

} // namespace ui
