#pragma once

#include <QSettings>

namespace ui {

// The few choices the program keeps between runs: the zoom, the practice's
// problem and question, the enlarged drawing of the simulations. A computer
// that cannot keep them only forgets them.
QSettings settings();

} // namespace ui
