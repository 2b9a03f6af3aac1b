#pragma once

#include "gui/simulations/simulation_window.h"

class QCheckBox;
class QLabel;

namespace run_data {
class NoteLabel;
}

// The animated Atwood machine: two scroll bars set the masses, the fields
// show both accelerations and the tension at once, and "Iniciar Movimiento"
// lets the heavier block sink to the floor line at a tenth of real speed.
class Form6 : public SimulationWindow
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);

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
    QLabel *Label7;
    QLineEdit *Text7;
    QLabel *Label5;
    QLineEdit *Text5;
    QLabel *Label6;
    QLineEdit *Text6;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command2;
    QPushButton *Command4;       // "Datos y gráficas"
    QCheckBox *Check1;           // "Ampliar dibujo"
    QLabel *Label8;              // the g of this window, not the 9,81 of the problem
    run_data::NoteLabel *Label9; // what a problem's masses became on the scroll bars
    ui::PictureBox *Picture1;
};
