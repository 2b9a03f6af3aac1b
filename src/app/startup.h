#pragma once

#include <optional>

class QCoreApplication;
class QLocale;

namespace app {

// What every window relies on, set once before any window is built: the
// locale numbers are typed and shown in (core::numberLocaleFor the system's
// locale), Qt's own words in Spanish ("Aceptar" in a message box), and Enter
// pressing the push button that has the focus. The program passes
// QLocale::system(); tests pass the locale of the machine they pretend to be.
void setUpApplication(const QLocale &system);

// Qt's translation into Spanish, for its own words: dialog buttons and the
// command line's help and errors. False when it is not installed
// (Debian's qt6-translations-l10n); the program then runs with Qt's English.
bool loadQtSpanish(QCoreApplication &application);

// True when a window can be shown: a display (X11 or Wayland) or a platform
// chosen explicitly, in QT_QPA_PLATFORM or with -platform.
bool hasGraphicalSession(int argc, char *argv[]);

// Answers --help and --version (in Spanish) and rejects unknown options.
// Returns the exit status when the program has nothing more to do, nothing
// when it should go on and open its windows.
std::optional<int> answerCommandLine(const QCoreApplication &application);

// Everything the program does before its event loop runs: the settings
// above, the window registry, and the start window on screen.
void startProgram();

} // namespace app
