#pragma once

#include "core/drawing/canvas.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QWidget>

#include <functional>

namespace ui {

// A picture area that scenes draw on. What is drawn goes into a persistent
// image without antialiasing, so drawing a shape again in the background
// colour erases it exactly, and the picture survives hiding and covering.
// The image has the finest device pixel ratio among the screens, so it stays
// sharp, and it is kept when the window moves from one screen to another.
//
// Drawing while the window is still hidden is fine: the image is made on
// first use from the control's size.
//
// The scenes draw in twips, which do not change with the zoom; the zoom sets
// how many pixels a twip and a line-width pixel take. After a zoom change the
// image is made again at the new scale and the window's redraw-all draws
// what the picture shows, so it stays sharp; a picture without one has its
// old image stretched, which is blurred at the edges and is only a fallback.
class PictureBox : public QWidget, public core::Canvas
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    void setBackground(core::Rgb colour);
    // The picture as drawn so far (device pixels); for tests and screenshots.
    QImage image();
    // Every drawing call is also passed on to this canvas (none by default),
    // so a test or a benchmark can see what a window draws.
    void setRecorder(core::Canvas *recorder) { m_recorder = recorder; }
    // Draws everything the picture shows, on a blank image in the background
    // colour with the drawing position at the top-left corner: the fixed
    // parts, the frame shown last and the strobe marks. Line width, font size
    // and position are as before afterwards.
    // The recorder does not see it: it is no scene's doing.
    void setRedrawAll(std::function<void(core::Canvas &)> redrawAll) { m_redrawAll = std::move(redrawAll); }

    // The pen every shape is drawn with.
    static QPen pen(core::Rgb colour, int pixels);

    double widthTwips() const override;
    double heightTwips() const override;
    void setLineWidth(int pixels) override;
    void setFontSize(double points) override;
    void line(double x1, double y1, double x2, double y2, core::Rgb colour) override;
    void fillRect(double x1, double y1, double x2, double y2, core::Rgb colour) override;
    void circle(double x, double y, double radius, core::Rgb colour) override;
    void arc(double x, double y, double radius, core::Rgb colour, double start, double end) override;
    void print(const QString &text) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureImage();
    QPainter &painter(core::Rgb colour);
    void finishPainting();
    void markDirty(const QRectF &logicalRect);
    QPointF toPixels(double x, double y) const;
    int penPixels() const;

    QImage m_image;
    QSize m_imageSize; // in logical pixels
    QPainter m_painter;
    core::Canvas *m_recorder = nullptr;
    std::function<void(core::Canvas &)> m_redrawAll;
    double m_scale = 1; // logical pixels per design pixel the image is drawn at
    core::Rgb m_background = 0xFFFFFF;
    int m_lineWidth = 1;    // design pixels
    double m_fontPoints = 9.75;
    QPointF m_position; // current drawing position, in twips
};

} // namespace ui
