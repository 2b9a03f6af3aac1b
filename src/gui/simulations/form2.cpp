#include "gui/simulations/form2.h"

#include "core/text/number_text.h"
#include "core/simulations/inclined_plane_scene.h"
#include "gui/simulations/data_window.h"
#include "gui/simulations/handover_slot.h"
#include "gui/simulations/note_label.h"
#include "core/simulations/run_table.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/layout.h"
#include "gui/ui/picture_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

namespace {

namespace model = simulation::inclined_plane;

//: Shown instead of an acceleration: friction holds the block still
const char *const FrictionWins = QT_TRANSLATE_NOOP("Form2", "Fricción mayor");

QFont controlFont()
{
    return ui::font({QStringLiteral("Arial Unicode MS"), 9.75, true});
}

// The fields only show results; nothing reads them.
QLineEdit *field(QWidget *parent, const char *name, int left, int top, int width)
{
    return ui::lineField(parent, name, controlFont(), left, top, width, 375, ui::FieldUse::Output);
}

} // namespace

Form2::Form2(QWidget *parent)
    : ui::FormBase(QStringLiteral("Cuestaval."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form2"));

    Label1 = ui::centredLabel(this, "Label1", tr("Ángulo de Inclinación"), controlFont(), 360, 360, 1575, 495);
    HScroll1 = ui::scrollBar(this, "HScroll1", {0, 90, 1, 5, 0}, 2280, 360, 1215, 375);
    Text1 = field(this, "Text1", 3960, 360, 1215);
    Label2 = ui::centredLabel(this, "Label2", tr("Coeficiente de Fricción"), controlFont(), 5640, 240, 1695, 495);
    HScroll2 = ui::scrollBar(this, "HScroll2", {0, 1000, 10, 50, 0}, 7680, 360, 1215, 375);
    Text2 = field(this, "Text2", 9240, 360, 1215);
    Label3 = ui::centredLabel(this, "Label3", tr("Aceleración del Bloque"), controlFont(), 240, 1560, 1695, 495);
    Text3 = field(this, "Text3", 2280, 1560, 1695);
    Label4 = ui::centredLabel(this, "Label4", tr("Tiempo de Deslizamiento"), controlFont(), 240, 2400, 1695, 495);
    Text4 = field(this, "Text4", 2280, 2400, 1095);
    // As tall as the other labels of the column: the caption takes two lines.
    Label5 = ui::centredLabel(this, "Label5", tr("Distancia Recorrida"), controlFont(), 360, 3360, 1575, 495);
    Text5 = field(this, "Text5", 2280, 3360, 1095);
    Command1 = ui::pushButton(this, "Command1", tr("Iniciar Movimiento"), controlFont(), 600, 4440, 2655, 615);
    Command3 = ui::pushButton(this, "Command3", tr("Detener Movimiento"),
                              ui::font({QStringLiteral("@Arial Unicode MS"), 9.75, true}), 600, 5400, 2655, 615);
    //: Button: goes back to the problem window
    Command2 = ui::pushButton(this, "Command2", tr("Regresar"), controlFont(), 600, 6360, 2655, 615);
    Command4 = ui::pushButton(this, "Command4", tr("Datos y gráficas"), controlFont(), 600, 7200, 2655, 615);
    // In the free band between the bars and the picture, the width of the window.
    Label6 = ui::makeControl<run_data::NoteLabel>(this, "Label6");
    Label6->setFont(controlFont());
    ui::centre(Label6);
    ui::place(Label6, 240, 960, 10395, 375);
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
    Picture1->setBackground(core::colour::cyan);
    ui::place(Picture1, 4440, 1560, 6000, 6000);

    Timer1 = ui::makeControl<QTimer>(this, "Timer1");
    Timer1->setTimerType(Qt::PreciseTimer);

    ui::setTabChain({HScroll1, Text1, Command1, HScroll2, Text2, Command2, Text3, Text4, Text5, Command3, Command4});
    HScroll1->setFocus();

    // valueChanged, not sliderMoved or actionTriggered: the scene and the
    // texts follow every change of Value, whether the user or the program
    // made it.
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form2::HScroll2_Change);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    // Only a move of the user's: the bars set from a solved problem keep the
    // note that says how they were rounded.
    Label6->clearWhenMoved({HScroll1, HScroll2});

    m_runData = std::make_unique<run_data::Recorder>(this, [this] { return Picture1->image(); },
                                                     //: The simulation's name: data window title, file names
                                                     tr("Plano inclinado"));
    Picture1->setRedrawAll([this](core::Canvas &canvas) { drawAll(canvas); });
}

Form2::~Form2() = default;

void Form2::drawAll(core::Canvas &canvas) const
{
    const double w = canvas.widthTwips();
    const double h = canvas.heightTwips();
    model::drawTitle(canvas);
    core::draw(canvas, model::strobeMarks(m_marks, w, h));
    core::draw(canvas, m_overdraw.shown());
}

model::Incline Form2::incline() const
{
    return {double(HScroll1->value()), HScroll2->value() / 1000.0};
}

double Form2::acceleration() const
{
    return model::acceleration(incline());
}

double Form2::distanceAt(double t) const
{
    return model::distanceAt(incline(), t);
}

void Form2::Form_Load()
{
    model::drawTitle(*Picture1);
    m_overdraw.show(*Picture1, model::loadFrame(Picture1->widthTwips(), Picture1->heightTwips()));
    Text1->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("0"));
    setMoving(false);
    // Laid out running: its first tick finds the plane level and settles
    // the window idle.
    Timer1->start(360);
}

void Form2::redrawForScroll()
{
    model::clearStrobeStrips(*Picture1);
    m_marks.clear();
    const double w = Picture1->widthTwips();
    const double h = Picture1->heightTwips();
    m_scene = model::startScene(incline(), w, h);
    m_overdraw.show(*Picture1, model::frame({incline(), m_scene}, w, h));
}

void Form2::HScroll1_Change()
{
    Text1->setText(QString::number(HScroll1->value()));
    redrawForScroll();

    // On a level plane a block held by friction shows no message, and "0"
    // when nothing acts along the plane at all.
    const double a = acceleration();
    if (a > 0) {
        Text3->setText(core::format2(a));
    } else {
        if (HScroll1->value() != 0)
            Text3->setText(tr(FrictionWins));
        if (a == 0)
            Text3->setText(QStringLiteral("0"));
    }
}

void Form2::HScroll2_Change()
{
    Text2->setText(core::formatShortest(incline().mu));
    redrawForScroll();

    const double a = acceleration();
    if (a > 0)
        Text3->setText(core::format2(a));
    else if (HScroll1->value() != 0)
        Text3->setText(tr(FrictionWins));
}

void Form2::Command1_Click()
{
    if (acceleration() > 0) {
        model::clearStrobeStrips(*Picture1);
        m_marks.clear();
        // The first tick erases the last scene drawn and draws this one.
        m_scene = model::startScene(incline(), Picture1->widthTwips(), Picture1->heightTwips());
        m_clock.reset();
        m_running = true;
        Timer1->start(100);
        Command3->setEnabled(true);
    } else if (HScroll1->value() != 0) {
        Text3->setText(tr(FrictionWins));
    }
}

void Form2::Timer1_Timer()
{
    const double w = Picture1->widthTwips();
    const double h = Picture1->heightTwips();
    const model::Incline now = incline();
    // The loading timer's tick lands here too and only settles the window,
    // even when the angle moved before it.
    if (!m_running || model::acceleration(now) <= 0 || model::pastFoot(m_scene, h)) {
        stopMotion();
        return;
    }

    m_clock.tick();
    if (!m_runData->run().isRunning())
        m_runData->start(run_data::RunRecord::inclinedPlane(model::acceleration(now)));
    m_runData->advance(m_clock.time());
    Text4->setText(core::format2(m_clock.time()));
    m_scene = model::slide(m_scene, now, m_clock, w);
    m_overdraw.show(*Picture1, model::frame({now, m_scene, true}, w, h));
    if (m_clock.strobeDue()) {
        m_marks.push_back(m_scene.B1);
        core::draw(*Picture1, model::strobeMarks({m_scene.B1}, w, h));
    }
    setMoving(true);
    Text5->setText(core::format2(model::distanceAt(now, m_clock.time())));
}

// The block stays drawn where it is; a new start begins at the top.
void Form2::Command3_Click()
{
    stopMotion();
}

void Form2::Command2_Click()
{
    stopMotion();
    goTo(ui::WindowId::Form7);
}

void Form2::Command4_Click()
{
    m_runData->openWindow();
}

void Form2::Form_Unload()
{
    Timer1->stop();
    m_runData->finish();
    endProgram();
}

void Form2::showEvent(QShowEvent *event)
{
    ui::FormBase::showEvent(event);
    takeProblem();
}

void Form2::takeProblem()
{
    const std::optional<run_data::Handover> problem = run_data::takeHandover(ui::WindowId::Form2);
    if (!problem)
        return;
    if (m_running)
        stopMotion();
    run_data::applyHandover(*problem, {HScroll1, HScroll2}, Label6);
}

void Form2::stopMotion()
{
    Timer1->stop();
    m_running = false;
    m_runData->finish();
    setMoving(false);
}

void Form2::setMoving(bool moving)
{
    HScroll1->setEnabled(!moving);
    HScroll2->setEnabled(!moving);
    Command1->setEnabled(!moving);
    Command3->setEnabled(moving);
}
