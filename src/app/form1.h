#pragma once

#include "ui/form_base.h"

class QLabel;
class QPushButton;
class QSvgWidget;

// The start window, shown at start-up: "Continuar" leads to the menu.
class Form1 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

private slots:
    void Command1_Click();
    void Command2_Click();

private:
    QSvgWidget *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *Command2;
    QPushButton *Command1;
};
