#include "app/help_window.h"

#include "app/about.h"
#include "app/startup.h"
#include "gui/ui/diagram.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace app {

namespace {

const QString IndexPage = QStringLiteral("indice.html");
const QString AboutPage = QStringLiteral("acerca.html");

QString resourcePath(const QUrl &url)
{
    return QLatin1Char(':') + url.path();
}

// Draws the SVG pictures of the pages itself, at the screen's pixel ratio,
// so a diagram is as sharp on a 2× screen as in the windows; and puts the
// version into the pages, which would otherwise need a copy per release.
class HelpBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == QLatin1String("qrc") && type == QTextDocument::ImageResource
            && name.path().endsWith(QLatin1String(".svg")))
            return renderSvg(resourcePath(name));
        if (name.scheme() == QLatin1String("qrc") && type == QTextDocument::HtmlResource) {
            QFile page(resourcePath(name));
            if (!page.open(QIODevice::ReadOnly))
                return {};
            return QString::fromUtf8(page.readAll()).replace(QLatin1String("@VERSION@"), versionNumber());
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    QVariant renderSvg(const QString &path) const
    {
        QSvgRenderer renderer(ui::diagramSvg(path));
        if (!renderer.isValid())
            return {};
        const qreal ratio = devicePixelRatioF();
        QImage image(renderer.defaultSize() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        image.setDevicePixelRatio(ratio);
        return image;
    }
};

QPointer<HelpWindow> g_help;

} // namespace

QUrl helpPageUrl(const QString &page)
{
    // The pages of the language the windows speak (not of the number locale,
    // which may be another: de_DE numbers in a Spanish program).
    const QString folder = QFile::exists(QStringLiteral(":/help/%1/%2").arg(language(), IndexPage))
                               ? language()
                               : QStringLiteral("es");
    return QUrl(QStringLiteral("qrc:/help/%1/%2").arg(folder, page));
}

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent)
    , m_browser(new HelpBrowser(this))
    , m_back(new QPushButton(tr("Atrás"), this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowModality(Qt::ApplicationModal);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);

    auto *index = new QPushButton(tr("Índice"), this);
    auto *about = new QPushButton(tr("Acerca de Cuestaval"), this);
    about->setObjectName(QStringLiteral("AboutButton"));
    auto *close = new QPushButton(tr("Cerrar"), this);
    m_back->setEnabled(false);
    // Enter in the pages must not close the help as a default button would.
    for (QPushButton *button : {m_back, index, about, close})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(index);
    buttons->addWidget(about);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addLayout(buttons);

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(index, &QPushButton::clicked, this, [this] { m_browser->setSource(helpPageUrl(IndexPage)); });
    connect(about, &QPushButton::clicked, this, [this] { m_browser->setSource(helpPageUrl(AboutPage)); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::showTitle);

    resize(700, 620);
}

void HelpWindow::showPageFor(const QString &windowName)
{
    static const QStringList windows = {
        QStringLiteral("Form1"), QStringLiteral("Form2"), QStringLiteral("Form3"), QStringLiteral("Form4"),
        QStringLiteral("Form5"), QStringLiteral("Form6"), QStringLiteral("Form7"), QStringLiteral("Form8"),
        QStringLiteral("Form9"), QStringLiteral("Form10"), QStringLiteral("Form11"),
    };
    QString page = windows.contains(windowName) ? windowName.toLower() + QStringLiteral(".html") : IndexPage;
    if (windowName == QLatin1String("DataWindow"))
        page = QStringLiteral("datos.html");
    m_browser->setSource(helpPageUrl(page));
    // Back leads through the pages of this visit only.
    m_browser->clearHistory();
    m_browser->setFocus();
}

void HelpWindow::showTitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Ayuda de Cuestaval") : tr("Ayuda de Cuestaval: %1").arg(title));
}

void showHelp(QWidget *window)
{
    QWidget *owner = window ? window->window() : nullptr;
    // One help window for the whole program. It belongs to the window it
    // was last opened over, so it opens centred there and goes when the
    // windows go.
    if (!g_help)
        g_help = new HelpWindow(owner);
    else if (g_help->parentWidget() != owner)
        g_help->setParent(owner, g_help->windowFlags());
    g_help->showPageFor(owner ? owner->objectName() : QString());
    g_help->show();
    g_help->activateWindow();
}

HelpWindow *existingHelpWindow()
{
    return g_help.data();
}

} // namespace app
