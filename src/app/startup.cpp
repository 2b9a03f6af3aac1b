#include "app/startup.h"

#include "app/help_window.h"
#include "app/windows.h"
#include "ui/form_base.h"

#include <QApplication>

namespace app {

void startProgram()
{
    QApplication::setApplicationName(QStringLiteral("Cuestaval"));
    QApplication::setDesktopFileName(QStringLiteral("org.cuestaval.Cuestaval"));
    QApplication::setWindowIcon(ui::programIcon());
    // Windows are hidden, never closed, as the user moves between them; the
    // program ends only through "Salir" or a window's close box.
    QApplication::setQuitOnLastWindowClosed(false);

    installWindows();
    ui::setHelpHandler(&showHelp);
    ui::navigator().goTo(ui::WindowId::Form1);
}

} // namespace app
