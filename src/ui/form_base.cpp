#include "ui/form_base.h"

#include "ui/accessibility.h"
#include "ui/layout.h"

#include <QCloseEvent>
#include <QIcon>
#include <QScreen>

namespace ui {

const QIcon &programIcon()
{
    static const QIcon icon(QStringLiteral(":/assets/icon.svg"));
    return icon;
}

FormBase::FormBase(const QString &caption, int widthTwips, int heightTwips, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setFixedSize(qRound(twipsToPixels(widthTwips)), qRound(twipsToPixels(heightTwips)));
}

void FormBase::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    nameFieldsAfterTheirCaptions(this);
    Form_Load();
}

void FormBase::centreOnScreen()
{
    const QScreen *target = screen();
    if (!target)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(target->availableGeometry().center());
    move(frame.topLeft());
}

void FormBase::Form_Unload()
{
    endProgram();
}

void FormBase::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

} // namespace ui
