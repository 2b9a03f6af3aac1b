#pragma once

#include "app/title_window.h"

// The start window, shown at start-up: "Continuar" leads to the menu.
class Form1 : public title::TitleWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
};
