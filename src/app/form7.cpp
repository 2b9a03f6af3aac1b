#include "app/form7.h"

#include "app/title_window.h"
#include "gui/ui/layout.h"
#include "gui/window_id.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

Form7::Form7(QWidget *parent)
    : ui::FormBase(QStringLiteral("Tramontel."), 10875, 8190, parent)
{
    setObjectName(QStringLiteral("Form7"));

    Image1 = title::emblem(this, 4560, 0);
    Label1 = ui::centredLabel(this, "Label1", title::makerCredit(), ui::font({QStringLiteral("Arial"), 21.75, true}),
                              2640, 1920, 5895, 1575);
    Label2 = ui::centredLabel(this, "Label2", QStringLiteral(" \"Tramontel\""),
                              ui::font({QStringLiteral("Arial Narrow"), 21.75, true, true}), 1440, 3960, 7935, 1095);
    ui::makeBlue(Label2);
    //: Author credit: "Prof." abbreviates "Profesor" (teacher)
    Label3 = ui::centredLabel(this, "Label3", tr("Prof. de Física · Mecánica Clásica"),
                              ui::font({QStringLiteral("Arial"), 15.75, true}), 1440, 5400, 7815, 375);
    const QFont menuFont = ui::font({QStringLiteral("Arial"), 12, true});
    Command1 = ui::pushButton(this, "Command1", QStringLiteral("Cuestaval"), menuFont, 480, 6240, 2655, 735);
    Command2 = ui::pushButton(this, "Command2", tr("Plano Horizontal"), menuFont, 4080, 6240, 2655, 735);
    Command3 = ui::pushButton(this, "Command3", tr("Máquina de Atwood"), menuFont, 7680, 6240, 2655, 735);
    // The practice and "Salir" share the row below, centred under the
    // problems with the same gap between them.
    //: Button: opens the practice window, which poses problems to solve
    Command5 = ui::pushButton(this, "Command5", tr("Ejercicios"), menuFont, 2280, 7200, 2655, 735);
    //: Button: ends the program
    Command4 = ui::pushButton(this, "Command4", tr("Salir"), menuFont, 5880, 7200, 2655, 735);

    ui::setTabChain({Command1, Command2, Command3, Command5, Command4});
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form7::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form7::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form7::Command5_Click);
}

void Form7::Command1_Click()
{
    ui::navigator().goTo(ui::WindowId::Form8);
}

void Form7::Command2_Click()
{
    ui::navigator().goTo(ui::WindowId::Form9);
}

void Form7::Command3_Click()
{
    ui::navigator().goTo(ui::WindowId::Form10);
}

void Form7::Command4_Click()
{
    ui::navigator().endProgram();
}

void Form7::Command5_Click()
{
    ui::navigator().goTo(ui::WindowId::Form11);
}
