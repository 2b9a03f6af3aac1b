#include "gui/problems/worked_solution.h"

#include "plugins/print/document_printer.h"
#include "gui/ui/diagram.h"
#include "gui/ui/message.h"
#include "gui/ui/plugins.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace solvers {

namespace {

const QUrl DiagramUrl(QStringLiteral("cuestaval:diagrama"));
// The box the diagram fits in on the page, in the document's pixels: wide
// diagrams take its width, the tall Atwood machine its height.
const QSize DiagramBox(300, 200);

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
        return QStringLiteral("<h3 style=\"color: #1f4fbf; margin-top: 12px\">%1</h3>").arg(escaped(step.text));
    case Step::Kind::Sentence:
        return QStringLiteral("<p>%1</p>").arg(escaped(plainText(step.text)));
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
// high-density screen and on paper.
QImage diagramImage(const QString &resource)
{
    QSvgRenderer renderer(ui::diagramSvg(resource));
    const QSize size = renderer.defaultSize().scaled(DiagramBox * 3, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QString fileStem(const QString &problem)
{
    QString stem = problem.toLower().normalized(QString::NormalizationForm_D);
    stem.remove(QRegularExpression(QStringLiteral("[^a-z ]")));
    return QStringLiteral("resolucion-") + stem.simplified().replace(QLatin1Char(' '), QLatin1Char('-'));
}

} // namespace

std::unique_ptr<QTextDocument> workedDocument(const Worksheet &sheet, const QDate &date)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(11);
    document->setDefaultFont(font);
    document->setDocumentMargin(12);
    const QImage diagram = diagramImage(sheet.diagramResource);
    document->addResource(QTextDocument::ImageResource, DiagramUrl, diagram);

    QString html = QStringLiteral("<h2>%1</h2>")
                       .arg(QCoreApplication::translate("WorkedSolution", "Resolución: %1")
                                .arg(escaped(sheet.problem)));
    const QSize shown = diagram.size().scaled(DiagramBox, Qt::KeepAspectRatio);
    html += QStringLiteral("<p align=\"center\"><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
                .arg(DiagramUrl.toString())
                .arg(shown.width())
                .arg(shown.height());
    for (const Step &step : sheet.working)
        html += stepHtml(step);
    html += QStringLiteral("<p style=\"color: #555555; margin-top: 16px\">Cuestaval, %1</p>")
                .arg(escaped(QLocale().toString(date, QLocale::LongFormat)));
    document->setHtml(html);
    return document;
}

bool writePdf(const QTextDocument &document, const QString &title, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Cuestaval"));
        document.print(&writer);
    }
    // Nothing written means the writer never got to paint: no file at all.
    if (file.size() == 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
