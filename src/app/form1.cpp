#include "app/form1.h"
#include "gui/window_id.h"

Form1::Form1(QWidget *parent)
    : title::TitleWindow({"Form1", QStringLiteral("Ordovana."), QStringLiteral("\"Ordovana\""), {4560, 0},
                          {2160, 1920, 6855, 1695}, {2040, 3960, 7095, 1335}, {3120, 5640, 4815, 615},
                          {600, 6840}, {7320, 6840}, true},
                         ui::WindowId::Form7, parent)
{
}
