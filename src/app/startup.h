#pragma once

#include <QCommandLineOption>
#include <QString>

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

// Answers --help and --version (in Spanish) and rejects unknown options;
// `zoom` receives --zoom's value, empty when not given.
// Returns the exit status when the program has nothing more to do, nothing
// when it should go on and open its windows.
std::optional<int> answerCommandLine(const QCoreApplication &application, QString *zoom = nullptr);

// Everything the program does before its event loop runs: the settings
// above, the window registry, and the start window on screen.
void startProgram();

// --zoom N starts every window at N %.
QCommandLineOption zoomOption();
// The zoom of this run: --zoom's value when given (empty if not), otherwise
// the zoom of the last run; and every zoom the user picks from now on is
// kept for the next. False, said on standard error, for a value that is not
// a zoom step.
bool restoreZoom(const QString &optionValue);

} // namespace app
