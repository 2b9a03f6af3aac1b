#include "gui/ui/form_base.h"

#include "gui/ui/accessibility.h"
#include "gui/ui/layout.h"
#include "gui/ui/zoom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QSvgRenderer>


namespace ui {

// Drawn from the SVG here rather than handed to QIcon as a file name: that
// would load the SVG icon-engine plugin, a few milliseconds of start-up for
// an icon that only ever shows at these sizes.
const QIcon &programIcon()
{
    static const QIcon icon = [] {
        QSvgRenderer renderer(QStringLiteral(":/assets/icon.svg"));
        QIcon drawn;
        for (int size : {16, 24, 32, 48, 64}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
            painter.end();
            drawn.addPixmap(pixmap);
        }
        return drawn;
    }();
    return icon;
}

namespace {
std::function<void(QWidget *)> &helpHandler()
{
    static std::function<void(QWidget *)> handler;
    return handler;
}
} // namespace

void setHelpHandler(std::function<void(QWidget *)> handler)
{
    helpHandler() = std::move(handler);
}

void addHelpKey(QWidget *window)
{
    // A window's shortcuts also answer in the tool windows it owns (the data
    // window), so F1 there matches twice and comes as ambiguous: either way
    // the help is for the window the user is in.
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    const auto showHelp = [window] {
        QWidget *target = window;
        for (QWidget *owner = QApplication::activeWindow(); owner; owner = owner->parentWidget()) {
            if (owner == window)
                target = QApplication::activeWindow();
        }
        if (helpHandler())
            helpHandler()(target);
    };
    QObject::connect(help, &QShortcut::activated, window, showHelp);
    QObject::connect(help, &QShortcut::activatedAmbiguously, window, showHelp);
}

FormBase::FormBase(const QString &caption, int widthTwips, int heightTwips, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setDesignSize(this, QSize(widthTwips, heightTwips));
    addHelpKey(this);
}

void FormBase::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    nameFieldsAfterTheirCaptions(this);
    Form_Load();
}

void FormBase::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
    emit closed();
}

} // namespace ui
