#pragma once

#include <QCommandLineOption>
#include <QString>

#include <optional>

class QCoreApplication;
class QLocale;

namespace app {

// What every window relies on, set once before any window is built: the
// language (setLanguage), the locale numbers are typed and shown in
// (core::numberLocaleFor), and Enter pressing the push button that has the
// focus. The program passes QLocale::system() and systemLanguage(); tests
// pass those of the machine they pretend to be.
void setUpApplication(const QLocale &system, const QString &language = QStringLiteral("es"));

// The language the desktop asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG),
// one of core::programLanguages().
QString systemLanguage();

// Speaks `language` from now on: the program's translation and Qt's own
// words in it (dialog buttons, the command line's errors), replacing those
// of the language before. Spanish for a language the program does not speak.
void setLanguage(const QString &language);
QString language();

// True when a window can be shown: a display (X11 or Wayland) or a platform
// chosen explicitly, in QT_QPA_PLATFORM or with -platform.
bool hasGraphicalSession(int argc, char *argv[]);

// Answers --help and --version (in the program's language) and rejects unknown options;
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
