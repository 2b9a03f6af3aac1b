#pragma once

#include "core/drawing/frame.h"
#include "core/simulations/run_clock.h"
#include "core/simulations/inclined_plane_scene.h"
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

namespace run_data {
class NoteLabel;
class Recorder;
}

// The inclined-plane simulation: scroll bars set the angle and the
// coefficient of friction, the picture shows the plane, the block and its
// forces, and "Iniciar Movimiento" slides the block down at a tenth of real
// speed, leaving a strobe mark every 0.1 s.
class Form2 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
    ~Form2() override;

    // The run as a window beside this one reads it.
    double acceleration() const; // m/s², for the bars as they stand
    const core::RunClock &runClock() const { return m_clock; }
    double distanceAt(double t) const; // metres slid after t seconds
    bool isRunning() const { return m_running; }

protected:
    void Form_Load() override;
    void Form_Unload() override;
    // A problem solved in the problem window since the last visit sets the
    // bars to its values.
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
    simulation::inclined_plane::Incline incline() const;
    // Clears the strobe marks and shows the block at the start position.
    void redrawForScroll();
    void stopMotion();
    void setMoving(bool moving);
    void takeProblem();
    // The whole picture as it stands: title, strobe marks, the frame shown
    // last. The marks never meet a frame, so their order does not matter.
    void drawAll(core::Canvas &canvas) const;

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
    QLabel *Label5;
    QLineEdit *Text5;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command2;
    QPushButton *Command4;
    // How a value of the solved problem was rounded to fit its bar; gone
    // with the next move of a bar.
    run_data::NoteLabel *Label6;
    QLabel *Label7; // the g of the simulation, not the problem's 9,81
    ui::PictureBox *Picture1;
    QTimer *Timer1;

    core::RunClock m_clock;
    // Where the block and its forces are: at the start position after a
    // scroll change or a start, further down after every tick.
    simulation::inclined_plane::Scene m_scene;
    core::Overdraw m_overdraw{core::colour::cyan};
    // Where the block's lower downhill corner stood at each strobe mark of
    // this run: with the title and the frame shown last, the whole picture.
    std::vector<core::Point> m_marks;
    // A run begun by "Iniciar Movimiento" and not yet stopped. Only such a
    // run advances: it is the one "Detener Movimiento" can stop.
    bool m_running = false;
    std::unique_ptr<run_data::Recorder> m_runData;
};
