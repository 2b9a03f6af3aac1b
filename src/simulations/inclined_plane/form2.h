#pragma once

#include "simulations/inclined_plane/inclined_plane_model.h"
#include "ui/form_base.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace ui {
class PictureBox;
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

protected:
    void Form_Load() override;
    void Form_Unload() override;

private slots:
    void HScroll1_Change();
    void HScroll2_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();

private:
    int angle() const;
    double acceleration() const;

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
    ui::PictureBox *Picture1;
    QTimer *Timer1;

    inclined_plane::State m_state;
    // A run begun by "Iniciar Movimiento" and not yet stopped. Only such a
    // run advances: it is the one "Detener Movimiento" can stop.
    bool m_running = false;
};
