#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Drives a problem window: its check boxes Check1..CheckN and the text fields
// Text1..TextN of the same quantities.
namespace driver {

// Marks the boxes as the pattern says ("10110": Check1, Check3 and Check4
// checked) and types each text into its field, as a user does.
void fillProblem(QWidget *window, const QString &checkPattern, const QStringList &texts);
// Fills the window, then presses "Resolver" (Command1).
void pressResolver(QWidget *window, const QString &checkPattern, const QStringList &texts);
// The check marks of Check1..CheckN now, as a pattern like "10110".
QString checkPattern(QWidget *window, int count);
// The texts of Text1..TextN now.
QStringList fieldTexts(QWidget *window, int count);
// The object names of the controls that Tab visits, in order, from the
// first one of the window.
QStringList tabChain(QWidget *window);

// The names of the buttons, check boxes and labels whose text is wider (or,
// wrapped, taller) than the control.
QStringList controlsWithClippedText(QWidget *window);

} // namespace driver
