#pragma once

#include <QString>

namespace app {

// The program's version, "1.0.0", from the project's version in CMake.
QString versionNumber();

// What the program is, in a few lines of plain text: name and version, what
// it teaches, its licence. `cuestaval --version` prints it; the help's page
// "Acerca de Cuestaval" says the same.
QString aboutText();

} // namespace app
