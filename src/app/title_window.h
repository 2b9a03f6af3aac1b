#pragma once

#include "gui/ui/form_base.h"
#include "gui/ui/navigator.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QSvgWidget;
class QWidget;

// Pieces shared by the windows that only lead elsewhere (start, menu and the
// two title windows): the emblem, the credit lines and their big buttons.
namespace title {

QString makerCredit();
QString authorCredit();

// The emblem picture, stretched to 2040 × 1800 twips at Left, Top.
QSvgWidget *emblem(QWidget *parent, int left, int top);

// Where a title window puts its pieces, in twips.
struct Layout {
    const char *objectName;
    QString caption;
    QString title;          // the blue line, quotation marks included
    QPoint emblem;
    QRect maker;            // Label1
    QRect titleLabel;       // Label2
    QRect author;           // Label3
    QPoint salir;           // Command1
    QPoint continuar;       // Command2
    bool continuarFirst;    // first in the tab order
};

// The start window and the two title windows: emblem, maker credit, blue
// title, author credit, "Salir", which ends the program, and "Continuar",
// which goes on to the next window and has the focus when the window opens,
// whatever the tab order, so Space or Enter never ends the program by
// surprise. Fonts are Arial Unicode MS, bold italic.
class TitleWindow : public ui::FormBase
{
    Q_OBJECT

public:
    TitleWindow(const Layout &layout, ui::WindowId next, QWidget *parent = nullptr);

protected:
    void receiveValues(const QList<double> &values) override { m_values = values; }

private slots:
    void Command1_Click();
    void Command2_Click();

private:
    QSvgWidget *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *Command1;
    QPushButton *Command2;
    ui::WindowId m_next;
    // Handed on to the next window with "Continuar".
    QList<double> m_values;
};

} // namespace title
