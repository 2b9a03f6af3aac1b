#include "app/windows.h"

#include "app/form1.h"
#include "app/form4.h"
#include "app/form5.h"
#include "app/form7.h"
#include "gui/exercises/form11.h"
#include "gui/problems/form10.h"
#include "gui/problems/form8.h"
#include "gui/problems/form9.h"
#include "gui/simulations/form6.h"
#include "gui/simulations/form3.h"
#include "gui/simulations/form2.h"
#include "gui/window_id.h"

namespace app {

ui::FormBase *createWindow(ui::WindowId id)
{
    switch (id) {
    case ui::WindowId::Form1:
        return new Form1;
    case ui::WindowId::Form2:
        return new Form2;
    case ui::WindowId::Form3:
        return new Form3;
    case ui::WindowId::Form4:
        return new Form4;
    case ui::WindowId::Form5:
        return new Form5;
    case ui::WindowId::Form6:
        return new Form6;
    case ui::WindowId::Form7:
        return new Form7;
    case ui::WindowId::Form8:
        return new Form8;
    case ui::WindowId::Form9:
        return new Form9;
    case ui::WindowId::Form10:
        return new Form10;
    case ui::WindowId::Form11:
        return new Form11;
    }
    Q_UNREACHABLE();
    return nullptr;
}

void installWindows()
{
    ui::navigator().setFactory(&createWindow);
}

} // namespace app
