#pragma once

#include "gui/ui/navigator.h"

namespace ui {
class FormBase;
}

namespace app {

// Builds the single instance of each window, for the navigator.
ui::FormBase *createWindow(ui::WindowId id);

// Registers the windows with the navigator; the program and the tests call
// this before showing anything.
void installWindows();

} // namespace app
