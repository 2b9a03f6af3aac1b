#pragma once

#include <QCommandLineOption>
#include <QString>

namespace app {

// Everything the program does before its event loop runs: application-wide
// settings, the window registry, and the start window on screen.
void startProgram();

// --zoom N starts every window at N %.
QCommandLineOption zoomOption();
// The zoom of this run: --zoom's value when given (empty if not), otherwise
// the zoom of the last run; and every zoom the user picks from now on is
// kept for the next. False, said on standard error, for a value that is not
// a zoom step.
bool restoreZoom(const QString &optionValue);

} // namespace app
