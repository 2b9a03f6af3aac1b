#pragma once

#include "core/problems/working.h"
#include "gui/ui/form_base.h"

namespace solvers {
class NoteLine;
}

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSvgWidget;

// The Atwood-machine problem window: tick two of the two masses, the
// acceleration and the tension, type them, and "Resolver" finds the other
// two.
class Form10 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form10(QWidget *parent = nullptr);

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    QSvgWidget *Picture1;
    QCheckBox *Check1;
    QCheckBox *Check2;
    QCheckBox *Check3;
    QCheckBox *Check4;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    solvers::NoteLine *Label1; // the decimal comma, or a hint about the last press
    // How the last press of "Resolver" came out.
    solvers::Working m_working;
    // The quantities of the last press, for the simulation; handed over
    // once, with the next "Simulación".
    QList<double> m_forSimulation;
};
