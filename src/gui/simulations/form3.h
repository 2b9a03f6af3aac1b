#pragma once

#include "core/simulations/horizontal_plane_scene.h"
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

namespace run_data {
class NoteLabel;
class Recorder;
struct Handover;
}

namespace ui {
class PictureBox;
}

// The animated horizontal plane: scroll bars set both masses and the
// friction coefficient, the window shows acceleration and tension at once and
// redraws the scene; a timer slides block 1 towards the pulley and lowers
// block 2 until it passes the floor line.
class Form3 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);
    ~Form3() override;

    // The run as a data window reads it, in SI units: the setup on the
    // scroll bars gives acceleration and distance; the tension is the one
    // Text7 shows.
    double acceleration() const;
    double tension() const { return m_tension; }
    const core::RunClock &clock() const { return m_clock; }
    double distanceAt(double time) const;
    bool isRunning() const;
    const run_data::Recorder &runData() const { return *m_runData; }

protected:
    void Form_Load() override;
    void Form_Unload() override;
    // A problem solved in Form9 since the last visit sets the scroll bars.
    void showEvent(QShowEvent *event) override;

private slots:
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();
    void Command4_Click();

private:
    simulation::horizontal_plane::Setup setup() const;
    simulation::horizontal_plane::State stateAt(double time) const;
    // Acceleration and tension for the scroll values, in Text5 and Text7.
    void showPhysics(int accelerationDecimals);
    // After a scroll change: the physics, and the blocks where a run begins.
    void showSetUp(int accelerationDecimals);
    void showFrame(const simulation::horizontal_plane::State &state);
    void clearStrobeStrips();
    void stopRun();
    void setMoving(bool moving);
    void takeProblem(const run_data::Handover &handover);
    // The whole picture as it stands: for a picture made anew at a new zoom.
    void redrawAll(core::Canvas &canvas) const;

    QLabel *Label1;
    QScrollBar *HScroll1;
    QLineEdit *Text1;
    QLabel *Label2;
    QScrollBar *HScroll2;
    QLineEdit *Text2;
    QLabel *Label3;
    QScrollBar *HScroll3;
    QLineEdit *Text3;
    QLabel *Label5;
    QLineEdit *Text5;
    QLabel *Label4;
    QLineEdit *Text4;
    QLabel *Label6;
    QLineEdit *Text6;
    QLabel *Label7;
    QLineEdit *Text7;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command2;
    ui::PictureBox *Picture1;
    QTimer *Timer1;
    QPushButton *Command4; // "Datos y gráficas"
    QLabel *Label8;        // the gravity the scene uses
    run_data::NoteLabel *Label9; // what a problem's values became on the scroll bars

    core::RunClock m_clock;
    core::Overdraw m_overdraw{core::colour::cyan};
    // The marks this run has left, so the picture can be drawn again from
    // the fixed parts, the frame shown last and these.
    std::vector<core::Point> m_marks;
    double m_tension = 0;
    // The picture does not show the start position: a start redraws it.
    bool m_needsReset = false;
    std::unique_ptr<run_data::Recorder> m_runData;
};
