#pragma once

#include "ui/form_base.h"

class QLabel;
class QPushButton;
class QSvgWidget;

// The title window of the Atwood-machine simulation: "Continuar" opens it.
class Form5 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);

private slots:
    void Command1_Click();
    void Command2_Click();

private:
    QSvgWidget *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *Command1;
    QPushButton *Command2;
};
