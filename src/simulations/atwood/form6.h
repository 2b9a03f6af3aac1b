#pragma once

#include "simulations/atwood/atwood_model.h"
#include "ui/form_base.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace ui {
class PictureBox;
}

// The animated Atwood machine: two scroll bars set the masses, the fields
// show both accelerations and the tension at once, and "Iniciar Movimiento"
// lets the heavier block sink to the floor line at a tenth of real speed.
class Form6 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);

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
    enum class NoSolutionIn { AllFields, TensionOnly };

    int mass1() const;
    int mass2() const;
    void showPhysics(NoSolutionIn where);
    void massChanged();
    void redrawStartScene();
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
    ui::PictureBox *Picture1;
    QTimer *Timer1;

    atwood::State m_state;
};
