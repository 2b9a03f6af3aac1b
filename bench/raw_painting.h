#pragma once

#include "recording_canvas.h"

#include <QImage>
#include <QList>
#include <QSize>

namespace bench {

// The floor of a tick: the same lines, arcs and circles that a window drew,
// painted straight onto an image of the same size with one open QPainter,
// without any of the program's own work around them.
class RawPainting
{
public:
    RawPainting(QSize deviceSize, double ratio, const QList<DrawOp> &ops);
    void paint() const;
    QString summary() const;

private:
    mutable QImage m_image;
    QList<DrawOp> m_ops;
};

} // namespace bench
