#include "solvers/form8.h"

#include "solvers/inclined_plane_cases.h"
#include "solvers/problem_window.h"
#include "ui/layout.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

namespace {

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, int left, int top, int width)
{
    auto *box = ui::makeControl<QCheckBox>(parent, name);
    box->setText(caption);
    box->setFont(solvers::fieldFont());
    ui::place(box, left, top, width, 375);
    return box;
}

QLineEdit *field(QWidget *parent, const char *name, int top, int height)
{
    auto *edit = ui::makeControl<QLineEdit>(parent, name);
    edit->setText(QStringLiteral("0"));
    edit->setFont(solvers::fieldFont());
    ui::place(edit, 4200, top, 2055, height);
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *button = ui::makeControl<QPushButton>(parent, name);
    button->setText(caption);
    button->setFont(solvers::buttonFont());
    ui::place(button, left, top, 2895, 855);
    return button;
}

} // namespace

Form8::Form8(QWidget *parent)
    : ui::FormBase(QStringLiteral("Cuestaval."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form8"));

    Picture1 = ui::makeControl<QSvgWidget>(this, "Picture1");
    Picture1->load(QStringLiteral(":/assets/inclined_plane_diagram.svg"));
    ui::place(Picture1, 3840, 480, 3675, 2430);

    Check2 = checkBox(this, "Check2", QStringLiteral("Ángulo"), 360, 3840, 1575);
    Text2 = field(this, "Text2", 3840, 405);
    Check3 = checkBox(this, "Check3", QStringLiteral("Coeficiente de fricción"), 360, 4560, 3135);
    Text3 = field(this, "Text3", 4560, 375);
    Check1 = checkBox(this, "Check1", QStringLiteral("Aceleración"), 360, 5400, 1935);
    Text1 = field(this, "Text1", 5400, 375);
    solvers::addDecimalCommaNote(this, 6840, 4200, 3735, 615);
    Command1 = button(this, "Command1", QStringLiteral("Resolver"), 1560, 6600);
    Command2 = button(this, "Command2", QStringLiteral("Regresar"), 6720, 6600);
    // The way into the simulation of the same problem, beside the diagram.
    Command3 = button(this, "Command3", QStringLiteral("Simulación"), 7800, 480);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Check1);
    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Check3);
    setTabOrder(Check3, Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Command3);
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form8::Command3_Click);
}

void Form8::Command1_Click()
{
    const QList<QLineEdit *> fields{Text1, Text2, Text3};
    const solvers::Problem problem = solvers::readProblem({Check1, Check2, Check3}, fields);
    solvers::showOutcome(this, solvers::inclined::solve(problem), fields);
}

void Form8::Command2_Click()
{
    goTo(ui::WindowId::Form7);
}

void Form8::Command3_Click()
{
    goTo(ui::WindowId::Form2);
}
