#include "app/form4.h"
#include "gui/window_id.h"

Form4::Form4(QWidget *parent)
    : title::TitleWindow({"Form4", tr("Segunda Ley de Newton."),
                          tr("\"Segunda Ley de Newton\""), {4320, 0}, {2040, 2040, 7215, 1935},
                          {2040, 4440, 7335, 735}, {2880, 5640, 4815, 615}, {720, 6600}, {7320, 6600}, false},
                         ui::WindowId::Form3, parent)
{
}
