#include "app/form1.h"

#include "app/title_window.h"
#include "ui/layout.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

Form1::Form1(QWidget *parent)
    : ui::FormBase(QStringLiteral("Ordovana."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form1"));
    const auto face = [](double points) {
        return ui::font({QStringLiteral("Arial Unicode MS"), points, true, true});
    };

    Image1 = title::emblem(this, 4560, 0);
    Label1 = title::label(this, "Label1", title::makerCredit(), 2160, 1920, 6855, 1695, face(21.75));
    Label2 = title::label(this, "Label2", QStringLiteral("\"Ordovana\""), 2040, 3960, 7095, 1335, face(26.25));
    ui::makeBlue(Label2);
    Label3 = title::label(this, "Label3", title::authorCredit(), 3120, 5640, 4815, 615, face(18));
    Command2 = title::button(this, "Command2", QStringLiteral("Continuar"), 7320, 6840, face(15.75));
    Command1 = title::button(this, "Command1", QStringLiteral("Salir"), 600, 6840, face(15.75));

    setTabOrder(Command2, Command1);
    Command2->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::Command1_Click()
{
    endProgram();
}

void Form1::Command2_Click()
{
    goTo(ui::WindowId::Form7);
}
