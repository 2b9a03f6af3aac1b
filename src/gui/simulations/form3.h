#pragma once

#include "gui/simulations/simulation_window.h"

class QCheckBox;
class QLabel;

namespace run_data {
class NoteLabel;
}

// The animated horizontal plane: scroll bars set both masses and the
// friction coefficient, the window shows acceleration and tension at once and
// redraws the scene; a timer slides block 1 towards the pulley and lowers
// block 2 until it passes the floor line. The first run starts by itself as
// the window loads.
class Form3 : public SimulationWindow
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

private:
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
    QPushButton *Command4;       // "Datos y gráficas"
    QCheckBox *Check1;           // "Ampliar dibujo"
    QLabel *Label8;              // the gravity the scene uses
    run_data::NoteLabel *Label9; // what a problem's values became on the scroll bars
};
