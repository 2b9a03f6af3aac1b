#include "gui/problems/form10.h"

#include "core/problems/atwood_cases.h"
#include "core/simulations/atwood_simulation.h"
#include "gui/problems/problem_window.h"
#include "gui/problems/worked_solution.h"
#include "gui/ui/layout.h"
#include "gui/window_id.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

Form10::Form10(QWidget *parent)
    : ui::FormBase(tr("Máquina de Atwood."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form10"));

    using namespace solvers;
    using namespace solvers::atwood;
    const QStringList caption = captions();
    Picture1 = diagram(this, QStringLiteral(":/assets/atwood_diagram.svg"),
                       tr("Máquina de Atwood: una polea con una cuerda de cuyos extremos cuelgan los "
                          "bloques m1 y m2, con la tensión T hacia arriba y los pesos m1 g y m2 g hacia abajo."),
                       4080, 360, 2385, 2700);
    Check1 = givenBox(this, "Check1", caption.at(Mass1), 1800, 3840, 1455, 495);
    Text1 = valueField(this, "Text1", 4200, 3840, 2055, 495);
    Check2 = givenBox(this, "Check2", caption.at(Mass2), 1800, 4680, 1575, 495);
    Text2 = valueField(this, "Text2", 4200, 4680, 2055, 495);
    Check3 = givenBox(this, "Check3", caption.at(Acceleration), 1800, 5640, 1815, 495);
    Text3 = valueField(this, "Text3", 4200, 5640, 2055, 495);
    Check4 = givenBox(this, "Check4", caption.at(Tension), 1800, 6480, 1695, 495);
    Text4 = valueField(this, "Text4", 4200, 6480, 2055, 525);
    //: Button verb: solve the problem for the unknown fields.
    Command1 = ui::pushButton(this, "Command1", tr("Resolver"), fieldFont(), 7440, 5400, 2295, 615);
    //: Button verb: go back to the menu.
    Command2 = ui::pushButton(this, "Command2", tr("Regresar"), fieldFont(), 7440, 6480, 2295, 615);
    // The way into the simulation of the same problem, beside the diagram.
    Command3 = ui::pushButton(this, "Command3", tr("Simulación"), fieldFont(), 7440, 360, 2295, 615);
    Command4 = workedSolutionButton(this, fieldFont(), 7440, 1095, 2295, 615);
    // The note and the buttons leave room for "kg" and "N" beside their
    // rows, and for "m/s²" on the row of the acceleration.
    unitLabel(this, "Label2", Text1, caption.at(Mass1), {QStringLiteral("kg"), tr("en kilogramos")}, 390);
    unitLabel(this, "Label3", Text2, caption.at(Mass2), {QStringLiteral("kg"), tr("en kilogramos")}, 390);
    unitLabel(this, "Label4", Text3, caption.at(Acceleration),
              {QStringLiteral("m/s²"), tr("en metros por segundo al cuadrado")}, 600);
    unitLabel(this, "Label5", Text4, caption.at(Tension), {QStringLiteral("N"), tr("en newtons")}, 390);

    // Three lines: the decimal comma and a hint under it.
    Label1 = addNoteLine(this, GivenBoxes, {Check1, Check2, Check3, Check4}, {Text1, Text2, Text3, Text4}, 6720, 3840,
                         3735, 1095);
    pressOnEnter({Text1, Text2, Text3, Text4}, Command1);
    ui::setTabChain(
        {Check1, Check2, Check3, Check4, Text1, Text2, Text3, Text4, Command1, Command2, Command3, Command4});
    Check1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form10::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form10::Command4_Click);
}

void Form10::Command1_Click()
{
    const solvers::Outcome outcome =
        solvers::resolve(this, {Check1, Check2, Check3, Check4}, {Text1, Text2, Text3, Text4}, &solvers::atwood::solve,
                         Label1);
    m_working = outcome.working;
    Command4->setEnabled(!m_working.isEmpty());

    // "Simulación" shows the masses of the last press that solved or ended
    // in a message about them; after a press that found no case, or a
    // message with a mass not given, the simulation opens as it was left. It
    // takes the masses as they read here, so a note there speaks of the
    // numbers the student sees in this window.
    using namespace solvers::atwood;
    m_forSimulation = solvers::forSimulation(outcome, {Mass1, Mass2}, simulation::AtwoodMachine().bars());
}

void Form10::Command4_Click()
{
    solvers::showWorkedSolution(this, {tr("Máquina de Atwood"), QStringLiteral(":/assets/atwood_diagram.svg"),
                                       m_working});
}

void Form10::Command2_Click()
{
    ui::navigator().goTo(ui::WindowId::Form7);
}

void Form10::Command3_Click()
{
    ui::navigator().goTo(ui::WindowId::Form5, std::exchange(m_forSimulation, {}));
}
