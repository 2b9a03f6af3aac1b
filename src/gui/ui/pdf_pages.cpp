#include "gui/ui/pdf_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace ui {

QByteArray a4Pdf(const QString &title, int pageCount, const PagePainter &paint)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(PdfMarginMm, PdfMarginMm, PdfMarginMm, PdfMarginMm), QPageLayout::Millimeter);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Cuestaval"));
    {
        QPainter painter(&writer);
        // Diagrams stay as drawn (no JPEG blur around their lines).
        painter.setRenderHint(QPainter::LosslessImageRendering);
        const QRectF body(0, 0, writer.width(), writer.height());
        for (int page = 0; page < pageCount; ++page) {
            if (page > 0)
                writer.newPage();
            painter.save();
            paint(painter, page, body);
            painter.restore();
        }
    }
    return file.data();
}

void drawFitted(QPainter &painter, QTextDocument &document, const QRectF &box)
{
    document.documentLayout()->setPaintDevice(painter.device());
    // Drawn smaller, the document gets a wider line, so it grows shorter
    // still: one narrowing is enough, the second pass only confirms it.
    qreal scale = 1;
    for (int pass = 0; pass < 3; ++pass) {
        document.setTextWidth(box.width() / scale);
        const qreal height = document.size().height();
        if (height * scale <= box.height())
            break;
        scale = box.height() / height;
    }
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    document.drawContents(&painter, QRectF(0, 0, box.width() / scale, box.height() / scale));
    painter.restore();
}

} // namespace ui
