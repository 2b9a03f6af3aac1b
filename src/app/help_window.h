#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace app {

// The help: pages of HTML compiled into the program, one per window, with
// links between them. F1 opens it over the window in use on that window's
// page; Esc or "Cerrar" closes it. It is modal, so the page always speaks of
// the window behind it, and it is not one of the ten windows: the navigator
// neither knows nor counts it.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The page that explains a window of the program, by its object name
    // ("Form8"); any other name gives the index.
    void showPageFor(const QString &windowName);
    QTextBrowser *browser() const { return m_browser; }

private:
    void showTitle();

    QTextBrowser *m_browser;
    QPushButton *m_back;
};

// Where the pages are: a folder per language, Spanish when the user's
// language has none. `page` is a file name such as "form8.html".
QUrl helpPageUrl(const QString &page);

// Opens the program's one help window over `window` on its page. The
// application installs this as the ui layer's F1 handler.
void showHelp(QWidget *window);

// The help window once it has been opened, otherwise nullptr.
HelpWindow *existingHelpWindow();

} // namespace app
