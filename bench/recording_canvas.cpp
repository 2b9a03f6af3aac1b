#include "recording_canvas.h"

QList<DrawOp> RecordingCanvas::shapes() const
{
    QList<DrawOp> result;
    for (const DrawOp &op : ops) {
        if (op.kind != DrawOp::LineWidth && op.kind != DrawOp::FontSize && op.kind != DrawOp::Print)
            result.append(op);
    }
    return result;
}

QList<DrawOp> RecordingCanvas::inColour(core::Rgb colour) const
{
    QList<DrawOp> result;
    for (const DrawOp &op : shapes()) {
        if (op.colour == colour)
            result.append(op);
    }
    return result;
}
