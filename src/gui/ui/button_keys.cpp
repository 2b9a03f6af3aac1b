#include "gui/ui/button_keys.h"

#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace ui {

namespace {

class EnterPressesButtons : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->isEnabled() || qobject_cast<QDialog *>(button->window()))
            return false;
        // One press per key stroke, however long the key is held.
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void pressFocusedButtonsWithEnter()
{
    static QCoreApplication *installedOn = nullptr;
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || application == installedOn)
        return;
    application->installEventFilter(new EnterPressesButtons(application));
    installedOn = application;
}

} // namespace ui
