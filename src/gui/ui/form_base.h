#pragma once

#include "gui/ui/navigator.h"

#include <QWidget>

#include <functional>

class QIcon;

namespace ui {

// A window of the program: fixed client size given in twips, centred on the
// screen when shown, the program's icon. Its load rule runs once, when the
// navigator first creates it; the user's close goes to its unload rule.
class FormBase : public QWidget
{
    Q_OBJECT

public:
    FormBase(const QString &caption, int widthTwips, int heightTwips, QWidget *parent = nullptr);

    void load();
    bool isLoaded() const { return m_loaded; }
    void centreOnScreen();
    // The designed client size; the zoom turns it into pixels.
    QSize sizeTwips() const { return m_sizeTwips; }
    // Numbers handed over by the window the user comes from, as the user
    // goes to this one; a window that takes none ignores them.
    virtual void receiveValues(const QList<double> &values) { Q_UNUSED(values); }

protected:
    virtual void Form_Load() {}
    // Closing a window ends the program unless a window says otherwise.
    virtual void Form_Unload();

    void closeEvent(QCloseEvent *event) override;

    static void goTo(WindowId target, const QList<double> &values = {}) { navigator().goTo(target, values); }
    static void endProgram() { navigator().endProgram(); }

private:
    QSize m_sizeTwips;
    bool m_loaded = false;
};

// F1 in any window calls this with the window; the application installs the
// help window here at start-up, so the ui layer needs no part of it.
void setHelpHandler(std::function<void(QWidget *)> handler);

// The program's icon, loaded once.
const QIcon &programIcon();

} // namespace ui
