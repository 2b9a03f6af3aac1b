#pragma once

namespace app {

// Everything the program does before its event loop runs: application-wide
// settings, the window registry, and the start window on screen.
void startProgram();

} // namespace app
