#include "app/startup.h"
#include "ui/navigator.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a desktop Qt can only report a missing platform plugin; the
    // command line is still answered, and the user is told what is missing.
    if (!app::hasGraphicalSession(argc, argv)) {
        QCoreApplication application(argc, argv);
        app::loadQtSpanish(application);
        if (const auto status = app::answerCommandLine(application))
            return *status;
        std::fputs("Cuestaval necesita una sesión gráfica: ábralo desde el escritorio (X11 o Wayland).\n", stderr);
        return 1;
    }

    QApplication application(argc, argv);
    app::loadQtSpanish(application);
    QString zoom;
    if (const auto status = app::answerCommandLine(application, &zoom))
        return *status;
    if (!app::restoreZoom(zoom))
        return 2;
    app::startProgram();
    const int status = QApplication::exec();
    ui::navigator().reset();
    return status;
}
