#pragma once

#include "gui/simulations/simulation_window.h"

class QCheckBox;
class QLabel;

namespace run_data {
class NoteLabel;
}

// The inclined-plane simulation: scroll bars set the angle and the
// coefficient of friction, the picture shows the plane, the block and its
// forces, and "Iniciar Movimiento" slides the block down at a tenth of real
// speed, leaving a strobe mark every 0.1 s.
class Form2 : public SimulationWindow
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

private:
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
    QCheckBox *Check1; // "Ampliar dibujo"
    // How a value of the solved problem was rounded to fit its bar; gone
    // with the next move of a bar.
    run_data::NoteLabel *Label6;
    QLabel *Label7; // the g of the simulation, not the problem's 9,81
    ui::PictureBox *Picture1;
};
