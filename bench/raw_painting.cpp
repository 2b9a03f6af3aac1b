#include "raw_painting.h"

#include "gui/ui/picture_box.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace bench {

namespace {
QColor toColor(core::Rgb rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
} // namespace

RawPainting::RawPainting(QSize deviceSize, double ratio, const QList<DrawOp> &ops)
    : m_image(deviceSize, QImage::Format_RGB32), m_ops(ops)
{
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::cyan);
}

void RawPainting::paint() const
{
    QPainter painter(&m_image);
    for (const DrawOp &op : m_ops) {
        painter.setPen(ui::PictureBox::pen(op.colour, 2));
        const double *a = op.a;
        switch (op.kind) {
        case DrawOp::Line:
            painter.drawLine(QPointF(a[0] / 15, a[1] / 15), QPointF(a[2] / 15, a[3] / 15));
            break;
        case DrawOp::FillRect:
            painter.fillRect(QRectF(QPointF(a[0] / 15, a[1] / 15), QPointF(a[2] / 15, a[3] / 15)), toColor(op.colour));
            break;
        case DrawOp::Circle:
            painter.drawEllipse(QPointF(a[0] / 15, a[1] / 15), a[2] / 15, a[2] / 15);
            break;
        case DrawOp::Arc: {
            double span = a[4] - a[3];
            if (span < 0)
                span += 2 * std::numbers::pi;
            const double r = a[2] / 15;
            painter.drawArc(QRectF(a[0] / 15 - r, a[1] / 15 - r, 2 * r, 2 * r),
                            int(std::lround(a[3] * 180 / std::numbers::pi * 16)),
                            int(std::lround(span * 180 / std::numbers::pi * 16)));
            break;
        }
        default:
            break;
        }
    }
}

QString RawPainting::summary() const
{
    int lines = 0, arcs = 0, circles = 0, rects = 0;
    for (const DrawOp &op : m_ops) {
        lines += op.kind == DrawOp::Line;
        arcs += op.kind == DrawOp::Arc;
        circles += op.kind == DrawOp::Circle;
        rects += op.kind == DrawOp::FillRect;
    }
    QString text = QStringLiteral("%1 lines, %2 arcs").arg(lines).arg(arcs);
    if (circles)
        text += QStringLiteral(", %1 circles").arg(circles);
    if (rects)
        text += QStringLiteral(", %1 rectangles").arg(rects);
    return text;
}

} // namespace bench
