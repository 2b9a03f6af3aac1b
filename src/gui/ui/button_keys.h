#pragma once

namespace ui {

// Enter and Return press the push button that has the focus, as Space does.
// Qt gives them to buttons only inside dialogs, so in the program's windows
// a keyboard user who tabs to "Continuar" and presses Enter would get
// nothing. Installed once on the application; dialogs keep their own rule
// (Enter presses the default button), and text fields keep theirs.
void pressFocusedButtonsWithEnter();

} // namespace ui
