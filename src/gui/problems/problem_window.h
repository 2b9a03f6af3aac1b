#pragma once

#include "core/problems/problem.h"

#include <QFont>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSvgWidget;
class QWidget;

// The window side of a press of "Resolver", the same for every problem
// window: read the check marks and texts, let the case table decide, then
// show its message or write its answers.
namespace solvers {

using Solver = Outcome (*)(const Problem &problem);

Problem readProblem(const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields);
void showOutcome(QWidget *window, const Outcome &outcome, const QList<QLineEdit *> &fields);
// One press of "Resolver": read, solve, show. The outcome keeps the working
// for "Ver resolución".
Outcome resolve(QWidget *window, const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields, Solver solve);

// Fonts of the problem windows.
QFont fieldFont();   // Arial 12 pt bold: check boxes and text fields
QFont buttonFont();  // Arial 15.75 pt bold
QFont noteFont();    // MS Sans Serif 12 pt bold, for the decimal-comma note

// The controls of a problem window, placed in twips (left, top, width,
// height): the fixed diagram, a box that marks a quantity as given, the
// field of its value (starting at "0"), a command button.
// The free-body diagram of the problem; the description is what a screen
// reader says it shows.
QSvgWidget *diagram(QWidget *window, const QString &resource, const QString &description, int left, int top,
                    int width, int height);
QCheckBox *givenBox(QWidget *window, const char *name, const QString &caption, int left, int top, int width,
                    int height);
QLineEdit *valueField(QWidget *window, const char *name, int left, int top, int width, int height);

// The unit after a field ("kg", "m/s²"), a small gap to its right; the
// field's accessible name says the caption and the unit in words, which a
// screen reader reads better than symbols. No label for a quantity without
// unit.
struct Unit {
    QString symbol; // empty for a quantity without unit
    QString words;  // "kilogramos", "sin unidades"
};
QLabel *unitLabel(QWidget *window, const char *name, QLineEdit *field, const QString &caption, const Unit &unit,
                  int width);

// "Ver resolución": disabled until a press of "Resolver" names a case.
QPushButton *workedSolutionButton(QWidget *window, const QFont &font, int left, int top, int width, int height);

// Enter in any of the fields presses "Resolver", as in a dialog.
void pressOnEnter(const QList<QLineEdit *> &fields, QPushButton *resolver);

// The blue note about the decimal comma, centred.
void addDecimalCommaNote(QWidget *window, int left, int top, int width, int height);

} // namespace solvers
