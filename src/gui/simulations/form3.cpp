#include "gui/simulations/form3.h"

#include "core/simulations/horizontal_plane_simulation.h"
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

// The result column uses some of the free space before the picture so that
// "No solución" fits inside its frame. With their units after them, the
// labels, the fields and the picture stand a little to the left, left and
// right of where they were laid out.
constexpr int ResultWidth = 1260;
constexpr int LabelLeft = 120;
constexpr int ResultLeft = 1785;
constexpr int PictureLeft = 3720;

QFont windowFont()
{
    return ui::font({QStringLiteral("@Arial Unicode MS"), 9.75, true});
}

} // namespace

Form3::Form3(QWidget *parent)
    : SimulationWindow(std::make_unique<simulation::HorizontalPlane>(), tr("Plano Horizontal."), parent)
{
    setObjectName(QStringLiteral("Form3"));
    const QFont face = windowFont();

    Label1 = ui::centredLabel(this, "Label1", tr("Masa del Bloque 1"), face, 360, 240, 1935, 375);
    HScroll1 = makeBar("HScroll1", 0, 2520, 240, 1335, 375);
    Text1 = ui::lineField(this, "Text1", face, 4200, 240, 1095, 375);
    Label2 = ui::centredLabel(this, "Label2", tr("Masa del Bloque 2"), face, 360, 960, 1935, 375);
    HScroll2 = makeBar("HScroll2", 1, 2520, 960, 1335, 375);
    Text2 = ui::lineField(this, "Text2", face, 4200, 960, 1095, 375);
    Label3 = ui::centredLabel(this, "Label3", tr("Coeficiente de fricción"), face, 5640, 480, 1695, 615);
    HScroll3 = makeBar("HScroll3", 2, 7680, 600, 1335, 375);
    Text3 = ui::lineField(this, "Text3", face, 9360, 600, 975, 375);
    Label5 = ui::centredLabel(this, "Label5", tr("Aceleración de los Bloques"), face, LabelLeft, 1680, 1575, 495);
    Text5 = ui::lineField(this, "Text5", face, ResultLeft, 1680, ResultWidth, 375);
    Label4 = ui::centredLabel(this, "Label4", tr("Tiempo de Simulación"), face, LabelLeft, 2640, 1575, 495);
    Text4 = ui::lineField(this, "Text4", face, ResultLeft, 2640, ResultWidth, 375);
    //: Label of the distance the blocks have moved
    Label6 = ui::centredLabel(this, "Label6", tr("Distancia"), face, LabelLeft, 3600, 1575, 375);
    Text6 = ui::lineField(this, "Text6", face, ResultLeft, 3600, ResultWidth, 375);
    //: Label: the tension in the cord
    Label7 = ui::centredLabel(this, "Label7", tr("Tensión"), face, LabelLeft, 4560, 1575, 375);
    Text7 = ui::lineField(this, "Text7", face, ResultLeft, 4560, ResultWidth, 375);
    unitAfter(Text1, "Label10", Label1->text(), QStringLiteral("kg"));
    unitAfter(Text2, "Label11", Label2->text(), QStringLiteral("kg"));
    unitAfter(Text5, "Label12", Label5->text(), QStringLiteral("m/s²"));
    unitAfter(Text4, "Label13", Label4->text(), QStringLiteral("s"));
    unitAfter(Text6, "Label14", Label6->text(), QStringLiteral("m"));
    unitAfter(Text7, "Label15", Label7->text(), QStringLiteral("N"));
    Command1 = ui::pushButton(this, "Command1", tr("Iniciar Movimiento"), face, 600, 5160, 2295, 615);
    Command3 = ui::pushButton(this, "Command3", tr("Detener Movimiento"), face, 600, 6120, 2295, 615);
    //: Button: goes back to the problem window
    Command2 = ui::pushButton(this, "Command2", tr("Regresar"), face, 600, 7080, 2295, 615);
    // The additions go where the layout leaves room: the button above the
    // friction bar with "Ampliar dibujo" beside it, the note between the
    // friction bar and the picture, the gravity under the picture's right
    // end, like a caption of the scene.
    Command4 = ui::pushButton(this, "Command4", tr("Datos y gráficas"), face, 7800, 60, 2535, 420);
    Check1 = enlargeBox(face, 5640, 60, 2100, 420);
    QFont plain = face;
    plain.setBold(false);
    // Two lines: one value off its bar fits easily, three clipped do not.
    Label9 = ui::makeControl<run_data::NoteLabel>(this, "Label9");
    Label9->setFont(plain);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label9->setAccessibleName(tr("Valores del problema"));
    ui::place(Label9, 5640, 1110, 5115, 540);
    ui::makeBlue(Label9);
    Label8 = ui::centredLabel(this, "Label8", run_data::simulationGravityText(), face, PictureLeft + 4200, 7710, 2880,
                              270);
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Picture1 = ui::makeControl<ui::PictureBox>(this, "Picture1");
    //: Accessible name of the animated picture
    ui::describePicture(Picture1, tr("Simulación"),
                        tr("La mesa con el bloque 1, la polea y el bloque 2 que cuelga, con las tensiones, la fricción y el peso a escala. Durante el movimiento deja marcas cada 0,1 s."));
    Picture1->setFocusPolicy(Qt::TabFocus);
    ui::place(Picture1, PictureLeft, 1680, 7080, 6000);

    ui::setTabChain({Picture1, HScroll1, HScroll2, HScroll3, Command1, Text1, Text2, Text3, Text4, Text5, Command2,
                     Text6, Command3, Text7, Command4, Check1});
    Picture1->setFocus();

    takeControls({{HScroll1, HScroll2, HScroll3}, {Text1, Text2, Text3, Text4, Text5, Text6, Text7}, Command1, Command3,
                  Command2, Command4, Check1, Picture1, Label9,
                  //: The simulation's name: data window title, file names
                  tr("Plano horizontal")});
}
