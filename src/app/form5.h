#pragma once

#include "app/title_window.h"

// The title window of the Atwood-machine simulation: "Continuar" opens it.
class Form5 : public title::TitleWindow
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);
};
