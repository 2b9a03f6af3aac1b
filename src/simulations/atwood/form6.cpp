#include "simulations/atwood/form6.h"

#include "simulations/atwood/atwood_scene.h"
#include "ui/accessibility.h"
#include "ui/layout.h"
#include "core/number_text.h"
#include "ui/picture_box.h"
#include "ui/wrapping_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace scene = atwood::scene;

namespace {

const QString FaceName = QStringLiteral("@Arial Unicode MS");

QFont controlFont()
{
    return ui::font({FaceName, 9.75, true});
}

// Output only: nothing reads these fields, and what the user types there is
// overwritten at the next change.
QLineEdit *field(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *edit = ui::makeControl<QLineEdit>(parent, name);
    edit->setFont(controlFont());
    ui::place(edit, left, top, width, height);
    return edit;
}

// A mass from 0 to 100 as the value minus 1; 50 at start.
constexpr ui::ScrollSettings MassRange{1, 101, 1, 5, 51};

// The fields of the masses, as designed.
constexpr int MassFieldWidth = 1095;
// The column of results is wider than designed (1095 twips) so that "No hay
// solución" shows whole; it still ends clear of the picture.
constexpr int ResultFieldWidth = 1620;

// "Detener Movimiento" is wider than its button at this size: it takes two
// lines.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *button = ui::makeControl<ui::WrappingButton>(parent, name);
    button->setText(caption);
    button->setFont(controlFont());
    ui::place(button, left, top, 1815, 615);
    return button;
}

// Interval of the timer as the window is created, and while a run goes on:
// a tick is 0.01 s of simulated time, so a run shows a tenth of real speed.
constexpr int DesignInterval = 360;
constexpr int RunInterval = 100;

} // namespace

Form6::Form6(QWidget *parent)
    : ui::FormBase(QStringLiteral("Máquina de Atwood."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form6"));
    const QFont massFont = ui::font({FaceName, 12, true, true});

    Label1 = ui::centredLabel(this, "Label1", QStringLiteral("Masa 1"), massFont, 360, 360, 975, 255);
    HScroll1 = ui::scrollBar(this, "HScroll1", MassRange, 2160, 360, 1095, 255);
    Text1 = field(this, "Text1", 3480, 360, MassFieldWidth, 375);
    Label2 = ui::centredLabel(this, "Label2", QStringLiteral("Masa 2"), massFont, 360, 1080, 975, 255);
    HScroll2 = ui::scrollBar(this, "HScroll2", MassRange, 2160, 1080, 1095, 255);
    Text2 = field(this, "Text2", 3480, 1080, MassFieldWidth, 375);
    Label3 = ui::centredLabel(this, "Label3", QStringLiteral("Tiempo de Simulación"), controlFont(), 720, 1800, 1695, 615);
    Text3 = field(this, "Text3", 3120, 1920, ResultFieldWidth, 375);
    Label4 = ui::centredLabel(this, "Label4", QStringLiteral("Aceleración Masa 1"), controlFont(), 840, 2880, 1575, 495);
    Text4 = field(this, "Text4", 3120, 2880, ResultFieldWidth, 405);
    Label7 = ui::centredLabel(this, "Label7", QStringLiteral("Aceleración Masa 2"), controlFont(), 840, 3720, 1575, 495);
    Text7 = field(this, "Text7", 3120, 3720, ResultFieldWidth, 405);
    Label5 = ui::centredLabel(this, "Label5", QStringLiteral("Tensión"), controlFont(), 840, 4560, 1575, 255);
    Text5 = field(this, "Text5", 3120, 4560, ResultFieldWidth, 375);
    Label6 = ui::centredLabel(this, "Label6", QStringLiteral("Distancia "), controlFont(), 840, 5280, 1575, 255);
    Text6 = field(this, "Text6", 3120, 5280, ResultFieldWidth, 375);
    Command1 = button(this, "Command1", QStringLiteral("Iniciar Movimiento"), 360, 6120);
    Command3 = button(this, "Command3", QStringLiteral("Detener Movimiento"), 2760, 6120);
    Command2 = button(this, "Command2", QStringLiteral("Regresar"), 1560, 7080);

    Picture1 = ui::makeControl<ui::PictureBox>(this, "Picture1");
    ui::describePicture(Picture1, QStringLiteral("Simulación"),
                        QStringLiteral("La máquina de Atwood: la polea, las cuerdas y los dos bloques con sus pesos y tensiones a escala. Durante el movimiento deja marcas cada 0,1 s junto a los bloques."));
    Picture1->setBackground(core::colour::cyan);
    ui::place(Picture1, 4920, 480, 5535, 6855);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(DesignInterval);

    connect(HScroll1, &QScrollBar::valueChanged, this, &Form6::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form6::HScroll2_Change);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(Timer1, &QTimer::timeout, this, &Form6::Timer1_Timer);

    // The timer runs from the window's creation; with the equal start masses
    // its first tick just switches it off.
    Timer1->start();
}

int Form6::mass1() const
{
    return atwood::massOf(HScroll1->value());
}

int Form6::mass2() const
{
    return atwood::massOf(HScroll2->value());
}

void Form6::Form_Load()
{
    scene::setUp(*Picture1);
    scene::drawTitle(*Picture1);

    const int m1 = mass1();
    const int m2 = mass2();
    Text1->setText(QString::number(m1));
    Text2->setText(QString::number(m2));
    // The values for the start masses, in the same formats as every later
    // update, so they carry the user's decimal separator too.
    const atwood::Physics start = atwood::physics(m1, m2);
    Text4->setText(core::format3(start.acceleration1));
    Text7->setText(core::format3(-start.acceleration1));
    Text5->setText(core::format2(start.tension));
    Command3->setEnabled(false);

    m_state.pulleyX = scene::pulleyX(*Picture1);
    m_state.pulleyY = scene::pulleyY(*Picture1);
    scene::drawPulley(*Picture1, m_state.pulleyX, m_state.pulleyY);
    // The tension before the first drawing, so the tension arrows end in
    // caps at load as after every later change.
    m_state.tension = start.tension;
    m_state.now = scene::startShapes(*Picture1, m1, m2, m_state.tension);
    scene::drawAtRest(*Picture1, m_state.now, m_state.pulleyY);
    m_state.bottom1Start = m_state.now.block1.bottom;
    m_state.bottom2Start = m_state.now.block2.bottom;
    m_state.prev = m_state.now;
}

void Form6::Form_Unload()
{
    Timer1->stop();
    endProgram();
}

void Form6::showPhysics(NoSolutionIn where)
{
    const atwood::Physics physics = atwood::physics(mass1(), mass2());
    if (!physics.solvable) {
        const QString none = QStringLiteral("No hay solución");
        if (where == NoSolutionIn::AllFields) {
            Text4->setText(none);
            Text7->setText(none);
        }
        Text5->setText(none);
        return;
    }
    m_state.acceleration = physics.acceleration;
    m_state.tension = physics.tension;
    Text4->setText(core::format3(physics.acceleration1));
    Text7->setText(core::format3(-physics.acceleration1));
    Text5->setText(core::format2(physics.tension));
}

void Form6::HScroll1_Change()
{
    Text1->setText(QString::number(mass1()));
    massChanged();
}

void Form6::HScroll2_Change()
{
    Text2->setText(QString::number(mass2()));
    massChanged();
}

void Form6::massChanged()
{
    showPhysics(NoSolutionIn::AllFields);
    redrawStartScene();
    m_state.needsReset = false;
}

// Every old shape goes before any new one is drawn, so a new shape that
// crosses an old one is not cut by the erase.
void Form6::redrawStartScene()
{
    scene::clearStrobeZones(*Picture1);
    scene::erase(*Picture1, m_state.prev, m_state.pulleyY);
    m_state.now = scene::startShapes(*Picture1, mass1(), mass2(), m_state.tension);
    scene::drawAtRest(*Picture1, m_state.now, m_state.pulleyY);
    // What is on the picture now is what the next erase must remove, even if
    // the masses change before the first tick of a run.
    m_state.prev = m_state.now;
}

void Form6::Command1_Click()
{
    showPhysics(NoSolutionIn::TensionOnly);
    Timer1->start(RunInterval);
    m_state.simTime = 0;
    m_state.prevTime = 0;
    if (m_state.needsReset)
        redrawStartScene();
}

void Form6::Command3_Click()
{
    stopMotion();
}

void Form6::Command2_Click()
{
    stopMotion();
    goTo(ui::WindowId::Form7);
}

void Form6::Timer1_Timer()
{
    const int v1 = HScroll1->value();
    const int v2 = HScroll2->value();
    const double height = Picture1->heightTwips();
    switch (atwood::nextStep(m_state.now, v1, v2, height)) {
    case atwood::Step::Halt:
        Timer1->stop();
        return;
    case atwood::Step::Stop:
        stopMotion();
        return;
    case atwood::Step::Advance:
        break;
    }

    atwood::advance(m_state, v1, v2, height);
    Text3->setText(core::format3(m_state.simTime));
    scene::erase(*Picture1, m_state.prev, m_state.pulleyY);
    scene::drawMoving(*Picture1, m_state.now, m_state.pulleyY);
    Text6->setText(core::format3(m_state.distance));
    if (atwood::strobeDue(m_state.simTime))
        scene::drawStrobeMarks(*Picture1, m_state.now);
    setMoving(true);
}

// The scene stays where it is; the next start redraws the start position.
void Form6::stopMotion()
{
    Timer1->stop();
    atwood::stop(m_state);
    setMoving(false);
}

void Form6::setMoving(bool moving)
{
    HScroll1->setEnabled(!moving);
    HScroll2->setEnabled(!moving);
    Command1->setEnabled(!moving);
    Command3->setEnabled(moving);
}
