#include "app/form4.h"

#include "app/title_window.h"
#include "ui/layout.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

Form4::Form4(QWidget *parent)
    : ui::FormBase(QStringLiteral("Segunda Ley de Newton."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form4"));
    const auto face = [](double points) {
        return ui::font({QStringLiteral("Arial Unicode MS"), points, true, true});
    };

    Image1 = title::emblem(this, 4320, 0);
    Label1 = title::label(this, "Label1", title::makerCredit(), 2040, 2040, 7215, 1935, face(21.75));
    Label2 = title::label(this, "Label2", QStringLiteral("\"Segunda Ley de Newton\""), 2040, 4440, 7335, 735,
                          face(26.25));
    ui::makeBlue(Label2);
    Label3 = title::label(this, "Label3", title::authorCredit(), 2880, 5640, 4815, 615, face(18));
    Command1 = title::button(this, "Command1", QStringLiteral("Salir"), 720, 6600, face(15.75));
    Command2 = title::button(this, "Command2", QStringLiteral("Continuar"), 7320, 6600, face(15.75));

    setTabOrder(Command1, Command2);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
}

void Form4::Command1_Click()
{
    endProgram();
}

void Form4::Command2_Click()
{
    goTo(ui::WindowId::Form3);
}
