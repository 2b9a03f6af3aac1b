#pragma once

#include "core/problems/problem.h"
#include "core/simulations/bars.h"
#include "gui/ui/layout.h"

#include <QFont>
#include <QLabel>
#include <QList>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSvgWidget;
class QWidget;

// The window side of a press of "Resolver", the same for every problem
// window: read the check marks and texts, let the case table decide, then
// show its message or write its answers.
namespace solvers {

using Solver = Outcome (*)(const Problem &problem);

// The blue note line under the fields: the decimal comma, and after a press
// of "Resolver" that ticked a wrong number of boxes, or that refused a number
// written with the other decimal separator, a hint about it, until the
// student next ticks a box or types in a field.
class NoteLine : public QLabel
{
public:
    // `boxes`: how many a case ticks.
    NoteLine(QWidget *window, int boxes, const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields);
    void showHint(const Outcome &outcome);

private:
    int m_boxes;
};

Problem readProblem(const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields);
void showOutcome(QWidget *window, const Outcome &outcome, const QList<QLineEdit *> &fields);
// One press of "Resolver": read, solve, show, with its hint on the note
// line. The outcome keeps the working for "Ver resolución".
Outcome resolve(QWidget *window, const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields, Solver solve,
                NoteLine *note);

// What "Simulación" hands over after a press, for the simulation's `bars`,
// from the `fields` of their quantities: as the fields show them after a
// press that solved; after one that ended in a message, the given values,
// when all of them were given and each lies on its bar, so that the
// simulation shows the situation the message speaks of; otherwise nothing.
QList<double> forSimulation(const Outcome &outcome, const QList<int> &fields, const QList<simulation::Bar> &bars);

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

using ui::unitLabel;

// "Ver resolución": disabled until a press of "Resolver" names a case.
QPushButton *workedSolutionButton(QWidget *window, const QFont &font, int left, int top, int width, int height);

// Enter in any of the fields presses "Resolver", as in a dialog.
void pressOnEnter(const QList<QLineEdit *> &fields, QPushButton *resolver);

// The blue note line, centred, placed in twips; three lines tall, for a
// hint under the note about the decimal comma.
NoteLine *addNoteLine(QWidget *window, int boxes, const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields,
                      int left, int top, int width, int height);

} // namespace solvers
