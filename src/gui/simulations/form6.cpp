#include "gui/simulations/form6.h"

#include "core/simulations/atwood_simulation.h"
#include "core/simulations/run_table.h"
#include "gui/simulations/note_label.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/layout.h"
#include "gui/ui/picture_box.h"
#include "gui/ui/wrapping_button.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString FaceName = QStringLiteral("@Arial Unicode MS");

QFont controlFont()
{
    return ui::font({FaceName, 9.75, true});
}

// The fields of the masses, as designed.
constexpr int MassFieldWidth = 1095;
// The column of results is wider than designed (1095 twips) so that "No hay
// solución" shows whole, and stands further left, so that its units fit
// before the picture.
constexpr int ResultFieldWidth = 1620;
constexpr int ResultLeft = 2520;
// The controls stand lower than laid out, and the picture a little, so that
// the note across the top has two lines.
constexpr int Down = 150;
constexpr int PictureDown = 30;

// "Detener Movimiento" is wider than its button at this size: it takes two
// lines, which the plain push button of ui::pushButton cannot.
QPushButton *wrappingButton(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *button = ui::makeControl<ui::WrappingButton>(parent, name);
    button->setText(caption);
    button->setFont(controlFont());
    ui::place(button, left, top, 1815, 615);
    return button;
}

} // namespace

Form6::Form6(QWidget *parent)
    : SimulationWindow(std::make_unique<simulation::AtwoodMachine>(), tr("Máquina de Atwood."), parent)
{
    setObjectName(QStringLiteral("Form6"));
    const QFont massFont = ui::font({FaceName, 12, true, true});
    const QFont font = controlFont();

    // The fields of the masses take a typed value; the others only show
    // results, and what the user types there is overwritten at the next
    // change.
    Label1 = ui::centredLabel(this, "Label1", tr("Masa 1"), massFont, 360, 360 + Down, 975, 255);
    HScroll1 = makeBar("HScroll1", 0, 2160, 360 + Down, 1095, 255);
    Text1 = ui::lineField(this, "Text1", font, 3480, 360 + Down, MassFieldWidth, 375);
    Label2 = ui::centredLabel(this, "Label2", tr("Masa 2"), massFont, 360, 1080 + Down, 975, 255);
    HScroll2 = makeBar("HScroll2", 1, 2160, 1080 + Down, 1095, 255);
    Text2 = ui::lineField(this, "Text2", font, 3480, 1080 + Down, MassFieldWidth, 375);
    Label3 = ui::centredLabel(this, "Label3", tr("Tiempo de Simulación"), font, 720, 1800 + Down, 1695, 615);
    Text3 = ui::lineField(this, "Text3", font, ResultLeft, 1920 + Down, ResultFieldWidth, 375);
    Label4 = ui::centredLabel(this, "Label4", tr("Aceleración Masa 1"), font, 840, 2880 + Down, 1575, 495);
    Text4 = ui::lineField(this, "Text4", font, ResultLeft, 2880 + Down, ResultFieldWidth, 405);
    Label7 = ui::centredLabel(this, "Label7", tr("Aceleración Masa 2"), font, 840, 3720 + Down, 1575, 495);
    Text7 = ui::lineField(this, "Text7", font, ResultLeft, 3720 + Down, ResultFieldWidth, 405);
    //: Label: the tension in the cord
    Label5 = ui::centredLabel(this, "Label5", tr("Tensión"), font, 840, 4560 + Down, 1575, 255);
    Text5 = ui::lineField(this, "Text5", font, ResultLeft, 4560 + Down, ResultFieldWidth, 375);
    //: Label of the distance each mass has moved (the trailing blank is part of the original layout)
    Label6 = ui::centredLabel(this, "Label6", tr("Distancia "), font, 840, 5280 + Down, 1575, 255);
    Text6 = ui::lineField(this, "Text6", font, ResultLeft, 5280 + Down, ResultFieldWidth, 375);
    unitAfter(Text1, "Label10", Label1->text(), QStringLiteral("kg"));
    unitAfter(Text2, "Label11", Label2->text(), QStringLiteral("kg"));
    unitAfter(Text3, "Label12", Label3->text(), QStringLiteral("s"));
    unitAfter(Text4, "Label13", Label4->text(), QStringLiteral("m/s²"));
    unitAfter(Text7, "Label14", Label7->text(), QStringLiteral("m/s²"));
    unitAfter(Text5, "Label15", Label5->text(), QStringLiteral("N"));
    unitAfter(Text6, "Label16", Label6->text(), QStringLiteral("m"));
    Command1 = wrappingButton(this, "Command1", tr("Iniciar Movimiento"), 360, 6120 + Down);
    Command3 = wrappingButton(this, "Command3", tr("Detener Movimiento"), 2760, 6120 + Down);
    //: Button: goes back to the problem window
    Command2 = wrappingButton(this, "Command2", tr("Regresar"), 1560, 7080 + Down);
    // Under the column of results it applies to.
    Label8 = ui::makeControl<QLabel>(this, "Label8");
    Label8->setText(run_data::simulationGravityText());
    Label8->setFont(font);
    ui::place(Label8, ResultLeft, 5700 + Down, 2175, 330);
    // Below the picture, clear of the designed controls.
    Check1 = enlargeBox(font, 4920, 7455, 3165, 375);
    Command4 = ui::pushButton(this, "Command4", tr("Datos y gráficas"), font, 8160, 7395, 2295, 495);
    // Across the top, two lines: a problem's values rounded, and its g.
    Label9 = ui::makeControl<run_data::NoteLabel>(this, "Label9");
    Label9->setFont(font);
    ui::makeBlue(Label9);
    ui::place(Label9, 360, 15, 10095, 480);
    Label9->setAccessibleName(tr("Nota sobre las masas del problema"));
    ui::setTabChain({HScroll1, Text1, HScroll2, Text2, Text3, Text4, Text7, Text5, Text6, Command1, Command3, Command2,
                     Command4, Check1});

    Picture1 = ui::makeControl<ui::PictureBox>(this, "Picture1");
    //: Accessible name of the animated picture
    ui::describePicture(Picture1, tr("Simulación"),
                        tr("La máquina de Atwood: la polea, las cuerdas y los dos bloques con sus pesos y tensiones a escala. Durante el movimiento deja marcas cada 0,1 s junto a los bloques."));
    ui::place(Picture1, 4920, 480 + PictureDown, 5535, 6855);

    takeControls({{HScroll1, HScroll2}, {Text1, Text2, Text3, Text4, Text5, Text6, Text7}, Command1, Command3, Command2,
                  Command4, Check1, Picture1, Label9,
                  //: The simulation's name: data window title, file names
                  tr("Máquina de Atwood")});
}
