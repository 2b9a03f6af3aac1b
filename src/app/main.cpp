#include "app/windows.h"
#include "ui/form_base.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cuestaval"));
    QApplication::setWindowIcon(ui::programIcon());
    // Windows are hidden, never closed, as the user moves between them; the
    // program ends only through "Salir" or a window's close box.
    QApplication::setQuitOnLastWindowClosed(false);

    app::installWindows();
    ui::navigator().goTo(ui::WindowId::Form1);
    const int status = QApplication::exec();
    ui::navigator().reset();
    return status;
}
