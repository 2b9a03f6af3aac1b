#pragma once

#include "app/title_window.h"

// The title window of the horizontal-plane simulation: "Continuar" opens it.
class Form4 : public title::TitleWindow
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);
};
