#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Every message of the program: a modal box titled "Cuestaval" with one OK
// button and no icon.
void showMessage(QWidget *parent, const QString &text);

// Tests replace the box with a recorder so that nothing blocks; passing an
// empty function restores the real box.
using MessageHook = std::function<void(const QString &text)>;
void setMessageHook(MessageHook hook);

} // namespace ui
