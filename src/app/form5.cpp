#include "app/form5.h"

#include "app/title_window.h"
#include "ui/layout.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

Form5::Form5(QWidget *parent)
    : ui::FormBase(QStringLiteral("Máquina de Atwood"), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form5"));
    const auto face = [](double points) {
        return ui::font({QStringLiteral("Arial Unicode MS"), points, true, true});
    };

    Image1 = title::emblem(this, 4440, 240);
    Label1 = title::label(this, "Label1", title::makerCredit(), 1920, 2280, 7215, 1935, face(21.75));
    // 600 twips wider than designed, about the same centre: at this size the
    // title needs some 5430 twips, and a narrower label wraps it out of sight.
    Label2 = title::label(this, "Label2", QStringLiteral("\"Máquina de Atwood\""), 2340, 4680, 5895, 615,
                          face(26.25));
    ui::makeBlue(Label2);
    Label3 = title::label(this, "Label3", title::authorCredit(), 2880, 5760, 4815, 615, face(18));
    Command1 = title::button(this, "Command1", QStringLiteral("Salir"), 720, 6720, face(15.75));
    Command2 = title::button(this, "Command2", QStringLiteral("Continuar"), 7320, 6720, face(15.75));

    setTabOrder(Command1, Command2);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
}

void Form5::Command1_Click()
{
    endProgram();
}

void Form5::Command2_Click()
{
    goTo(ui::WindowId::Form6);
}
