#pragma once

#include <QPushButton>

namespace ui {

// A push button whose caption breaks onto a second line at a blank when it
// is wider than the button, as the designed captions of some narrow buttons
// need. text() stays the caption as given.
class WrappingButton : public QPushButton
{
public:
    explicit WrappingButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
