#include "simulations/horizontal_plane/form3.h"

#include "ui/accessibility.h"
#include "ui/layout.h"
#include "core/number_text.h"
#include "ui/picture_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

using namespace horizontal;

namespace {

constexpr int FirstRunInterval = 120; // ms, the run that starts by itself
constexpr int RunInterval = 100;      // ms; each tick is 0.01 s of simulated time
// The result column uses some of the free space before the picture so that
// "No solución" fits inside its frame.
constexpr int ResultWidth = 1260;

QFont windowFont()
{
    return ui::font({QStringLiteral("@Arial Unicode MS"), 9.75, true});
}

QLineEdit *field(QWidget *parent, const char *name, int left, int top, int width)
{
    auto *edit = ui::makeControl<QLineEdit>(parent, name);
    edit->setFont(windowFont());
    ui::place(edit, left, top, width, 375);
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int top)
{
    auto *button = ui::makeControl<QPushButton>(parent, name);
    button->setText(caption);
    button->setFont(windowFont());
    ui::place(button, 600, top, 2295, 615);
    return button;
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
    : ui::FormBase(QStringLiteral("Plano Horizontal."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form3"));

    Label1 = ui::centredLabel(this, "Label1", QStringLiteral("Masa del Bloque 1"), windowFont(), 360, 240, 1935, 375);
    HScroll1 = ui::scrollBar(this, "HScroll1", {1, 101, 1, 5, 51}, 2520, 240, 1335, 375);
    Text1 = field(this, "Text1", 4200, 240, 1095);
    Label2 = ui::centredLabel(this, "Label2", QStringLiteral("Masa del Bloque 2"), windowFont(), 360, 960, 1935, 375);
    HScroll2 = ui::scrollBar(this, "HScroll2", {1, 101, 1, 5, 51}, 2520, 960, 1335, 375);
    Text2 = field(this, "Text2", 4200, 960, 1095);
    Label3 = ui::centredLabel(this, "Label3", QStringLiteral("Coeficiente de fricción"), windowFont(), 5640, 480, 1695, 615);
    HScroll3 = ui::scrollBar(this, "HScroll3", {0, 100, 1, 5, 0}, 7680, 600, 1335, 375);
    Text3 = field(this, "Text3", 9360, 600, 975);
    Label5 = ui::centredLabel(this, "Label5", QStringLiteral("Aceleración de los Bloques"), windowFont(), 240, 1680, 1575, 495);
    Text5 = field(this, "Text5", 2160, 1680, ResultWidth);
    Label4 = ui::centredLabel(this, "Label4", QStringLiteral("Tiempo de Simulación"), windowFont(), 240, 2640, 1575, 495);
    Text4 = field(this, "Text4", 2160, 2640, ResultWidth);
    Label6 = ui::centredLabel(this, "Label6", QStringLiteral("Distancia"), windowFont(), 240, 3600, 1575, 375);
    Text6 = field(this, "Text6", 2160, 3600, ResultWidth);
    Label7 = ui::centredLabel(this, "Label7", QStringLiteral("Tensión"), windowFont(), 240, 4560, 1575, 375);
    Text7 = field(this, "Text7", 2160, 4560, ResultWidth);
    Command1 = button(this, "Command1", QStringLiteral("Iniciar Movimiento"), 5160);
    Command3 = button(this, "Command3", QStringLiteral("Detener Movimiento"), 6120);
    Command2 = button(this, "Command2", QStringLiteral("Regresar"), 7080);

    Picture1 = ui::makeControl<ui::PictureBox>(this, "Picture1");
    ui::describePicture(Picture1, QStringLiteral("Simulación"),
                        QStringLiteral("La mesa con el bloque 1, la polea y el bloque 2 que cuelga, con las tensiones, la fricción y el peso a escala. Durante el movimiento deja marcas cada 0,1 s."));
    Picture1->setBackground(core::colour::cyan);
    Picture1->setFocusPolicy(Qt::TabFocus);
    ui::place(Picture1, 3480, 1680, 7080, 6000);
    m_scene.emplace(*Picture1);

    Timer1 = ui::makeControl<QTimer>(this, "Timer1");
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(FirstRunInterval);

    setTabOrder(Picture1, HScroll1);
    setTabOrder(HScroll1, HScroll2);
    setTabOrder(HScroll2, HScroll3);
    setTabOrder(HScroll3, Command1);
    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Command2);
    setTabOrder(Command2, Text6);
    setTabOrder(Text6, Command3);
    setTabOrder(Command3, Text7);
    Picture1->setFocus();

    // Every change of a Value runs its handler, also one made by the program.
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form3::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form3::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Form3::HScroll3_Change);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
}

Setup Form3::setup() const
{
    return Setup::fromScrollValues(HScroll1->value(), HScroll2->value(), HScroll3->value());
}

void Form3::Form_Load()
{
    Picture1->setLineWidth(2);
    Picture1->setFontSize(15);

    const Setup start = setup();
    write(Text1, QString::number(start.m1));
    write(Text2, QString::number(start.m2));
    write(Text3, frictionText(start.p));
    // The values of the design masses 50 and 50 without friction.
    write(Text5, core::formatShortest(HalfGravity));
    write(Text7, core::formatShortest(DesignTension));
    Command3->setEnabled(false);

    m_scene->drawLoad(m_run, start);
    m_run.rememberDrawn();
    m_needsReset = true;
    // The first run starts by itself, before any handler has computed the
    // tension: it must draw the arrows the field shows.
    m_tension = DesignTension;
    m_arrows = {DesignTension, 50, 50, 0};

    Timer1->start(FirstRunInterval);
}

void Form3::Form_Unload()
{
    Timer1->stop();
    endProgram();
}

void Form3::showPhysics(int accelerationDecimals)
{
    const Setup s = setup();
    switch (motion(s)) {
    case Motion::Moving:
        m_tension = tension(s);
        write(Text5, core::formatGrouped(acceleration(s), accelerationDecimals));
        write(Text7, core::format2(m_tension));
        break;
    case Motion::Held:
        write(Text5, QStringLiteral("0"));
        m_tension = tension(s);
        write(Text7, core::format2(m_tension));
        break;
    case Motion::NoSolution:
        write(Text5, QStringLiteral("No solución"));
        break;
    }
}

void Form3::rememberArrows(const Setup &drawn)
{
    m_arrows = {m_tension, drawn.m1, drawn.m2, drawn.p};
}

void Form3::redrawStart()
{
    const Setup s = setup();
    m_scene->clearStrobeStrips();
    m_scene->erase(m_run, m_arrows, EraseVariant::Full);
    m_scene->drawStart(m_run, s, m_tension, capUnlessZero(s.m2));
    m_run.rememberDrawn();
    rememberArrows(s);
    m_needsReset = false;
}

void Form3::HScroll1_Change()
{
    write(Text1, QString::number(setup().m1));
    showPhysics(3);
    redrawStart();
}

void Form3::HScroll2_Change()
{
    write(Text2, QString::number(setup().m2));
    showPhysics(3);
    redrawStart();
}

void Form3::HScroll3_Change()
{
    write(Text3, frictionText(setup().p));
    showPhysics(2);
    redrawStart();
}

void Form3::Command1_Click()
{
    const Setup s = setup();
    if (motion(s) != Motion::Moving)
        return;
    showPhysics(3);
    Timer1->start(RunInterval);
    m_run.simTime = 0;
    m_run.prevTime = 0;
    m_scene->clearStrobeStrips();
    if (m_needsReset) {
        m_scene->erase(m_run, m_arrows, EraseVariant::Full);
        m_scene->drawStart(m_run, s, m_tension, capUnlessZero(s.m2));
        // A scroll change before the first tick must erase this picture.
        m_run.rememberDrawn();
        rememberArrows(s);
    }
}

void Form3::Timer1_Timer()
{
    const Setup s = setup();
    const double width = Picture1->widthTwips();
    const double height = Picture1->heightTwips();
    // Besides the floor line, the first run that starts by itself may find
    // inputs changed to no motion at all before its first tick.
    if (mustStop(m_run, s, height)) {
        stopRun();
        return;
    }

    advance(m_run, s, width, height);
    write(Text4, core::format3(m_run.simTime));
    m_scene->erase(m_run, m_arrows, EraseVariant::Tick);
    m_scene->drawBlocks(m_run, s, m_tension, capUnlessZero(s.m2));
    rememberArrows(s);
    if (isStrobeTime(m_run.simTime))
        m_scene->drawStrobeMarks(m_run);
    write(Text6, core::format3(m_run.distance));
    showMoving(true);
}

void Form3::showMoving(bool moving)
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
    m_needsReset = true;
    showMoving(false);
    m_run.rememberDrawn();
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
    showMoving(false);
    Timer1->stop();
    m_run.rememberDrawn();
    goTo(ui::WindowId::Form7);
}
