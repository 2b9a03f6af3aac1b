#include "gui/simulations/simulation_window.h"

#include "gui/simulations/data_window.h"
#include "gui/simulations/note_label.h"
#include "gui/ui/layout.h"
#include "gui/ui/picture_box.h"
#include "gui/ui/settings.h"
#include "gui/window_id.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// A tick of a run: 0.01 s of simulated time every 100 ms, a tenth of real speed.
constexpr int RunInterval = 100;

// "Ampliar dibujo" is one choice for the three simulations, kept for the
// next run like the zoom.
const QString EnlargeKey = QStringLiteral("simulaciones/ampliar_dibujo");

bool enlargedChosen()
{
    return ui::settings().value(EnlargeKey, false).toBool();
}

} // namespace

SimulationWindow::SimulationWindow(std::unique_ptr<simulation::Simulation> simulation, const QString &caption,
                                   QWidget *parent)
    : ui::FormBase(caption, 10875, 7995, parent)
    , m_simulation(std::move(simulation))
{
    Timer1 = ui::makeControl<QTimer>(this, "Timer1");
    // A coarse timer lets the motion stutter.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(m_simulation->rules().loadInterval);
    connect(Timer1, &QTimer::timeout, this, &SimulationWindow::Timer1_Timer);
}

SimulationWindow::~SimulationWindow()
{
    // A field that loses its focus as the window goes has nothing left to
    // move.
    for (QLineEdit *field : std::as_const(m_controls.fields))
        disconnect(field, nullptr, this, nullptr);
}

QScrollBar *SimulationWindow::makeBar(const char *name, int index, int left, int top, int width, int height)
{
    const simulation::Bar bar = m_simulation->bars().at(index);
    return ui::scrollBar(this, name, {bar.minimum(), bar.maximum(), bar.smallChange, bar.largeChange, bar.initial},
                         left, top, width, height);
}

QCheckBox *SimulationWindow::enlargeBox(const QFont &font, int left, int top, int width, int height)
{
    auto *box = ui::makeControl<QCheckBox>(this, "Check1");
    //: Check box of the simulations: blocks and force arrows drawn larger, for a class to see
    box->setText(tr("Ampliar dibujo"));
    box->setFont(font);
    box->setToolTip(tr("Bloques y flechas de fuerza más grandes, para proyectar ante la clase"));
    ui::place(box, left, top, width, height);
    return box;
}

QLabel *SimulationWindow::unitAfter(QLineEdit *field, const char *name, const QString &caption, const QString &symbol)
{
    // The words a screen reader says, and the room the symbol takes (twips).
    struct Known {
        const char *symbol;
        const char *words;
        int width;
    };
    static constexpr Known units[] = {
        {"kg", QT_TR_NOOP("en kilogramos"), 255}, {"m/s²", QT_TR_NOOP("en metros por segundo al cuadrado"), 525},
        {"N", QT_TR_NOOP("en newtons"), 240},     {"s", QT_TR_NOOP("en segundos"), 210},
        {"m", QT_TR_NOOP("en metros"), 270},      {"°", QT_TR_NOOP("en grados"), 210},
    };
    for (const Known &unit : units) {
        if (symbol == QString::fromUtf8(unit.symbol))
            return ui::unitLabel(this, name, field, caption, {symbol, tr(unit.words)}, unit.width);
    }
    return nullptr;
}

void SimulationWindow::takeControls(const Controls &controls)
{
    m_controls = controls;
    // valueChanged, not sliderMoved or actionTriggered: the scene and the
    // texts follow every change of a value, whether the user or the program
    // made it.
    for (int i = 0; i < controls.bars.size(); ++i)
        connect(controls.bars.at(i), &QScrollBar::valueChanged, this, [this, i] { HScroll_Change(i); });
    connect(controls.start, &QPushButton::clicked, this, &SimulationWindow::Command1_Click);
    connect(controls.back, &QPushButton::clicked, this, &SimulationWindow::Command2_Click);
    connect(controls.stop, &QPushButton::clicked, this, &SimulationWindow::Command3_Click);
    connect(controls.data, &QPushButton::clicked, this, &SimulationWindow::Command4_Click);
    // toggled, not clicked: the choice made in another simulation window
    // reaches this one as it shows itself.
    connect(controls.enlarge, &QCheckBox::toggled, this, &SimulationWindow::Check1_Click);
    for (int i = 0; i < controls.bars.size(); ++i)
        connect(controls.fields.at(i), &QLineEdit::editingFinished, this, [this, i] { Text_Validate(i); });
    // Only a move of the user's: bars set from a solved problem keep the
    // note that says how they were rounded.
    controls.note->clearWhenMoved({controls.bars.begin(), controls.bars.end()});
    controls.picture->setBackground(core::colour::cyan);
    controls.picture->setRedrawAll([this](core::Canvas &canvas) { redrawAll(canvas); });
    m_recorder = std::make_unique<run_data::Recorder>(this, [picture = controls.picture] { return picture->image(); },
                                                      controls.subject, m_simulation->newRecord().energy().massChosen);
}

QList<int> SimulationWindow::barValues() const
{
    QList<int> values;
    for (const QScrollBar *bar : m_controls.bars)
        values.append(bar->value());
    return values;
}

void SimulationWindow::showReadouts(const simulation::Readouts &readouts)
{
    for (const simulation::Readout &readout : readouts) {
        QLineEdit *field = m_controls.fields.at(readout.field - 1);
        field->setText(readout.text);
        // Long texts ("No solución") are shown from their start.
        field->setCursorPosition(0);
    }
}

void SimulationWindow::showFrame()
{
    m_overdraw.show(*m_controls.picture, m_simulation->frame(), m_simulation->fixedParts());
    m_showingLoadFrame = false;
}

void SimulationWindow::showScaleLine()
{
    const simulation::enlarged::ScaleLine line = m_simulation->scaleLine();
    if (m_scaleShown)
        simulation::enlarged::erase(*m_controls.picture, line);
    m_scaleShown = m_simulation->isEnlarged();
    if (m_scaleShown)
        simulation::enlarged::draw(*m_controls.picture, line);
}

void SimulationWindow::clearStrobeMarks()
{
    core::draw(*m_controls.picture, m_simulation->strobeStrips());
    m_marks.clear();
}

void SimulationWindow::Form_Load()
{
    ui::PictureBox &picture = *m_controls.picture;
    m_simulation->setPicture(picture.widthTwips(), picture.heightTwips());
    {
        const QSignalBlocker quiet(m_controls.enlarge);
        m_controls.enlarge->setChecked(enlargedChosen());
        m_simulation->setEnlarged(m_controls.enlarge->isChecked());
    }
    m_simulation->drawFixed(picture);
    m_overdraw.show(picture, m_simulation->loadFrame(), m_simulation->fixedParts());
    m_showingLoadFrame = true;
    showScaleLine();
    showReadouts(m_simulation->readouts(simulation::Moment::Load));
    setMoving(false);
    m_needsReset = true;
    m_run = Run::Loading;
    Timer1->start(m_simulation->rules().loadInterval);
}

void SimulationWindow::HScroll_Change(int bar)
{
    m_simulation->setUp(barValues());
    showReadouts(m_simulation->readouts(simulation::Moment::BarMoved, bar));
    clearStrobeMarks();
    showFrame();
    showScaleLine();
    m_needsReset = false;
}

// The same bodies where they are, drawn the other way; the marks stay.
void SimulationWindow::Check1_Click(bool on)
{
    m_simulation->setEnlarged(on);
    if (m_showingLoadFrame)
        m_overdraw.show(*m_controls.picture, m_simulation->loadFrame(), m_simulation->fixedParts());
    else
        showFrame();
    showScaleLine();
    if (enlargedChosen() != on)
        ui::settings().setValue(EnlargeKey, on);
}

// The bar moves as the user would move it, so the fields, the picture and
// the data follow; the note says what was rounded, or why the bar stays.
void SimulationWindow::Text_Validate(int bar)
{
    QScrollBar *scroll = m_controls.bars.at(bar);
    const simulation::Typed typed =
        simulation::typedValue(m_controls.fields.at(bar)->text(), m_simulation->bars().at(bar), scroll->value());
    // A bar held by a run stays, and so does its note.
    if (scroll->isEnabled()) {
        if (typed.value)
            scroll->setValue(*typed.value);
        m_controls.note->setNote(typed.note);
    }
    // Also where the bar stays where it was: "30,0" reads "30" again.
    showReadouts({{bar + 1, m_simulation->barText(bar)}});
}

void SimulationWindow::Command1_Click()
{
    if (!m_simulation->canStart()) {
        showReadouts(m_simulation->readouts(simulation::Moment::StartRefused));
        return;
    }
    const simulation::RunRules rules = m_simulation->rules();
    showReadouts(m_simulation->readouts(simulation::Moment::Start));
    const bool redraw = rules.startRedrawsStart && m_needsReset;
    if (rules.startClearsMarks || redraw)
        clearStrobeMarks();
    m_simulation->restart();
    if (redraw)
        showFrame();
    m_clock.reset();
    m_run = Run::Armed;
    Timer1->start(RunInterval);
    if (rules.startEnablesStop)
        m_controls.stop->setEnabled(true);
}

void SimulationWindow::Timer1_Timer()
{
    const bool settlesOnly = m_run == Run::Loading && !m_simulation->rules().loadRunMoves;
    if (settlesOnly || !m_simulation->moves() || m_simulation->finished()) {
        stopRun();
        return;
    }

    m_clock.tick();
    m_simulation->step(m_clock);
    if (m_run != Run::Moving) {
        m_recorder->start(m_simulation->newRecord());
        m_run = Run::Moving;
    }
    const bool strobe = m_clock.strobeDue();
    m_recorder->advance(m_simulation->sample(), strobe);
    showReadouts(m_simulation->readouts(simulation::Moment::Tick));
    showFrame();
    if (strobe) {
        const QList<core::Point> marks = m_simulation->strobePoints();
        core::draw(*m_controls.picture, simulation::strobeMarks(marks));
        m_marks.append(marks);
    }
    setMoving(true);
}

// The bodies stay drawn where they are; the next start begins at the start.
void SimulationWindow::Command3_Click()
{
    stopRun();
}

// Back to the menu, or to the window this visit came from (the practice).
void SimulationWindow::Command2_Click()
{
    stopRun();
    ui::navigator().goTo(ui::navigator().wayBack(ui::WindowId::Form7));
}

void SimulationWindow::Command4_Click()
{
    m_recorder->openWindow();
}

void SimulationWindow::Form_Unload()
{
    Timer1->stop();
    m_recorder->finish();
}

void SimulationWindow::stopRun()
{
    if (Timer1->isActive())
        m_needsReset = true;
    Timer1->stop();
    m_run = Run::Idle;
    m_recorder->finish();
    setMoving(false);
}

void SimulationWindow::setMoving(bool moving)
{
    for (QScrollBar *bar : m_controls.bars)
        bar->setEnabled(!moving);
    // Nothing typed can move a bar while the bodies move, and the focus
    // that leaves "Iniciar Movimiento" does not go to a field that takes
    // nothing.
    for (int i = 0; i < m_controls.bars.size(); ++i) {
        m_controls.fields.at(i)->setReadOnly(moving);
        m_controls.fields.at(i)->setFocusPolicy(moving ? Qt::NoFocus : Qt::StrongFocus);
    }
    m_controls.start->setEnabled(!moving);
    m_controls.stop->setEnabled(moving);
}

void SimulationWindow::showEvent(QShowEvent *event)
{
    ui::FormBase::showEvent(event);
    // As chosen last, in this window or another.
    m_controls.enlarge->setChecked(enlargedChosen());
    if (m_handedValues)
        takeValues(*std::exchange(m_handedValues, std::nullopt));
}

// A run under way shows other values, so it stops as "Detener Movimiento"
// stops it; the run the load started may go on with the new values instead.
void SimulationWindow::takeValues(const QList<double> &values)
{
    const bool joinsLoadRun = m_run == Run::Loading && m_simulation->rules().loadRunTakesValues;
    if (Timer1->isActive() && !joinsLoadRun)
        stopRun();
    // The bars move as a user would move them, so the fields and the
    // picture follow.
    const simulation::Handover handover = simulation::toBars(values, m_simulation->bars());
    for (int i = 0; i < handover.values.size() && i < m_controls.bars.size(); ++i)
        m_controls.bars.at(i)->setValue(handover.values.at(i));
    // The problem windows work with g = 9,81 m/s², the simulations with 9,8:
    // the note says what that changes.
    QStringList notes{handover.note};
    if (const std::optional<simulation::GravityShown> shown = m_simulation->gravityShown())
        notes.append(simulation::gravityNote(*shown));
    notes.removeAll(QString());
    m_controls.note->setNote(notes.join(QStringLiteral(". ")));
}

// The marks lie apart from every shape of a frame, so their order against
// the frame does not matter.
void SimulationWindow::redrawAll(core::Canvas &canvas) const
{
    m_simulation->drawFixed(canvas);
    core::draw(canvas, m_simulation->fixedParts());
    core::draw(canvas, m_overdraw.shown());
    core::draw(canvas, simulation::strobeMarks(m_marks));
    if (m_scaleShown)
        simulation::enlarged::draw(canvas, m_simulation->scaleLine());
}
