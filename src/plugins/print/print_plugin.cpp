#include "plugins/print/document_printer.h"

#include <QMarginsF>
#include <QObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

class PrintPlugin : public QObject, public solvers::DocumentPrinter
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CUESTAVAL_DOCUMENT_PRINTER_IID)
    Q_INTERFACES(solvers::DocumentPrinter)

public:
    Result print(const QTextDocument &document, const QString &title, QWidget *owner) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        printer.setDocName(title);
        printer.setCreator(QStringLiteral("Cuestaval"));
        QPrintDialog dialog(&printer, owner);
        dialog.setWindowTitle(tr("Imprimir"));
        if (dialog.exec() != QDialog::Accepted)
            return Result::Cancelled;
        document.print(&printer);
        return printer.printerState() == QPrinter::Error ? Result::Failed : Result::Printed;
    }
};

} // namespace

#include "print_plugin.moc"
