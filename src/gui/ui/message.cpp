#include "gui/ui/message.h"

#include <QMessageBox>

namespace ui {

namespace {
MessageHook &hook()
{
    static MessageHook instance;
    return instance;
}
} // namespace

void setMessageHook(MessageHook newHook)
{
    hook() = std::move(newHook);
}

void showMessage(QWidget *parent, const QString &text)
{
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Cuestaval"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace ui
