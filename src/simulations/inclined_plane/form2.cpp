#include "simulations/inclined_plane/form2.h"

#include "simulations/inclined_plane/inclined_plane_scene.h"
#include "ui/accessibility.h"
#include "ui/layout.h"
#include "core/number_text.h"
#include "ui/picture_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

namespace model = inclined_plane;

const QString FrictionWins = QStringLiteral("Fricción mayor");

QFont controlFont()
{
    return ui::font({QStringLiteral("Arial Unicode MS"), 9.75, true});
}

// The fields only show results; nothing reads them.
QLineEdit *field(QWidget *parent, const char *name, int left, int top, int width)
{
    auto *edit = ui::makeControl<QLineEdit>(parent, name);
    edit->setFont(controlFont());
    edit->setReadOnly(true);
    ui::place(edit, left, top, width, 375);
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int top, const QFont &face)
{
    auto *button = ui::makeControl<QPushButton>(parent, name);
    button->setText(caption);
    button->setFont(face);
    ui::place(button, 600, top, 2655, 615);
    return button;
}

} // namespace

Form2::Form2(QWidget *parent)
    : ui::FormBase(QStringLiteral("Cuestaval."), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form2"));

    Label1 = ui::centredLabel(this, "Label1", QStringLiteral("Ángulo de Inclinación"), controlFont(), 360, 360, 1575, 495);
    HScroll1 = ui::scrollBar(this, "HScroll1", {0, 90, 1, 5, 0}, 2280, 360, 1215, 375);
    Text1 = field(this, "Text1", 3960, 360, 1215);
    Label2 = ui::centredLabel(this, "Label2", QStringLiteral("Coeficiente de Fricción"), controlFont(), 5640, 240, 1695, 495);
    HScroll2 = ui::scrollBar(this, "HScroll2", {0, 1000, 10, 50, 0}, 7680, 360, 1215, 375);
    Text2 = field(this, "Text2", 9240, 360, 1215);
    Label3 = ui::centredLabel(this, "Label3", QStringLiteral("Aceleración del Bloque"), controlFont(), 240, 1560, 1695, 495);
    Text3 = field(this, "Text3", 2280, 1560, 1695);
    Label4 = ui::centredLabel(this, "Label4", QStringLiteral("Tiempo de Deslizamiento"), controlFont(), 240, 2400, 1695, 495);
    Text4 = field(this, "Text4", 2280, 2400, 1095);
    // As tall as the other labels of the column: the caption takes two lines.
    Label5 = ui::centredLabel(this, "Label5", QStringLiteral("Distancia Recorrida"), controlFont(), 360, 3360, 1575, 495);
    Text5 = field(this, "Text5", 2280, 3360, 1095);
    Command1 = button(this, "Command1", QStringLiteral("Iniciar Movimiento"), 4440, controlFont());
    Command3 = button(this, "Command3", QStringLiteral("Detener Movimiento"), 5400,
                      ui::font({QStringLiteral("@Arial Unicode MS"), 9.75, true}));
    Command2 = button(this, "Command2", QStringLiteral("Regresar"), 6360, controlFont());

    Picture1 = ui::makeControl<ui::PictureBox>(this, "Picture1");
    ui::describePicture(Picture1, QStringLiteral("Simulación"),
                        QStringLiteral("El plano inclinado con el bloque y sus fuerzas: peso, sus componentes, normal y fricción, a escala. Durante el movimiento deja marcas cada 0,1 s en las franjas izquierda e inferior."));
    Picture1->setBackground(core::colour::cyan);
    ui::place(Picture1, 4440, 1560, 6000, 6000);

    // Laid out enabled: it starts counting when the window loads.
    Timer1 = ui::makeControl<QTimer>(this, "Timer1");
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(360);

    setTabOrder(HScroll1, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, HScroll2);
    setTabOrder(HScroll2, Text2);
    setTabOrder(Text2, Command2);
    setTabOrder(Command2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Command3);
    HScroll1->setFocus();

    // valueChanged, not sliderMoved or actionTriggered: the scene and the
    // texts follow every change of Value, whether the user or the program
    // made it.
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form2::HScroll2_Change);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
}

int Form2::angle() const
{
    return HScroll1->value();
}

double Form2::acceleration() const
{
    return model::slideAcceleration(angle(), m_state.mu);
}

void Form2::Form_Load()
{
    model::drawLoadScene(*Picture1, m_state);
    m_state.lastAngle = HScroll1->value();
    HScroll1->setValue(0);
    HScroll2->setValue(0);
    Text1->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("0"));
    HScroll1->setEnabled(true);
    HScroll2->setEnabled(true);
    Command1->setEnabled(true);
    Command3->setEnabled(false);
    Timer1->start();
}

void Form2::HScroll1_Change()
{
    Text1->setText(QString::number(angle()));
    model::redrawForScroll(*Picture1, m_state, angle());
    m_state.lastAngle = angle();

    // On a level plane a block held by friction shows no message, and "0"
    // when nothing acts along the plane at all.
    const double a = acceleration();
    if (a > 0) {
        Text3->setText(core::format2(a));
    } else {
        if (angle() != 0)
            Text3->setText(FrictionWins);
        if (a == 0)
            Text3->setText(QStringLiteral("0"));
    }
}

void Form2::HScroll2_Change()
{
    const double mu = HScroll2->value() / 1000.0;
    Text2->setText(core::formatShortest(mu));
    m_state.mu = mu;
    model::redrawForScroll(*Picture1, m_state, angle());
    m_state.lastAngle = angle();

    const double a = acceleration();
    if (a > 0)
        Text3->setText(core::format2(a));
    else if (angle() != 0)
        Text3->setText(FrictionWins);
}

void Form2::Command1_Click()
{
    if (acceleration() > 0) {
        model::clearStrobeStrips(*Picture1);
        // The first tick erases the last scene drawn and draws this one.
        m_state.sceneNow = model::startScene(m_state.sceneNow, angle(), m_state.mu, Picture1->widthTwips(),
                                             Picture1->heightTwips());
        Timer1->start(100);
        m_running = true;
        Command3->setEnabled(true);
        m_state.simTime = 0;
        m_state.prevTime = 0;
    } else if (angle() != 0) {
        Text3->setText(FrictionWins);
    }
}

void Form2::Timer1_Timer()
{
    // The loading timer's tick lands here too and only settles the window,
    // even when the angle moved before it.
    if (!m_running || !model::mayAdvance(m_state, angle(), Picture1->heightTwips())) {
        Timer1->stop();
        m_running = false;
        HScroll1->setEnabled(true);
        HScroll2->setEnabled(true);
        Command1->setEnabled(true);
        Command3->setEnabled(false);
        return;
    }

    model::advance(m_state, angle(), Picture1->widthTwips());
    Text4->setText(core::format2(m_state.simTime));
    model::redrawForTick(*Picture1, m_state, angle());
    HScroll1->setEnabled(false);
    HScroll2->setEnabled(false);
    Command1->setEnabled(false);
    Text5->setText(core::format2(model::distanceTravelled(m_state, angle())));
}

void Form2::Command3_Click()
{
    Timer1->stop();
    m_running = false;
    Command1->setEnabled(true);
    Command3->setEnabled(false);
    HScroll1->setEnabled(true);
    HScroll2->setEnabled(true);
}

void Form2::Command2_Click()
{
    Command1->setEnabled(true);
    HScroll1->setEnabled(true);
    HScroll2->setEnabled(true);
    Command3->setEnabled(false);
    Timer1->stop();
    m_running = false;
    goTo(ui::WindowId::Form7);
}

void Form2::Form_Unload()
{
    Timer1->stop();
    endProgram();
}
