#include "gui/simulations/form3.h"

#include "core/constants.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/layout.h"
#include "core/text/number_text.h"
#include "gui/simulations/data_window.h"
#include "gui/simulations/handover_slot.h"
#include "gui/simulations/note_label.h"
#include "core/simulations/run_table.h"
#include "gui/ui/picture_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

using namespace simulation::horizontal_plane;

namespace {

constexpr int FirstRunInterval = 120; // ms, the run that starts by itself
constexpr int RunInterval = 100;      // ms; each tick is one step of the run clock
// The result column uses some of the free space before the picture so that
// "No solución" fits inside its frame.
constexpr int ResultWidth = 1260;
// The tension of the design masses 50 and 50 without friction, which the
// window shows and draws before any handler has computed one.
constexpr double DesignTension = 245;

QFont windowFont()
{
    return ui::font({QStringLiteral("@Arial Unicode MS"), 9.75, true});
}

// Long texts ("No solución") are shown from their start.
void write(QLineEdit *field, const QString &text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

// μ as the hundredths it stands for: p × 0.01 is not exactly 0.35 in binary
// for p = 35, but the user reads 0,35.
QString frictionText(int p)
{
    return core::formatShortest(p / 100.0);
}

} // namespace

Form3::Form3(QWidget *parent)
    : ui::FormBase(tr("Plano Horizontal."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form3"));
    const QFont face = windowFont();

    Label1 = ui::centredLabel(this, "Label1", tr("Masa del Bloque 1"), face, 360, 240, 1935, 375);
    HScroll1 = ui::scrollBar(this, "HScroll1", {1, 101, 1, 5, 51}, 2520, 240, 1335, 375);
    Text1 = ui::lineField(this, "Text1", face, 4200, 240, 1095, 375);
    Label2 = ui::centredLabel(this, "Label2", tr("Masa del Bloque 2"), face, 360, 960, 1935, 375);
    HScroll2 = ui::scrollBar(this, "HScroll2", {1, 101, 1, 5, 51}, 2520, 960, 1335, 375);
    Text2 = ui::lineField(this, "Text2", face, 4200, 960, 1095, 375);
    Label3 = ui::centredLabel(this, "Label3", tr("Coeficiente de fricción"), face, 5640, 480, 1695, 615);
    HScroll3 = ui::scrollBar(this, "HScroll3", {0, 100, 1, 5, 0}, 7680, 600, 1335, 375);
    Text3 = ui::lineField(this, "Text3", face, 9360, 600, 975, 375);
    Label5 = ui::centredLabel(this, "Label5", tr("Aceleración de los Bloques"), face, 240, 1680, 1575, 495);
    Text5 = ui::lineField(this, "Text5", face, 2160, 1680, ResultWidth, 375);
    Label4 = ui::centredLabel(this, "Label4", tr("Tiempo de Simulación"), face, 240, 2640, 1575, 495);
    Text4 = ui::lineField(this, "Text4", face, 2160, 2640, ResultWidth, 375);
    //: Label of the distance the blocks have moved
    Label6 = ui::centredLabel(this, "Label6", tr("Distancia"), face, 240, 3600, 1575, 375);
    Text6 = ui::lineField(this, "Text6", face, 2160, 3600, ResultWidth, 375);
    //: Label: the tension in the cord
    Label7 = ui::centredLabel(this, "Label7", tr("Tensión"), face, 240, 4560, 1575, 375);
    Text7 = ui::lineField(this, "Text7", face, 2160, 4560, ResultWidth, 375);
    Command1 = ui::pushButton(this, "Command1", tr("Iniciar Movimiento"), face, 600, 5160, 2295, 615);
    Command3 = ui::pushButton(this, "Command3", tr("Detener Movimiento"), face, 600, 6120, 2295, 615);
    //: Button: goes back to the problem window
    Command2 = ui::pushButton(this, "Command2", tr("Regresar"), face, 600, 7080, 2295, 615);
    // The additions go where the layout leaves room: the button above the
    // friction bar, the note between the friction bar and the picture, the
    // gravity under the picture's right end, like a caption of the scene.
    Command4 = ui::pushButton(this, "Command4", tr("Datos y gráficas"), face, 7680, 60, 2655, 420);
    QFont plain = face;
    plain.setBold(false);
    // Two lines: one value off its bar fits easily, three clipped do not.
    Label9 = ui::makeControl<run_data::NoteLabel>(this, "Label9");
    Label9->setFont(plain);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label9->setAccessibleName(tr("Valores del problema"));
    ui::place(Label9, 5640, 1110, 5115, 540);
    ui::makeBlue(Label9);
    Label8 = ui::centredLabel(this, "Label8", run_data::simulationGravityText(), face, 7680, 7710, 2880, 270);
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Picture1 = ui::makeControl<ui::PictureBox>(this, "Picture1");
    //: Accessible name of the animated picture
    ui::describePicture(Picture1, tr("Simulación"),
                        tr("La mesa con el bloque 1, la polea y el bloque 2 que cuelga, con las tensiones, la fricción y el peso a escala. Durante el movimiento deja marcas cada 0,1 s."));
    Picture1->setBackground(core::colour::cyan);
    Picture1->setFocusPolicy(Qt::TabFocus);
    ui::place(Picture1, 3480, 1680, 7080, 6000);

    Timer1 = ui::makeControl<QTimer>(this, "Timer1");
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(FirstRunInterval);

    ui::setTabChain({Picture1, HScroll1, HScroll2, HScroll3, Command1, Text1, Text2, Text3, Text4, Text5, Command2,
                     Text6, Command3, Text7, Command4});
    Picture1->setFocus();

    m_runData = std::make_unique<run_data::Recorder>(this, [this] { return Picture1->image(); },
                                                     //: The simulation's name: data window title, file names
                                                     tr("Plano horizontal"));
    Picture1->setRedrawAll([this](core::Canvas &canvas) { redrawAll(canvas); });

    // Every change of a Value runs its handler, also one made by the program.
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form3::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form3::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Form3::HScroll3_Change);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    Label9->clearWhenMoved({HScroll1, HScroll2, HScroll3});
}

Form3::~Form3() = default;

Setup Form3::setup() const
{
    // HScroll1 and HScroll2 run from 1 to 101 for 0 to 100 kg; HScroll3
    // gives μ in hundredths.
    return {HScroll1->value() - 1.0, HScroll2->value() - 1.0, HScroll3->value() * 0.01};
}

State Form3::stateAt(double time) const
{
    return {setup(), m_tension, time};
}

double Form3::acceleration() const
{
    return simulation::horizontal_plane::acceleration(setup());
}

double Form3::distanceAt(double time) const
{
    return simulation::horizontal_plane::distanceAt(setup(), time);
}

bool Form3::isRunning() const
{
    return Timer1->isActive();
}

void Form3::Form_Load()
{
    Picture1->setLineWidth(2);
    Picture1->setFontSize(15);

    write(Text1, QString::number(HScroll1->value() - 1));
    write(Text2, QString::number(HScroll2->value() - 1));
    write(Text3, frictionText(HScroll3->value()));
    // The values of the design masses 50 and 50 without friction.
    write(Text5, core::formatShortest(constants::SimulationGravity / 2));
    write(Text7, core::formatShortest(DesignTension));
    Command3->setEnabled(false);

    // The first run starts by itself, before any handler has computed the
    // tension: it draws the arrows the field shows.
    m_tension = DesignTension;
    showFrame(stateAt(0));
    m_needsReset = true;

    Timer1->start(FirstRunInterval);
}

void Form3::Form_Unload()
{
    Timer1->stop();
    m_runData->finish();
    endProgram();
}

void Form3::showEvent(QShowEvent *event)
{
    ui::FormBase::showEvent(event);
    if (const std::optional<run_data::Handover> handover = run_data::takeHandover(ui::WindowId::Form3))
        takeProblem(*handover);
}

void Form3::takeProblem(const run_data::Handover &handover)
{
    // A run under way shows other values, so it stops as "Detener
    // Movimiento" stops it. The run the load starts by itself has not moved
    // yet when the window first appears: it sets off with the problem's
    // values, which the user then sees from the first tick.
    if (m_runData->run().isRunning())
        Command3_Click();
    run_data::applyHandover(handover, {HScroll1, HScroll2, HScroll3}, Label9);
}

void Form3::redrawAll(core::Canvas &canvas) const
{
    // The order of a tick: the fixed parts, the blocks and arrows over them,
    // then the marks, which nothing moving ever reaches.
    const double W = Picture1->widthTwips();
    const double H = Picture1->heightTwips();
    core::draw(canvas, fixedParts(W, H));
    core::draw(canvas, m_overdraw.shown());
    core::draw(canvas, strobeMarks(m_marks));
}

void Form3::showPhysics(int accelerationDecimals)
{
    const Setup s = setup();
    switch (regime(s)) {
    case Regime::Moving:
        m_tension = simulation::horizontal_plane::tension(s);
        write(Text5, core::formatGrouped(simulation::horizontal_plane::acceleration(s), accelerationDecimals));
        write(Text7, core::format2(m_tension));
        break;
    case Regime::Held:
        write(Text5, QStringLiteral("0"));
        m_tension = simulation::horizontal_plane::tension(s);
        write(Text7, core::format2(m_tension));
        break;
    case Regime::NoSolution:
        //: Shown in the acceleration field, which is narrow: keep it short
        write(Text5, tr("No solución"));
        break;
    }
}

void Form3::showFrame(const State &state)
{
    const double W = Picture1->widthTwips();
    const double H = Picture1->heightTwips();
    m_overdraw.show(*Picture1, frame(state, W, H), fixedParts(W, H));
}

void Form3::clearStrobeStrips()
{
    core::draw(*Picture1, strobeStrips(Picture1->widthTwips(), Picture1->heightTwips()));
    m_marks.clear();
}

void Form3::showSetUp(int accelerationDecimals)
{
    showPhysics(accelerationDecimals);
    clearStrobeStrips();
    showFrame(stateAt(0));
    m_needsReset = false;
}

void Form3::HScroll1_Change()
{
    write(Text1, QString::number(HScroll1->value() - 1));
    showSetUp(3);
}

void Form3::HScroll2_Change()
{
    write(Text2, QString::number(HScroll2->value() - 1));
    showSetUp(3);
}

void Form3::HScroll3_Change()
{
    write(Text3, frictionText(HScroll3->value()));
    showSetUp(2);
}

void Form3::Command1_Click()
{
    if (regime(setup()) != Regime::Moving)
        return;
    showPhysics(3);
    Timer1->start(RunInterval);
    m_clock.reset();
    clearStrobeStrips();
    if (m_needsReset)
        showFrame(stateAt(0));
}

void Form3::Timer1_Timer()
{
    const double W = Picture1->widthTwips();
    const double H = Picture1->heightTwips();
    // Besides the floor line, the first run that starts by itself may find
    // inputs changed to no motion at all before its first tick.
    if (regime(setup()) != Regime::Moving || pastFloor(stateAt(m_clock.time()), W, H)) {
        stopRun();
        return;
    }

    m_clock.tick();
    if (!m_runData->run().isRunning())
        m_runData->start(run_data::RunRecord::horizontalPlane(acceleration(), m_tension));
    m_runData->advance(m_clock.time());
    write(Text4, core::format3(m_clock.time()));
    const State now = stateAt(m_clock.time());
    showFrame(now);
    if (m_clock.strobeDue()) {
        const auto marks = strobeMarksAt(now, W, H);
        core::draw(*Picture1, strobeMarks({marks.begin(), marks.end()}));
        m_marks.insert(m_marks.end(), marks.begin(), marks.end());
    }
    write(Text6, core::format3(distanceAt(m_clock.time())));
    setMoving(true);
}

void Form3::setMoving(bool moving)
{
    HScroll1->setEnabled(!moving);
    HScroll2->setEnabled(!moving);
    HScroll3->setEnabled(!moving);
    Command1->setEnabled(!moving);
    Command3->setEnabled(moving);
}

void Form3::stopRun()
{
    Timer1->stop();
    m_runData->finish();
    m_needsReset = true;
    setMoving(false);
}

void Form3::Command3_Click()
{
    stopRun();
}

void Form3::Command2_Click()
{
    // Leaving in the middle of a run stops it like "Detener Movimiento", so
    // the next start begins from the start position.
    if (Timer1->isActive())
        m_needsReset = true;
    setMoving(false);
    Timer1->stop();
    m_runData->finish();
    goTo(ui::WindowId::Form7);
}

void Form3::Command4_Click()
{
    m_runData->openWindow();
}
