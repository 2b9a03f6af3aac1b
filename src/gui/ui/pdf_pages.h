#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class QTextDocument;

// The program's PDFs: A4 pages with a narrow margin, each drawn whole, so
// a page never starts with the tail of something the page before began.
namespace ui {

// Millimetres left blank around every page: compact, and still clear of
// the edge a printer cannot reach.
inline constexpr qreal PdfMarginMm = 12;

// Draws page `page` (from 0) inside `body`, the page less its margins, in
// the painter's units.
using PagePainter = std::function<void(QPainter &painter, int page, const QRectF &body)>;

// `pageCount` A4 pages as the bytes of a PDF file.
QByteArray a4Pdf(const QString &title, int pageCount, const PagePainter &paint);

// Draws the document inside `box`: at its own size when it fits, smaller
// when it would not, so the whole of it is always on the page. The document
// is laid out again for the painter's device and the box's width.
void drawFitted(QPainter &painter, QTextDocument &document, const QRectF &box);

} // namespace ui
