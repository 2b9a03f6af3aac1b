#pragma once

#include <QtPlugin>

class QString;
class QTextDocument;
class QWidget;

// Printing pulls in Qt Print Support, which the program must not load at
// start-up; the print plugin (libcuestaval_print.so, loaded with
// ui::loadPlugin the first time the user prints) implements this.
namespace solvers {

class DocumentPrinter
{
public:
    enum class Result { Printed, Cancelled, Failed };

    virtual ~DocumentPrinter() = default;
    // Asks for a printer with a print dialog owned by `owner`, then prints
    // the document on A4 under the job name `title`.
    virtual Result print(const QTextDocument &document, const QString &title, QWidget *owner) = 0;
};

inline constexpr char PrintPluginName[] = "cuestaval_print";

} // namespace solvers

#define CUESTAVAL_DOCUMENT_PRINTER_IID "org.cuestaval.DocumentPrinter/1.0"
Q_DECLARE_INTERFACE(solvers::DocumentPrinter, CUESTAVAL_DOCUMENT_PRINTER_IID)
