#include "gui/simulations/form6.h"

#include "core/physics/atwood_model.h"
#include "gui/simulations/data_window.h"
#include "gui/simulations/handover_slot.h"
#include "gui/simulations/note_label.h"
#include "core/simulations/run_table.h"
#include "core/text/number_text.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/layout.h"
#include "gui/ui/picture_box.h"
#include "gui/ui/wrapping_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace atwood = simulation::atwood;

namespace {

const QString FaceName = QStringLiteral("@Arial Unicode MS");

QFont controlFont()
{
    return ui::font({FaceName, 9.75, true});
}

// A mass from 0 to 100 as the value minus 1; 50 at start.
constexpr ui::ScrollSettings MassRange{1, 101, 1, 5, 51};

int massOf(const QScrollBar *bar)
{
    return bar->value() - 1;
}

// The fields of the masses, as designed.
constexpr int MassFieldWidth = 1095;
// The column of results is wider than designed (1095 twips) so that "No hay
// solución" shows whole; it still ends clear of the picture.
constexpr int ResultFieldWidth = 1620;

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

// Interval of the timer as the window loads, and while a run goes on: a
// tick is 0.01 s of simulated time, so a run shows a tenth of real speed.
constexpr int DesignInterval = 360;
constexpr int RunInterval = 100;

} // namespace

Form6::Form6(QWidget *parent)
    : ui::FormBase(tr("Máquina de Atwood."), 10875, 7995, parent)
    , m_overdraw(core::colour::cyan)
{
    setObjectName(QStringLiteral("Form6"));
    const QFont massFont = ui::font({FaceName, 12, true, true});
    const QFont font = controlFont();

    // The text fields only show results; what the user types there is
    // overwritten at the next change.
    Label1 = ui::centredLabel(this, "Label1", tr("Masa 1"), massFont, 360, 360, 975, 255);
    HScroll1 = ui::scrollBar(this, "HScroll1", MassRange, 2160, 360, 1095, 255);
    Text1 = ui::lineField(this, "Text1", font, 3480, 360, MassFieldWidth, 375);
    Label2 = ui::centredLabel(this, "Label2", tr("Masa 2"), massFont, 360, 1080, 975, 255);
    HScroll2 = ui::scrollBar(this, "HScroll2", MassRange, 2160, 1080, 1095, 255);
    Text2 = ui::lineField(this, "Text2", font, 3480, 1080, MassFieldWidth, 375);
    Label3 = ui::centredLabel(this, "Label3", tr("Tiempo de Simulación"), font, 720, 1800, 1695, 615);
    Text3 = ui::lineField(this, "Text3", font, 3120, 1920, ResultFieldWidth, 375);
    Label4 = ui::centredLabel(this, "Label4", tr("Aceleración Masa 1"), font, 840, 2880, 1575, 495);
    Text4 = ui::lineField(this, "Text4", font, 3120, 2880, ResultFieldWidth, 405);
    Label7 = ui::centredLabel(this, "Label7", tr("Aceleración Masa 2"), font, 840, 3720, 1575, 495);
    Text7 = ui::lineField(this, "Text7", font, 3120, 3720, ResultFieldWidth, 405);
    //: Label: the tension in the cord
    Label5 = ui::centredLabel(this, "Label5", tr("Tensión"), font, 840, 4560, 1575, 255);
    Text5 = ui::lineField(this, "Text5", font, 3120, 4560, ResultFieldWidth, 375);
    //: Label of the distance each mass has moved (the trailing blank is part of the original layout)
    Label6 = ui::centredLabel(this, "Label6", tr("Distancia "), font, 840, 5280, 1575, 255);
    Text6 = ui::lineField(this, "Text6", font, 3120, 5280, ResultFieldWidth, 375);
    Command1 = wrappingButton(this, "Command1", tr("Iniciar Movimiento"), 360, 6120);
    Command3 = wrappingButton(this, "Command3", tr("Detener Movimiento"), 2760, 6120);
    //: Button: goes back to the problem window
    Command2 = wrappingButton(this, "Command2", tr("Regresar"), 1560, 7080);
    // Below the picture, clear of the designed controls.
    Label8 = ui::makeControl<QLabel>(this, "Label8");
    Label8->setText(run_data::simulationGravityText());
    Label8->setFont(font);
    ui::place(Label8, 4920, 7440, 2175, 375);
    Command4 = ui::pushButton(this, "Command4", tr("Datos y gráficas"), font, 8160, 7395, 2295, 495);
    // Across the top, where a line as long as two notes fits.
    Label9 = ui::makeControl<run_data::NoteLabel>(this, "Label9");
    Label9->setFont(font);
    ui::makeBlue(Label9);
    ui::place(Label9, 360, 45, 10095, 300);
    Label9->setAccessibleName(tr("Nota sobre las masas del problema"));
    ui::setTabChain({HScroll1, Text1, HScroll2, Text2, Text3, Text4, Text7, Text5, Text6, Command1, Command3, Command2,
                     Command4});

    Picture1 = ui::makeControl<ui::PictureBox>(this, "Picture1");
    //: Accessible name of the animated picture
    ui::describePicture(Picture1, tr("Simulación"),
                        tr("La máquina de Atwood: la polea, las cuerdas y los dos bloques con sus pesos y tensiones a escala. Durante el movimiento deja marcas cada 0,1 s junto a los bloques."));
    Picture1->setBackground(core::colour::cyan);
    ui::place(Picture1, 4920, 480, 5535, 6855);
    // At a new zoom the picture is drawn again from what it shows.
    Picture1->setRedrawAll([this](core::Canvas &canvas) { drawWholePicture(canvas); });
    m_runData = std::make_unique<run_data::Recorder>(this, [this] { return Picture1->image(); },
                                                     //: The simulation's name: data window title, file names
                                                     tr("Máquina de Atwood"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(DesignInterval);

    connect(HScroll1, &QScrollBar::valueChanged, this, &Form6::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form6::HScroll2_Change);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form6::Command4_Click);
    Label9->clearWhenMoved({HScroll1, HScroll2});
    connect(Timer1, &QTimer::timeout, this, &Form6::Timer1_Timer);
}

Form6::~Form6() = default;

atwood::Machine Form6::machine() const
{
    return {double(massOf(HScroll1)), double(massOf(HScroll2))};
}

atwood::FrameState Form6::frameState(double time) const
{
    return {machine(), m_loaded, time};
}

double Form6::acceleration() const
{
    return atwood::acceleration(machine());
}

double Form6::tension() const
{
    return atwood::tension(machine());
}

double Form6::distanceAt(double seconds) const
{
    return atwood::distanceAt(machine(), seconds);
}

bool Form6::isRunning() const
{
    return Timer1->isActive();
}

void Form6::Form_Load()
{
    atwood::drawFixedParts(*Picture1);
    Text1->setText(QString::number(massOf(HScroll1)));
    Text2->setText(QString::number(massOf(HScroll2)));
    showPhysics(NoSolutionIn::AllFields);
    Command3->setEnabled(false);

    m_loaded = machine();
    m_overdraw.show(*Picture1, atwood::frame(frameState(0), Picture1->widthTwips(), Picture1->heightTwips()));

    // The timer runs from the window's load; with the equal start masses its
    // first tick just switches it off.
    Timer1->start();
}

void Form6::Form_Unload()
{
    Timer1->stop();
    m_runData->finish();
    endProgram();
}

void Form6::showEvent(QShowEvent *event)
{
    ui::FormBase::showEvent(event);
    takeProblemValues();
}

// The masses of the problem last solved, each on the nearest whole kilogram
// its scroll bar holds. The bars are moved as a user would move them, so the
// fields and the picture follow; a timer still going (the one that runs from
// the load) is stopped first, so the new masses wait for "Iniciar
// Movimiento".
void Form6::takeProblemValues()
{
    const std::optional<run_data::Handover> handover = run_data::takeHandover(ui::WindowId::Form6);
    if (!handover)
        return;
    if (Timer1->isActive())
        stopMotion();
    run_data::applyHandover(*handover, {HScroll1, HScroll2}, Label9);
}

void Form6::showPhysics(NoSolutionIn where)
{
    const atwood::Machine m = machine();
    if (!atwood::solvable(m)) {
        const QString none = tr("No hay solución");
        if (where == NoSolutionIn::AllFields) {
            Text4->setText(none);
            Text7->setText(none);
        }
        Text5->setText(none);
        return;
    }
    const double a1 = atwood::acceleration1(m);
    Text4->setText(core::format3(a1));
    Text7->setText(core::format3(-a1));
    Text5->setText(core::format2(atwood::tension(m)));
}

void Form6::HScroll1_Change()
{
    Text1->setText(QString::number(massOf(HScroll1)));
    massChanged();
}

void Form6::HScroll2_Change()
{
    Text2->setText(QString::number(massOf(HScroll2)));
    massChanged();
}

void Form6::massChanged()
{
    showPhysics(NoSolutionIn::AllFields);
    showStartScene();
    m_needsReset = false;
}

// The marks of the last run go with it.
void Form6::showStartScene()
{
    const double w = Picture1->widthTwips();
    const double h = Picture1->heightTwips();
    core::draw(*Picture1, atwood::strobeZones(w, h));
    m_strobeMarks.clear();
    m_overdraw.show(*Picture1, atwood::frame(frameState(0), w, h));
}

void Form6::Command1_Click()
{
    showPhysics(NoSolutionIn::TensionOnly);
    Timer1->start(RunInterval);
    m_clock.reset();
    if (m_needsReset)
        showStartScene();
}

void Form6::Command3_Click()
{
    stopMotion();
}

void Form6::Command4_Click()
{
    m_runData->openWindow();
}

void Form6::Command2_Click()
{
    stopMotion();
    goTo(ui::WindowId::Form7);
}

void Form6::Timer1_Timer()
{
    if (atwood::regime(machine()) == atwood::Regime::Balanced) {
        Timer1->stop();
        return;
    }
    // The floor test comes before the move: the last advance carries the
    // sinking block up to one step past the floor line.
    if (atwood::pastFloor(frameState(m_clock.time()), Picture1->heightTwips())) {
        stopMotion();
        return;
    }

    m_clock.tick();
    const double t = m_clock.time();
    if (!m_runData->run().isRunning())
        m_runData->start(run_data::RunRecord::atwood(atwood::acceleration1(machine()), atwood::tension(machine())));
    m_runData->advance(t);
    Text3->setText(core::format3(t));
    m_overdraw.show(*Picture1, atwood::frame(frameState(t), Picture1->widthTwips(), Picture1->heightTwips()));
    Text6->setText(core::format3(distanceAt(t)));
    if (m_clock.strobeDue())
        leaveStrobeMarks();
    setMoving(true);
}

void Form6::leaveStrobeMarks()
{
    const auto marks = atwood::strobeMarks(frameState(m_clock.time()), Picture1->widthTwips(),
                                           Picture1->heightTwips());
    m_strobeMarks.insert(m_strobeMarks.end(), marks.begin(), marks.end());
    core::draw(*Picture1, atwood::strobeMarkFrame({marks.begin(), marks.end()}));
}

void Form6::redrawPicture()
{
    Picture1->fillRect(0, 0, Picture1->widthTwips(), Picture1->heightTwips(), core::colour::cyan);
    drawWholePicture(*Picture1);
}

// The marks lie beside the blocks, apart from every shape of a frame, so no
// later frame erases any part of them and their order against the frame
// does not matter.
void Form6::drawWholePicture(core::Canvas &canvas) const
{
    atwood::drawFixedParts(canvas);
    core::draw(canvas, m_overdraw.shown());
    core::draw(canvas, atwood::strobeMarkFrame(m_strobeMarks));
}

// The scene stays where it is; the next start redraws the start position.
void Form6::stopMotion()
{
    Timer1->stop();
    m_runData->finish();
    m_needsReset = true;
    setMoving(false);
}

void Form6::setMoving(bool moving)
{
    HScroll1->setEnabled(!moving);
    HScroll2->setEnabled(!moving);
    Command1->setEnabled(!moving);
    Command3->setEnabled(moving);
}
