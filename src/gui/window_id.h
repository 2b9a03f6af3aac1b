#pragma once

#include "gui/ui/navigator.h"

namespace ui {

// The eleven windows of the program: the start window, the menu, the three
// problem windows, the three simulations, the two title windows in front
// of two of them, and the practice. The application builds each (app/windows.cpp).
enum class WindowId : int { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form11 };

} // namespace ui
