#pragma once

#include "core/drawing/frame.h"
#include "core/simulations/run_clock.h"
#include "core/simulations/simulation.h"
#include "gui/ui/form_base.h"

#include <QList>

#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace ui {
class PictureBox;
}

namespace run_data {
class NoteLabel;
class Recorder;
}

// A simulation window: the scroll bars set up its simulation, the fields
// show what the simulation says they show, and "Iniciar Movimiento" runs it
// in the picture at a tenth of real speed, a tick every 100 ms, leaving a
// strobe mark every 0,1 s. The window never erases by hand: each new frame
// replaces the one shown last (core::Overdraw). Form2, Form3 and Form6 only
// lay out their controls and name their simulation.
class SimulationWindow : public ui::FormBase
{
    Q_OBJECT

public:
    ~SimulationWindow() override;

protected:
    SimulationWindow(std::unique_ptr<simulation::Simulation> simulation, const QString &caption,
                     QWidget *parent = nullptr);

    // The controls the window laid out, each called as in every simulation
    // window: HScroll1…, Text1… (the first ones beside the bars, the user may
    // type there), Command1 "Iniciar Movimiento", Command3 "Detener
    // Movimiento", Command2 "Regresar", Command4 "Datos y gráficas", Check1
    // "Ampliar dibujo".
    struct Controls {
        QList<QScrollBar *> bars;
        QList<QLineEdit *> fields;
        QPushButton *start;
        QPushButton *stop;
        QPushButton *back;
        QPushButton *data;
        QCheckBox *enlarge;
        ui::PictureBox *picture;
        run_data::NoteLabel *note;
        QString subject; // the data window's title and file names
    };
    // Once, at the end of the window's constructor.
    void takeControls(const Controls &controls);

    // A scroll bar as the simulation describes its bar `index`, placed in twips.
    QScrollBar *makeBar(const char *name, int index, int left, int top, int width, int height);
    // "Ampliar dibujo", placed in twips.
    QCheckBox *enlargeBox(const QFont &font, int left, int top, int width, int height);
    // The unit after a field, as on the problem windows: "kg", "m/s²", "N",
    // "s", "m" or "°"; `caption` names the field for a screen reader.
    QLabel *unitAfter(QLineEdit *field, const char *name, const QString &caption, const QString &symbol);

    void Form_Load() override;
    void Form_Unload() override;
    // A solved problem's quantities, in the order of the bars: they go to
    // the bars as the window shows itself.
    void receiveValues(const QList<double> &values) override { m_handedValues = values; }
    void showEvent(QShowEvent *event) override;

private slots:
    void HScroll_Change(int bar);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Check1_Click(bool on);
    // Enter in the field beside bar `bar`, or leaving it after typing.
    void Text_Validate(int bar);
    void Timer1_Timer();

private:
    enum class Run {
        Idle,
        Loading, // the timer the load started, before its first tick
        Armed,   // started, before the first tick
        Moving,
    };

    QList<int> barValues() const;
    void showReadouts(const simulation::Readouts &readouts);
    void showFrame();
    // The line that states the scale of the enlarged drawing's arrows, or
    // none: drawn, erased or left as it is.
    void showScaleLine();
    void clearStrobeMarks();
    void stopRun();
    void setMoving(bool moving);
    void takeValues(const QList<double> &values);
    // The whole picture as it stands, for a picture made anew at a new zoom.
    void redrawAll(core::Canvas &canvas) const;

    std::unique_ptr<simulation::Simulation> m_simulation;
    Controls m_controls{};
    QTimer *Timer1;
    core::RunClock m_clock;
    core::Overdraw m_overdraw{core::colour::cyan};
    // The marks of this run: with the fixed parts and the frame shown last,
    // the whole picture.
    QList<core::Point> m_marks;
    Run m_run = Run::Idle;
    // A start must draw the start position again: the load leaves it set,
    // a run sets it, a bar change clears it.
    bool m_needsReset = false;
    // The picture still shows the load's own frame (the inclined plane's
    // block resting on the level ground).
    bool m_showingLoadFrame = false;
    bool m_scaleShown = false;
    std::optional<QList<double>> m_handedValues;
    std::unique_ptr<run_data::Recorder> m_recorder;
};
