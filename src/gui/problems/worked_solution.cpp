#include "gui/problems/worked_solution.h"

#include "plugins/print/document_printer.h"
#include "gui/ui/diagram.h"
#include "gui/ui/message.h"
#include "gui/ui/pdf_pages.h"
#include "gui/ui/plugins.h"
#include "gui/ui/saved_files.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace solvers {

namespace {

const QUrl DiagramUrl(QStringLiteral("cuestaval:diagrama"));
// The box the diagram fits in, in the document's pixels: wide diagrams take
// its width, the tall Atwood machine its height. It stands beside the data,
// so the page is as long as the working and no longer.
const QSize DiagramBox(250, 170);

QString escaped(const QString &text)
{
    // Runs of spaces separate the parts of an equation; HTML would fold them.
    return text.toHtmlEscaped().replace(QStringLiteral("  "), QStringLiteral("&nbsp;&nbsp;"));
}

// An equation on one row of a table, so that a fraction can stand as a
// numerator over a denominator beside the text around it.
QString formulaHtml(const QString &formula, const QString &style)
{
    QString cells;
    for (const FormulaPiece &piece : formulaPieces(formula)) {
        if (piece.denominator.isEmpty()) {
            cells += QStringLiteral("<td valign=\"middle\" style=\"padding: 0 2px\">%1</td>").arg(escaped(piece.text));
            continue;
        }
        cells +=
            QStringLiteral("<td valign=\"middle\"><table cellspacing=\"0\" cellpadding=\"0\">"
                           "<tr><td align=\"center\" style=\"border-bottom: 1px solid %3; padding: 0 3px\">%1</td></tr>"
                           "<tr><td align=\"center\" style=\"padding: 0 3px\">%2</td></tr></table></td>")
                .arg(escaped(piece.text), escaped(piece.denominator),
                     style.contains(QStringLiteral("color")) ? QStringLiteral("#8b1a1a") : QStringLiteral("black"));
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" style=\"margin-left: 24px; margin-top: 3px; "
                          "margin-bottom: 3px; %1\"><tr>%2</tr></table>")
        .arg(style, cells);
}

QString stepHtml(const Step &step)
{
    switch (step.kind) {
    case Step::Kind::Title:
        return QStringLiteral("<p style=\"font-size: large\"><b>%1</b></p>").arg(escaped(step.text));
    case Step::Kind::Section:
        return QStringLiteral("<h3 style=\"color: #1f4fbf; margin-top: 10px; margin-bottom: 4px\">%1</h3>")
            .arg(escaped(step.text));
    case Step::Kind::Sentence:
        return QStringLiteral("<p style=\"margin-top: 3px; margin-bottom: 3px\">%1</p>")
            .arg(escaped(plainText(step.text)));
    case Step::Kind::Formula:
        return formulaHtml(step.text, {});
    case Step::Kind::Result:
        return formulaHtml(step.text, QStringLiteral("font-weight: bold; background-color: #e8eefc"));
    case Step::Kind::Message:
        return QStringLiteral("<p>%1</p>")
            .arg(QCoreApplication::translate("WorkedSolution", "La ventana muestra el mensaje «%1».")
                     .arg(escaped(step.text)));
    case Step::Kind::Condition:
        return formulaHtml(step.text, QStringLiteral("font-weight: bold; color: #8b1a1a"));
    case Step::Kind::Advice:
        //: Lead-in of the advice after the condition that stopped the case.
        return QStringLiteral("<p><b>%1</b> %2</p>")
            .arg(QCoreApplication::translate("WorkedSolution", "Qué puedes cambiar:"), escaped(step.text));
    }
    return {};
}

// The diagram drawn at three times its size on the page, sharp on a
// high-density screen and on paper. A class set's key shows the same few
// diagrams on every page: drawn once (per language of its labels), and the
// one pixmap they share is stored once in a PDF.
QPixmap diagramPixmap(const QString &resource)
{
    const QByteArray svg = ui::diagramSvg(resource);
    const QString key = QStringLiteral("cuestaval-working-diagram-") +
                        QString::fromLatin1(QCryptographicHash::hash(svg, QCryptographicHash::Sha1).toHex());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QSvgRenderer renderer(svg);
    const QSize size = renderer.defaultSize().scaled(DiagramBox * 3, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// Where the laws begin: the step after the title and the data.
qsizetype secondSection(const Working &working)
{
    int sections = 0;
    for (qsizetype at = 0; at < working.size(); ++at) {
        if (working.at(at).kind == Step::Kind::Section && ++sections == 2)
            return at;
    }
    return working.size();
}

// A Basque date as Euskaltzaindia writes it, "2026ko abenduaren 6a": the
// year takes -eko where its numeral ends in a consonant (bat, bost, hamar,
// hamabost, ehun), the day takes -a except 11 and 31, which end in "hamaika".
// Qt's own long format leaves those choices open ("2026(e)ko").
QString basqueDate(const QDate &date)
{
    static const char *const months[] = {"urtarrilaren", "otsailaren", "martxoaren", "apirilaren",
                                         "maiatzaren",   "ekainaren",  "uztailaren", "abuztuaren",
                                         "irailaren",    "urriaren",   "azaroaren",  "abenduaren"};
    const int year = date.year(), lastTwo = year % 100, belowTwenty = lastTwo % 20;
    const bool consonant = lastTwo == 0 ? year % 1000 != 0
                                        : belowTwenty == 1 || belowTwenty == 5 || belowTwenty == 10 || belowTwenty == 15;
    const bool hamaika = date.day() == 11 || date.day() == 31;
    return QString::number(year) + (consonant ? QStringLiteral("eko ") : QStringLiteral("ko ")) +
           QLatin1String(months[date.month() - 1]) + QLatin1Char(' ') + QString::number(date.day()) +
           (hamaika ? QString() : QStringLiteral("a")) + QStringLiteral(", ") + QLocale().dayName(date.dayOfWeek());
}

QString longDate(const QDate &date)
{
    const QLocale locale;
    return locale.language() == QLocale::Basque ? basqueDate(date) : locale.toString(date, QLocale::LongFormat);
}

QString fileStem(const QString &problem)
{
    QString stem = problem.toLower().normalized(QString::NormalizationForm_D);
    stem.remove(QRegularExpression(QStringLiteral("[^a-z ]")));
    return QStringLiteral("resolucion-") + stem.simplified().replace(QLatin1Char(' '), QLatin1Char('-'));
}

} // namespace

QString workingHtml(const Working &working)
{
    QString html;
    for (const Step &step : working)
        html += stepHtml(step);
    return html;
}

std::unique_ptr<QTextDocument> workedDocument(const Worksheet &sheet, const QDate &date, const QString &heading)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(11);
    document->setDefaultFont(font);
    document->setDocumentMargin(4);
    const QPixmap diagram = diagramPixmap(sheet.diagramResource);
    document->addResource(QTextDocument::ImageResource, DiagramUrl, diagram);

    QString html = heading;
    html += QStringLiteral("<h2 style=\"margin-top: 0; margin-bottom: 6px\">%1</h2>")
                .arg(QCoreApplication::translate("WorkedSolution", "Resolución: %1").arg(escaped(sheet.problem)));
    // What is given and the data, with the diagram beside them.
    const qsizetype laws = secondSection(sheet.working);
    const QSize shown = diagram.size().scaled(DiagramBox, Qt::KeepAspectRatio);
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td valign=\"top\">%1</td>"
                           "<td valign=\"top\" align=\"right\" style=\"padding-left: 8px\">"
                           "<img src=\"%2\" width=\"%3\" height=\"%4\"></td></tr></table>")
                .arg(workingHtml(sheet.working.mid(0, laws)), DiagramUrl.toString())
                .arg(shown.width())
                .arg(shown.height());
    html += workingHtml(sheet.working.mid(laws));
    html += QStringLiteral("<p style=\"color: #555555; margin-top: 10px\">Cuestaval, %1</p>")
                .arg(escaped(longDate(date)));
    document->setHtml(html);
    return document;
}

bool writePdf(const QTextDocument &document, const QString &title, const QString &path)
{
    const std::unique_ptr<QTextDocument> page(document.clone());
    return ui::saveWhole(path, ui::a4Pdf(title, 1, [&page](QPainter &painter, int, const QRectF &body) {
                             ui::drawFitted(painter, *page, body);
                         }));
}

WorkedSolutionDialog::WorkedSolutionDialog(const Worksheet &sheet, QWidget *owner)
    : QDialog(owner)
    , m_sheet(sheet)
    , m_document(workedDocument(sheet, QDate::currentDate()))
{
    setObjectName(QStringLiteral("WorkedSolution"));
    //: Title of the dialog with the worked solution ("solution", not "resolution").
    setWindowTitle(tr("Resolución"));
    setModal(true);

    m_view = new QTextBrowser(this);
    m_view->setObjectName(QStringLiteral("Working"));
    // The view would lay the page out in its own font otherwise.
    m_view->setFont(m_document->defaultFont());
    m_view->setDocument(m_document.get());
    m_view->setAccessibleName(tr("Resolución paso a paso"));

    auto *buttons = new QDialogButtonBox(this);
    PrintButton = buttons->addButton(tr("Imprimir…"), QDialogButtonBox::ActionRole);
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    PdfButton = buttons->addButton(tr("Guardar PDF…"), QDialogButtonBox::ActionRole);
    PdfButton->setObjectName(QStringLiteral("PdfButton"));
    CloseButton = buttons->addButton(tr("Cerrar"), QDialogButtonBox::RejectRole);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(buttons);
    resize(680, 640);

    connect(PrintButton, &QPushButton::clicked, this, &WorkedSolutionDialog::PrintButton_Click);
    connect(PdfButton, &QPushButton::clicked, this, &WorkedSolutionDialog::PdfButton_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

WorkedSolutionDialog::~WorkedSolutionDialog() = default;

QString WorkedSolutionDialog::documentTitle() const
{
    return tr("Resolución: %1").arg(m_sheet.problem);
}

void WorkedSolutionDialog::PrintButton_Click()
{
    QString error;
    QObject *plugin = ui::loadPlugin(QString::fromLatin1(PrintPluginName), &error);
    auto *printer = qobject_cast<DocumentPrinter *>(plugin);
    if (!printer) {
        ui::showMessage(this, tr("No se puede imprimir: falta el módulo de impresión de Cuestaval."));
        return;
    }
    if (printer->print(*m_document, documentTitle(), this) == DocumentPrinter::Result::Failed)
        ui::showMessage(this, tr("No se pudo imprimir la resolución. Comprueba la impresora."));
}

void WorkedSolutionDialog::PdfButton_Click()
{
    QString path =
        QFileDialog::getSaveFileName(this, tr("Guardar PDF"),
                                     QDir::home().filePath(fileStem(m_sheet.problem) + QStringLiteral(".pdf")),
                                     tr("Documentos PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    if (!writePdf(*m_document, documentTitle(), path))
        ui::showMessage(this, tr("No se pudo guardar el PDF en «%1». Comprueba que la carpeta existe y que "
                                 "puedes escribir en ella.")
                                  .arg(QDir::toNativeSeparators(path)));
}

void showWorkedSolution(QWidget *window, const Worksheet &sheet)
{
    WorkedSolutionDialog dialog(sheet, window);
    dialog.exec();
}

} // namespace solvers
