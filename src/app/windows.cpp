#include "app/windows.h"

#include "app/form1.h"
#include "app/form5.h"
#include "app/form7.h"
#include "simulations/atwood/form6.h"
#include "solvers/form8.h"

namespace app {

ui::FormBase *createWindow(ui::WindowId id)
{
    switch (id) {
    case ui::WindowId::Form1:
        return new Form1;
    case ui::WindowId::Form5:
        return new Form5;
    case ui::WindowId::Form6:
        return new Form6;
    case ui::WindowId::Form7:
        return new Form7;
    case ui::WindowId::Form8:
        return new Form8;
    default:
        break;
    }
    return nullptr;
}

void installWindows()
{
    ui::navigator().setFactory(&createWindow);
}

} // namespace app
