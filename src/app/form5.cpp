#include "app/form5.h"
#include "gui/window_id.h"

// The title label is 600 twips wider than designed, about the same centre:
// at this size the title needs some 5430 twips, and a narrower label wraps
// it out of sight.
Form5::Form5(QWidget *parent)
    : title::TitleWindow({"Form5", tr("Máquina de Atwood"), tr("\"Máquina de Atwood\""),
                          {4440, 240}, {1920, 2280, 7215, 1935}, {2340, 4680, 5895, 615},
                          {2880, 5760, 4815, 615}, {720, 6720}, {7320, 6720}, false},
                         ui::WindowId::Form6, parent)
{
}
