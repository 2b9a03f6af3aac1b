#include "gui/problems/form8.h"

#include "core/problems/inclined_plane_cases.h"
#include "core/simulations/inclined_plane_simulation.h"
#include "gui/problems/problem_window.h"
#include "gui/problems/worked_solution.h"
#include "gui/ui/layout.h"
#include "gui/window_id.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

Form8::Form8(QWidget *parent)
    : ui::FormBase(QStringLiteral("Cuestaval."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form8"));

    using namespace solvers;
    Picture1 = diagram(this, QStringLiteral(":/assets/inclined_plane_diagram.svg"),
                       tr("Bloque sobre un plano inclinado un ángulo θ, con su peso m g descompuesto en "
                          "m g sen θ y m g cos θ, la fuerza Normal y la fricción fr."),
                       3840, 480, 3675, 2430);
    Check2 = givenBox(this, "Check2", tr("Ángulo"), 360, 3840, 1575, 375);
    Text2 = valueField(this, "Text2", 4200, 3840, 2055, 405);
    //: The check box of μ; it may be shortened to fit (its full form is the one of the messages).
    Check3 = givenBox(this, "Check3", tr("Coeficiente de fricción"), 360, 4560, 3135, 375);
    Text3 = valueField(this, "Text3", 4200, 4560, 2055, 375);
    Check1 = givenBox(this, "Check1", tr("Aceleración"), 360, 5400, 1935, 375);
    Text1 = valueField(this, "Text1", 4200, 5400, 2055, 375);
    //: Button verb: solve the problem for the unknown fields.
    Command1 = ui::pushButton(this, "Command1", tr("Resolver"), buttonFont(), 1560, 6600, 2895, 855);
    //: Button verb: go back to the menu.
    Command2 = ui::pushButton(this, "Command2", tr("Regresar"), buttonFont(), 6720, 6600, 2895, 855);

    // The way into the simulation of the same problem, beside the diagram.
    Command3 = ui::pushButton(this, "Command3", tr("Simulación"), buttonFont(), 7800, 480, 2895, 855);
    Command4 = workedSolutionButton(this, buttonFont(), 7800, 1455, 2895, 855);

    const QStringList caption = inclined::captions();
    // A caption shortened to fit keeps its full form for screen readers.
    Check3->setAccessibleName(caption.at(inclined::Friction));
    unitLabel(this, "Label2", Text1, caption.at(inclined::Acceleration),
              {QStringLiteral("m/s²"), tr("en metros por segundo al cuadrado")}, 600);
    unitLabel(this, "Label3", Text2, caption.at(inclined::Angle), {QStringLiteral("°"), tr("en grados")}, 300);
    unitLabel(this, "Label4", Text3, caption.at(inclined::Friction), {QString(), tr("sin unidades")}, 0);

    // Three lines: the decimal comma and a hint under it.
    Label1 = addNoteLine(this, inclined::GivenBoxes, {Check1, Check2, Check3}, {Text1, Text2, Text3}, 6840, 4200, 3735,
                         1095);
    pressOnEnter({Text1, Text2, Text3}, Command1);
    ui::setTabChain({Text1, Text2, Text3, Check1, Check2, Check3, Command2, Command1, Command3, Command4});
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form8::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form8::Command4_Click);
}

void Form8::Command1_Click()
{
    const solvers::Outcome outcome =
        solvers::resolve(this, {Check1, Check2, Check3}, {Text1, Text2, Text3}, &solvers::inclined::solve, Label1);
    m_working = outcome.working;
    Command4->setEnabled(!m_working.isEmpty());

    // The simulation gets the angle and μ of the last press as the student
    // reads them in the fields, also where friction holds the block.
    using namespace solvers::inclined;
    m_forSimulation = solvers::forSimulation(outcome, {Angle, Friction}, simulation::InclinedPlane().bars());
}

void Form8::Command4_Click()
{
    solvers::showWorkedSolution(this, {tr("Plano inclinado"), QStringLiteral(":/assets/inclined_plane_diagram.svg"),
                                       m_working});
}

void Form8::Command2_Click()
{
    ui::navigator().goTo(ui::WindowId::Form7);
}

void Form8::Command3_Click()
{
    ui::navigator().goTo(ui::WindowId::Form2, std::exchange(m_forSimulation, {}));
}
