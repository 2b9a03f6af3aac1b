#include "gui/simulations/form2.h"

#include "core/simulations/inclined_plane_simulation.h"
#include "core/simulations/run_table.h"
#include "gui/simulations/note_label.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/layout.h"
#include "gui/ui/picture_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

QFont controlFont()
{
    return ui::font({QStringLiteral("Arial Unicode MS"), 9.75, true});
}

// The fields beside the bars take a typed value; the others only show
// results.
QLineEdit *field(QWidget *parent, const char *name, int left, int top, int width,
                 ui::FieldUse use = ui::FieldUse::Output)
{
    return ui::lineField(parent, name, controlFont(), left, top, width, 375, use);
}

// The column of results, moved left of where it was laid out so that the
// units fit between it and the picture.
constexpr int ResultLeft = 2040;

} // namespace

Form2::Form2(QWidget *parent)
    : SimulationWindow(std::make_unique<simulation::InclinedPlane>(), QStringLiteral("Cuestaval."), parent)
{
    setObjectName(QStringLiteral("Form2"));

    Label1 = ui::centredLabel(this, "Label1", tr("Ángulo de Inclinación"), controlFont(), 360, 360, 1575, 495);
    HScroll1 = makeBar("HScroll1", 0, 2280, 360, 1215, 375);
    Text1 = field(this, "Text1", 3960, 360, 1215, ui::FieldUse::Input);
    Label2 = ui::centredLabel(this, "Label2", tr("Coeficiente de Fricción"), controlFont(), 5640, 240, 1695, 495);
    HScroll2 = makeBar("HScroll2", 1, 7680, 360, 1215, 375);
    Text2 = field(this, "Text2", 9240, 360, 1215, ui::FieldUse::Input);
    Label3 = ui::centredLabel(this, "Label3", tr("Aceleración del Bloque"), controlFont(), 240, 1560, 1695, 495);
    Text3 = field(this, "Text3", ResultLeft, 1560, 1695);
    Label4 = ui::centredLabel(this, "Label4", tr("Tiempo de Deslizamiento"), controlFont(), 240, 2400, 1695, 495);
    Text4 = field(this, "Text4", ResultLeft, 2400, 1095);
    // As tall as the other labels of the column: the caption takes two lines.
    Label5 = ui::centredLabel(this, "Label5", tr("Distancia Recorrida"), controlFont(), 360, 3360, 1575, 495);
    Text5 = field(this, "Text5", ResultLeft, 3360, 1095);
    unitAfter(Text1, "Label8", Label1->text(), QStringLiteral("°"));
    unitAfter(Text3, "Label9", Label3->text(), QStringLiteral("m/s²"));
    unitAfter(Text4, "Label10", Label4->text(), QStringLiteral("s"));
    unitAfter(Text5, "Label11", Label5->text(), QStringLiteral("m"));
    // The buttons closer together than laid out, so that "Ampliar dibujo"
    // fits under "Datos y gráficas".
    Command1 = ui::pushButton(this, "Command1", tr("Iniciar Movimiento"), controlFont(), 600, 4440, 2655, 615);
    Command3 = ui::pushButton(this, "Command3", tr("Detener Movimiento"),
                              ui::font({QStringLiteral("@Arial Unicode MS"), 9.75, true}), 600, 5235, 2655, 615);
    //: Button: goes back to the problem window
    Command2 = ui::pushButton(this, "Command2", tr("Regresar"), controlFont(), 600, 6030, 2655, 615);
    Command4 = ui::pushButton(this, "Command4", tr("Datos y gráficas"), controlFont(), 600, 6825, 2655, 615);
    Check1 = enlargeBox(controlFont(), 600, 7530, 2655, 375);
    // In the free band between the bars and the picture, the width of the
    // window: two lines, for the rounding of a problem's values and its g.
    Label6 = ui::makeControl<run_data::NoteLabel>(this, "Label6");
    Label6->setFont(controlFont());
    ui::centre(Label6);
    ui::place(Label6, 240, 855, 10395, 645);
    ui::makeBlue(Label6);
    // Named even while empty and hidden; a reader gets the note itself as
    // its description.
    Label6->setAccessibleName(tr("Valores del problema"));
    // Above the buttons, under the column of results it applies to.
    Label7 = ui::centredLabel(this, "Label7", run_data::simulationGravityText(), controlFont(), 240, 3960, 3735, 375);

    Picture1 = ui::makeControl<ui::PictureBox>(this, "Picture1");
    //: Accessible name of the animated picture
    ui::describePicture(Picture1, tr("Simulación"),
                        tr("El plano inclinado con el bloque y sus fuerzas: peso, sus componentes, normal y fricción, a escala. Durante el movimiento deja marcas cada 0,1 s en las franjas izquierda e inferior."));
    ui::place(Picture1, 4440, 1560, 6000, 6000);

    ui::setTabChain(
        {HScroll1, Text1, Command1, HScroll2, Text2, Command2, Text3, Text4, Text5, Command3, Command4, Check1});
    HScroll1->setFocus();

    takeControls({{HScroll1, HScroll2}, {Text1, Text2, Text3, Text4, Text5}, Command1, Command3, Command2, Command4,
                  Check1, Picture1, Label6,
                  //: The simulation's name: data window title, file names
                  tr("Plano inclinado")});
}
