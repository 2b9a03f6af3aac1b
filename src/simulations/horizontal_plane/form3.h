#pragma once

#include "simulations/horizontal_plane/horizontal_plane_model.h"
#include "simulations/horizontal_plane/horizontal_plane_scene.h"
#include "ui/form_base.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

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

protected:
    void Form_Load() override;
    void Form_Unload() override;

private slots:
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();

private:
    horizontal::Setup setup() const;
    // Acceleration and tension for the scroll values, in Text5 and Text7.
    void showPhysics(int accelerationDecimals);
    // After a scroll change: the new blocks and arrows where a run begins.
    void redrawStart();
    void stopRun();
    void showMoving(bool moving);
    void rememberArrows(const horizontal::Setup &drawn);

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

    std::optional<horizontal::Scene> m_scene;
    horizontal::Run m_run;
    // What the arrows on the picture were drawn with.
    horizontal::ArrowCopies m_arrows;
    double m_tension = 0;
    // The picture does not show the start position: a start redraws it.
    bool m_needsReset = false;
};
