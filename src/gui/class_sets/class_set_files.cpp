#include "gui/class_sets/class_set_files.h"

#include "core/class_sets/moodle_xml.h"
#include "gui/problems/worked_solution.h"
#include "gui/ui/diagram.h"
#include "gui/ui/pdf_pages.h"
#include "gui/ui/saved_files.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>

#include <memory>

namespace class_sets {

namespace {

struct ClassSets {
    Q_DECLARE_TR_FUNCTIONS(ClassSets)
};

using exercises::ProblemKind;

const QUrl DiagramUrl(QStringLiteral("cuestaval:diagrama"));
// The diagram on the sheet and in a Moodle question, in pixels at 96 dpi.
const QSize SheetDiagramBox(230, 150);
const QSize MoodleDiagramBox(300, 200);
// Space between the two variants of a sheet, around the cut line.
constexpr qreal CutGapMm = 14;

QString diagramResource(ProblemKind problem)
{
    switch (problem) {
    case ProblemKind::InclinedPlane:
        return QStringLiteral(":/assets/inclined_plane_diagram.svg");
    case ProblemKind::HorizontalPlane:
        return QStringLiteral(":/assets/horizontal_plane_diagram.svg");
    case ProblemKind::AtwoodMachine:
        break;
    }
    return QStringLiteral(":/assets/atwood_diagram.svg");
}

// Each problem's diagram drawn once for a whole set, at `times` the size
// it is shown at, on white.
class Diagrams
{
public:
    Diagrams(const QSize &box, int times) : m_box(box), m_times(times) {}

    // One pixmap per problem for every page, so a PDF stores it once.
    QPixmap pixmap(ProblemKind problem)
    {
        auto found = m_pixmaps.find(problem);
        if (found == m_pixmaps.end())
            found = m_pixmaps.insert(problem, QPixmap::fromImage(image(problem)));
        return *found;
    }
    const QImage &image(ProblemKind problem)
    {
        auto found = m_images.find(problem);
        if (found == m_images.end()) {
            QSvgRenderer renderer(ui::diagramSvg(diagramResource(problem)));
            QImage image(renderer.defaultSize().scaled(m_box * m_times, Qt::KeepAspectRatio),
                         QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            found = m_images.insert(problem, image);
        }
        return *found;
    }
    QSize shown(ProblemKind problem) { return image(problem).size() / m_times; }

private:
    QSize m_box;
    int m_times;
    QHash<ProblemKind, QImage> m_images;
    QHash<ProblemKind, QPixmap> m_pixmaps;
};

QString html(const QString &text)
{
    return text.toHtmlEscaped();
}

QString caseName(const Variant &variant)
{
    return exercises::caseName(*exercises::findCase(variant.exercise.problem(), variant.exercise.code.caseNumber));
}

QString codeText(const Variant &variant)
{
    //: The code on a student's sheet and on the key.
    return ClassSets::tr("Código %1").arg(variant.code());
}

std::unique_ptr<QTextDocument> pageDocument(const QString &body, const QPixmap &diagram)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(11);
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    document->addResource(QTextDocument::ImageResource, DiagramUrl, diagram);
    document->setHtml(body);
    return document;
}

// The top of a variant on the sheet: name line, code, statement, diagram.
QString sheetTop(const Variant &variant, const QSize &diagram)
{
    const QString paragraph = QStringLiteral("<p style=\"margin-top: 0; margin-bottom: 6px\">%1</p>");
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                          "<td valign=\"bottom\" width=\"1%\" style=\"white-space: nowrap\">%1&nbsp;</td>"
                          "<td width=\"62%\" style=\"border-bottom: 1px solid black\">&nbsp;</td>"
                          "<td valign=\"bottom\" align=\"right\"><span style=\"font-size: 15pt\"><b>%2</b></span></td>"
                          "</tr></table>")
               //: Before the line where the student writes their name.
               .arg(html(ClassSets::tr("Nombre:")), html(codeText(variant))) +
           QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" style=\"margin-top: 12px\"><tr>"
                          "<td valign=\"top\">%1%2<p style=\"margin-top: 0\"><b>%3</b></p></td>"
                          "<td valign=\"top\" align=\"right\" style=\"padding-left: 12px\">"
                          "<img src=\"%4\" width=\"%5\" height=\"%6\"></td></tr></table>")
               .arg(paragraph.arg(html(variant.statement.situation)), paragraph.arg(html(variant.statement.dataLine)),
                    html(variant.statement.question), DiagramUrl.toString())
               .arg(diagram.width())
               .arg(diagram.height());
}

// The foot of a variant on the sheet: a line per unknown with its unit, and
// where the student can practise it.
QString sheetFoot(const Variant &variant)
{
    QString rows;
    for (const exercises::AnswerField &field : variant.fields) {
        rows += QStringLiteral("<tr><td align=\"right\" style=\"padding-right: 6px\">%1 =</td>"
                               "<td width=\"200\" style=\"border-bottom: 1px solid black\">&nbsp;</td>"
                               "<td style=\"padding-left: 6px\">%2</td></tr>")
                    .arg(html(field.symbol), html(field.unit));
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"5\">%1</table>"
                          "<p style=\"color: #555555; font-size: 9pt; margin-top: 6px\">%2</p>")
        .arg(rows,
             //: At the foot of each exercise on a student's sheet; "Ejercicios" is the menu button.
             html(ClassSets::tr("Puedes practicar este ejercicio en Cuestaval: en «Ejercicios», escribe el código "
                                "%1 y pulsa «Ir».")
                      .arg(variant.code())));
}

void drawSheetVariant(QPainter &painter, const Variant &variant, Diagrams &diagrams, const QRectF &box)
{
    const ProblemKind problem = variant.exercise.problem();
    const std::unique_ptr<QTextDocument> top =
        pageDocument(sheetTop(variant, diagrams.shown(problem)), diagrams.pixmap(problem));
    const std::unique_ptr<QTextDocument> foot = pageDocument(sheetFoot(variant), QPixmap());
    // The answers at the bottom; the room between them and the statement
    // is left for the working.
    foot->documentLayout()->setPaintDevice(painter.device());
    foot->setTextWidth(box.width());
    const qreal footHeight = qMin(foot->size().height(), box.height() / 3);
    const QRectF footBox(box.left(), box.bottom() - footHeight, box.width(), footHeight);
    ui::drawFitted(painter, *foot, footBox);
    ui::drawFitted(painter, *top, QRectF(box.topLeft(), QPointF(box.right(), footBox.top())));
}

QString keyHeading(const Variant &variant)
{
    QString answers;
    for (const exercises::Unknown &unknown : variant.exercise.unknowns)
        answers += QStringLiteral("<p style=\"margin-top: 2px; margin-bottom: 2px; margin-left: 24px\"><b>%1</b></p>")
                       .arg(html(answerLine(variant, unknown)));
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                          "<td><span style=\"font-size: 16pt\"><b>%1</b></span></td>"
                          "<td align=\"right\" valign=\"bottom\">%2 · %3</td></tr></table>"
                          "<p style=\"margin-top: 6px; margin-bottom: 2px\">%4</p>%5"
                          "<hr style=\"margin-top: 8px; margin-bottom: 8px\">")
        .arg(html(codeText(variant)), html(exercises::problemName(variant.exercise.problem())), html(caseName(variant)),
             //: The key's answers, before the worked solution; each is the exact value and its margin.
             html(ClassSets::tr("Respuestas (se aceptan dentro del margen indicado):")), answers);
}

// "hoja 1-3-100 a 1-3-129": a file or a document named after its codes.
QString withCodes(const QString &kind, const QList<Variant> &variants)
{
    if (variants.size() == 1)
        return QStringLiteral("%1 %2").arg(kind, variants.first().code());
    //: The codes of a class set, first and last: "1-3-100 a 1-3-129".
    return QStringLiteral("%1 %2").arg(kind,
                                       ClassSets::tr("%1 a %2").arg(variants.first().code(), variants.last().code()));
}

QString writtenLine(const QString &what, const QList<Variant> &variants, const QString &path)
{
    const QString codes = variants.size() == 1
                              //: A file written, with the one code it holds: "Hoja para los alumnos, código 1-3-100".
                              ? ClassSets::tr("%1, código %2").arg(what, variants.first().code())
                              //: A file written, with the codes it holds:
                              //: "Hoja para los alumnos, códigos 1-3-100 a 1-3-129".
                              : ClassSets::tr("%1, códigos %2 a %3")
                                    .arg(what, variants.first().code(), variants.last().code());
    return QStringLiteral("%1: %2").arg(codes, QDir::toNativeSeparators(path));
}

} // namespace

QByteArray sheetPdf(const QList<Variant> &variants)
{
    Diagrams diagrams(SheetDiagramBox, 3);
    const auto pages = int((variants.size() + 1) / 2);
    return ui::a4Pdf(withCodes(ClassSets::tr("Hoja de ejercicios"), variants), pages,
                     [&](QPainter &painter, int page, const QRectF &body) {
                         const qreal gap = CutGapMm / 25.4 * painter.device()->logicalDpiY();
                         const qreal half = (body.height() - gap) / 2;
                         drawSheetVariant(painter, variants.at(2 * page), diagrams,
                                          QRectF(body.left(), body.top(), body.width(), half));
                         if (2 * page + 1 >= variants.size())
                             return;
                         const qreal cut = body.top() + body.height() / 2;
                         QPen pen(QColor(0x777777), 0.3 / 25.4 * painter.device()->logicalDpiY(), Qt::DashLine);
                         painter.setPen(pen);
                         painter.drawLine(QPointF(body.left(), cut), QPointF(body.right(), cut));
                         drawSheetVariant(painter, variants.at(2 * page + 1), diagrams,
                                          QRectF(body.left(), body.bottom() - half, body.width(), half));
                     });
}

QByteArray keyPdf(const QList<Variant> &variants, const QDate &date)
{
    return ui::a4Pdf(withCodes(ClassSets::tr("Clave de respuestas"), variants), int(variants.size()),
                     [&](QPainter &painter, int page, const QRectF &body) {
                         const Variant &variant = variants.at(page);
                         const ProblemKind problem = variant.exercise.problem();
                         const solvers::Worksheet sheet{exercises::problemName(problem), diagramResource(problem),
                                                        variant.outcome.working};
                         const std::unique_ptr<QTextDocument> document =
                             solvers::workedDocument(sheet, date, keyHeading(variant));
                         ui::drawFitted(painter, *document, body);
                     });
}

QByteArray moodleFile(const Choice &choice, const QList<Variant> &variants)
{
    Diagrams diagrams(MoodleDiagramBox, 2);
    QHash<ProblemKind, QByteArray> pngs;
    QStringList questions;
    for (const Variant &variant : variants) {
        const ProblemKind problem = variant.exercise.problem();
        if (!pngs.contains(problem)) {
            QBuffer png;
            png.open(QIODevice::WriteOnly);
            diagrams.image(problem).save(&png, "PNG");
            pngs.insert(problem, png.data());
        }
        const MoodleImage image{QFileInfo(diagramResource(problem)).completeBaseName() + QStringLiteral(".png"),
                                pngs.value(problem), diagrams.shown(problem), exercises::problemName(problem)};
        questions.append(questionXml(variant, image, solvers::workingHtml(variant.outcome.working)));
    }
    return moodleXml(categoryPath(choice), questions);
}

Written writeFiles(const Choice &choice, const QList<Variant> &variants, const Paths &paths)
{
    QList<ui::FileContents> files;
    QStringList lines;
    if (!paths.sheet.isEmpty()) {
        files.append({paths.sheet, sheetPdf(variants)});
        lines.append(writtenLine(ClassSets::tr("Hoja para los alumnos"), variants, paths.sheet));
    }
    if (!paths.key.isEmpty()) {
        files.append({paths.key, keyPdf(variants, QDate::currentDate())});
        lines.append(writtenLine(ClassSets::tr("Clave de respuestas"), variants, paths.key));
    }
    if (!paths.moodle.isEmpty()) {
        files.append({paths.moodle, moodleFile(choice, variants)});
        lines.append(writtenLine(ClassSets::tr("Banco de preguntas de Moodle"), variants, paths.moodle));
    }
    const QString failed = ui::saveAll(files);
    if (!failed.isEmpty())
        return {{}, failed};
    return {lines, {}};
}

QString notWrittenMessage(const QString &path)
{
    return ClassSets::tr("No se pudo guardar «%1» (la carpeta no existe o no se puede escribir en ella), así que no "
                         "se ha guardado ningún archivo de la hoja.")
        .arg(QDir::toNativeSeparators(path));
}

Paths pathsIn(const QString &folder, const QList<Variant> &variants, bool sheet, bool key, bool moodle)
{
    const QDir dir(folder);
    //: Names of the files of a class set, before their codes: "hoja 1-3-100 a 1-3-129.pdf".
    return {sheet ? dir.filePath(withCodes(ClassSets::tr("hoja"), variants) + QStringLiteral(".pdf")) : QString(),
            key ? dir.filePath(withCodes(ClassSets::tr("clave"), variants) + QStringLiteral(".pdf")) : QString(),
            moodle ? dir.filePath(withCodes(ClassSets::tr("moodle"), variants) + QStringLiteral(".xml")) : QString()};
}

} // namespace class_sets
