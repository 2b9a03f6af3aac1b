#include "gui/ui/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

WrappingButton::WrappingButton(QWidget *parent)
    : QPushButton(parent)
{
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The style draws the bevel and the focus frame; the caption is laid out
    // here, so that it may take two lines.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(room, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace ui
