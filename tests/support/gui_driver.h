#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QDialog;
class QLineEdit;

// Drives windows the way a user does, and records what they show in message
// boxes and whether the program ended, instead of blocking or exiting.
namespace driver {

// Sets es_ES as the default locale, routes message boxes into messages() and
// the program's end into ended(), and keeps the program's settings apart
// from the user's. Call from initTestCase.
void installSpanishTestEnvironment();

QStringList &messages();
bool ended();
// Forgets every window, message and end, and the simulations' enlarged
// drawing; the next test starts afresh.
void resetProgram();

template<typename Control>
Control *control(QWidget *window, const char *name)
{
    auto *found = window->findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return found;
}

// A real left click in the middle of the button.
void click(QWidget *window, const char *buttonName);
// Selects the field's text and types the new text key by key; in a spin
// box, the number without its unit.
void type(QWidget *window, const char *fieldName, const QString &text);
void setChecked(QWidget *window, const char *checkBoxName, bool checked);
QString text(QWidget *window, const char *fieldName);
// "Text", 0 gives "Text1": the controls are numbered from one.
QByteArray numbered(const char *prefix, int index);
// Ticks Check1..CheckN as "0110" says (Check2 and Check3) and types `typed` into Text1..TextN.
void fill(QWidget *window, const QString &boxes, const QStringList &typed);
// Closes the window as the user's close box does.
void closeWindow(QWidget *window);
// The windows of the program that are visible now.
QList<QWidget *> visibleWindows();
// Runs `look` on the modal dialog that the next click opens (null if none
// did), from inside the dialog's own event loop, then closes it if `look`
// left it open.
void whenModalOpens(std::function<void(QDialog *)> look);
// The text of the "Resolución" dialog that Command4 opens; empty when no
// such dialog, owned by the window and modal, opened.
QString workingShown(QWidget *window);

} // namespace driver
