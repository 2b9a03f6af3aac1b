#pragma once

#include "solvers/problem.h"

#include <QFont>
#include <QList>

class QCheckBox;
class QLineEdit;
class QWidget;

// The window side of a press of "Resolver", the same for every problem
// window: read the check marks and texts, let the case table decide, then
// show its message or write its answers.
namespace solvers {

Problem readProblem(const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields);
void showOutcome(QWidget *window, const Outcome &outcome, const QList<QLineEdit *> &fields);

// Fonts of the problem windows.
QFont fieldFont();   // Arial 12 pt bold: check boxes and text fields
QFont buttonFont();  // Arial 15.75 pt bold
QFont noteFont();    // MS Sans Serif 12 pt bold, for the decimal-comma note

// The blue note about the decimal comma, centred.
void addDecimalCommaNote(QWidget *window, int left, int top, int width, int height);

} // namespace solvers
