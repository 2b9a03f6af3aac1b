#include "gui/problems/form9.h"

#include "core/problems/horizontal_plane_cases.h"
#include "core/simulations/horizontal_plane_simulation.h"
#include "gui/problems/problem_window.h"
#include "gui/problems/worked_solution.h"
#include "gui/ui/layout.h"
#include "gui/window_id.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

Form9::Form9(QWidget *parent)
    : ui::FormBase(tr("Plano Horizontal."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form9"));

    using namespace solvers;
    using namespace solvers::horizontal;
    const QStringList caption = captions();
    Picture1 = diagram(this, QStringLiteral(":/assets/horizontal_plane_diagram.svg"),
                       tr("Bloque m1 sobre una mesa con las fuerzas N, fr, T y m1 g, unido por una cuerda "
                          "que pasa por una polea al bloque colgante m2, con las fuerzas T y m2 g."),
                       3240, 600, 4275, 2760);
    Check1 = givenBox(this, "Check1", caption.at(Mass1), 600, 4320, 2295, 375);
    Text1 = valueField(this, "Text1", 4320, 4200, 1815, 375);
    Check2 = givenBox(this, "Check2", caption.at(Mass2), 600, 5040, 2295, 375);
    Text2 = valueField(this, "Text2", 4320, 4920, 1815, 375);
    //: The check box of μ; it may be shortened to fit (its full form is the one of the messages).
    // As tall as the boxes above it: 255 twips cut the descender of a caption
    // such as "Coeficient de fregament" at 200 %.
    Check3 = givenBox(this, "Check3", tr("Coeficiente de fricción"), 600, 5760, 3135, 375);
    // A caption shortened to fit keeps its full form for screen readers.
    Check3->setAccessibleName(caption.at(Friction));
    Text3 = valueField(this, "Text3", 4320, 5640, 1815, 375);
    Check4 = givenBox(this, "Check4", caption.at(Acceleration), 600, 6360, 2295, 375);
    Text4 = valueField(this, "Text4", 4320, 6360, 1815, 375);
    Check5 = givenBox(this, "Check5", caption.at(Tension), 600, 7080, 2055, 255);
    Text5 = valueField(this, "Text5", 4320, 7080, 1815, 375);
    //: Button verb: solve the problem for the unknown fields.
    Command1 = ui::pushButton(this, "Command1", tr("Resolver"), fieldFont(), 7320, 5520, 2655, 735);
    //: Button verb: go back to the menu.
    Command2 = ui::pushButton(this, "Command2", tr("Regresar"), fieldFont(), 7320, 6600, 2655, 615);
    // The way into the simulation of the same problem, beside the diagram.
    Command3 = ui::pushButton(this, "Command3", tr("Simulación"), fieldFont(), 7800, 600, 2655, 735);
    Command4 = workedSolutionButton(this, fieldFont(), 7800, 1455, 2655, 735);
    unitLabel(this, "Label2", Text1, caption.at(Mass1), {QStringLiteral("kg"), tr("en kilogramos")}, 480);
    unitLabel(this, "Label3", Text2, caption.at(Mass2), {QStringLiteral("kg"), tr("en kilogramos")}, 480);
    unitLabel(this, "Label4", Text3, caption.at(Friction), {QString(), tr("sin unidades")}, 0);
    unitLabel(this, "Label5", Text4, caption.at(Acceleration),
              {QStringLiteral("m/s²"), tr("en metros por segundo al cuadrado")}, 900);
    unitLabel(this, "Label6", Text5, caption.at(Tension), {QStringLiteral("N"), tr("en newtons")}, 480);

    Label1 = addNoteLine(this, GivenBoxes, {Check1, Check2, Check3, Check4, Check5}, {Text1, Text2, Text3, Text4, Text5},
                         6720, 4200, 3855, 975);
    pressOnEnter({Text1, Text2, Text3, Text4, Text5}, Command1);
    ui::setTabChain({Text1, Text2, Text3, Text4, Text5, Check1, Check2, Check3, Check4, Check5, Command1, Command2,
                     Command3, Command4});
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form9::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form9::Command4_Click);
}

void Form9::Command1_Click()
{
    const solvers::Outcome outcome = solvers::resolve(this, {Check1, Check2, Check3, Check4, Check5},
                                                      {Text1, Text2, Text3, Text4, Text5}, &solvers::horizontal::solve,
                                                      Label1);
    m_working = outcome.working;
    Command4->setEnabled(!m_working.isEmpty());
    // The simulation shows the last problem solved, or the one a message
    // spoke of; a press that found nothing leaves it as the student left it.
    // The values go as the fields show them, so a note about rounding speaks
    // of the numbers on screen.
    using namespace solvers::horizontal;
    m_forSimulation =
        solvers::forSimulation(outcome, {Mass1, Mass2, Friction}, simulation::HorizontalPlane().bars());
}

void Form9::Command4_Click()
{
    solvers::showWorkedSolution(this, {tr("Plano horizontal"),
                                       QStringLiteral(":/assets/horizontal_plane_diagram.svg"), m_working});
}

void Form9::Command2_Click()
{
    ui::navigator().goTo(ui::WindowId::Form7);
}

void Form9::Command3_Click()
{
    // Through the title window, which hands them on.
    ui::navigator().goTo(ui::WindowId::Form4, std::exchange(m_forSimulation, {}));
}
