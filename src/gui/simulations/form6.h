#pragma once

#include "core/simulations/atwood_scene.h"
#include "core/drawing/frame.h"
#include "core/simulations/run_clock.h"
#include "gui/ui/form_base.h"

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace ui {
class PictureBox;
}

namespace core {
class Canvas;
}

namespace run_data {
class NoteLabel;
class Recorder;
}

// The animated Atwood machine: two scroll bars set the masses, the fields
// show both accelerations and the tension at once, and "Iniciar Movimiento"
// lets the heavier block sink to the floor line at a tenth of real speed.
class Form6 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);
    ~Form6() override;

    // The run, read only, for a window that shows its data.
    double acceleration() const; // m/s², of either block; 0 when both masses are zero
    double tension() const;      // N
    const core::RunClock &runClock() const { return m_clock; }
    double distanceAt(double seconds) const; // m travelled by each block
    bool isRunning() const;

    // Draws the whole picture anew from the fixed parts, the frame shown
    // last and the strobe marks of this run: what it shows already.
    void redrawPicture();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void showEvent(QShowEvent *event) override;

private slots:
    void HScroll1_Change();
    void HScroll2_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Timer1_Timer();

private:
    enum class NoSolutionIn { AllFields, TensionOnly };

    simulation::atwood::Machine machine() const;
    simulation::atwood::FrameState frameState(double time) const;
    void showPhysics(NoSolutionIn where);
    void massChanged();
    void showStartScene();
    void leaveStrobeMarks();
    void drawWholePicture(core::Canvas &canvas) const;
    void takeProblemValues();
    void stopMotion();
    void setMoving(bool moving);

    QLabel *Label1;
    QScrollBar *HScroll1;
    QLineEdit *Text1;
    QLabel *Label2;
    QScrollBar *HScroll2;
    QLineEdit *Text2;
    QLabel *Label3;
    QLineEdit *Text3;
    QLabel *Label4;
    QLineEdit *Text4;
    QLabel *Label7;
    QLineEdit *Text7;
    QLabel *Label5;
    QLineEdit *Text5;
    QLabel *Label6;
    QLineEdit *Text6;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command2;
    QPushButton *Command4; // "Datos y gráficas"
    QLabel *Label8;        // the g of this window, not the 9,81 of the problem
    run_data::NoteLabel *Label9; // what a problem's masses became on the scroll bars
    ui::PictureBox *Picture1;
    QTimer *Timer1;

    simulation::atwood::Machine m_loaded; // the masses at load fix the scale of the motion
    core::RunClock m_clock;
    core::Overdraw m_overdraw;
    std::vector<core::Point> m_strobeMarks; // of this run, in twips
    bool m_needsReset = false;              // the scene is not at its start position
    std::unique_ptr<run_data::Recorder> m_runData;
};
