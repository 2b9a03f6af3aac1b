#pragma once

#include "gui/ui/form_base.h"

class QLabel;
class QPushButton;
class QSvgWidget;

// The menu: one button per problem window, "Ejercicios" and "Salir".
class Form7 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form7(QWidget *parent = nullptr);

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

private:
    QSvgWidget *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5; // "Ejercicios"
};
