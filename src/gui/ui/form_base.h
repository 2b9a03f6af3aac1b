#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QIcon;

namespace ui {

// A window of the program: fixed client size given in twips, centred on the
// screen when shown, the program's icon. Its load rule runs once, when the
// navigator first creates it; the user's close goes to its unload rule, then
// to whoever listens to closed() (the navigator ends the program).
class FormBase : public QWidget
{
    Q_OBJECT

public:
    FormBase(const QString &caption, int widthTwips, int heightTwips, QWidget *parent = nullptr);

    void load();
    bool isLoaded() const { return m_loaded; }
    // Numbers handed over by the window the user comes from, as the user
    // goes to this one; a window that takes none ignores them.
    virtual void receiveValues(const QList<double> &values) { Q_UNUSED(values); }

signals:
    // The user closed the window, after its unload rule ran.
    void closed();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent *event) override;

private:
    bool m_loaded = false;
};

// F1 in any window calls this with the window; the application installs the
// help window here at start-up, so the ui layer needs no part of it.
void setHelpHandler(std::function<void(QWidget *)> handler);
// F1 in `window`, which is not a FormBase (those have it), calls the handler.
void addHelpKey(QWidget *window);

// The program's icon, loaded once.
const QIcon &programIcon();

} // namespace ui
