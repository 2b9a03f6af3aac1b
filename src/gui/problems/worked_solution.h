#pragma once

#include "core/problems/working.h"

#include <QDate>
#include <QDialog>

#include <memory>

class QPushButton;
class QTextBrowser;
class QTextDocument;

// The "Resolución" dialog of a problem window: the working of the last press
// of "Resolver" laid out as a page (the window's diagram, the data, the laws,
// the unknowns isolated and substituted, the results or the condition that
// failed), to read on screen, print or save as PDF.
namespace solvers {

// What a problem window hands to its worked solution.
struct Worksheet {
    QString problem;         // "Plano horizontal"
    QString diagramResource; // the window's diagram, an SVG resource
    Working working;
};

// The steps as HTML, as the page shows them (a class set's question bank
// gives them as the feedback of each question).
QString workingHtml(const Working &working);

// The page as a rich-text document, dated; `heading` (HTML) goes above its
// title. One compact layout for the dialog, its PDF and a class set's key.
std::unique_ptr<QTextDocument> workedDocument(const Worksheet &sheet, const QDate &date,
                                              const QString &heading = {});

// Writes the document as one A4 page of PDF (smaller, if it must be, to fit
// whole), whole or not at all.
bool writePdf(const QTextDocument &document, const QString &title, const QString &path);

class WorkedSolutionDialog : public QDialog
{
    Q_OBJECT

public:
    WorkedSolutionDialog(const Worksheet &sheet, QWidget *owner);
    ~WorkedSolutionDialog() override;

private slots:
    void PrintButton_Click();
    void PdfButton_Click();

private:
    QString documentTitle() const;

    Worksheet m_sheet;
    std::unique_ptr<QTextDocument> m_document;
    QTextBrowser *m_view;
    QPushButton *PrintButton;
    QPushButton *PdfButton;
    QPushButton *CloseButton;
};

// Opens the dialog, modal and owned by the problem window.
void showWorkedSolution(QWidget *window, const Worksheet &sheet);

} // namespace solvers
