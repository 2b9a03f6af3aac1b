#include "app/startup.h"
#include "gui/ui/navigator.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a desktop Qt can only report a missing platform plugin; the
    // command line is still answered, and the user is told what is missing.
    if (!app::hasGraphicalSession(argc, argv)) {
        QCoreApplication application(argc, argv);
        app::setLanguage(app::systemLanguage());
        if (const auto status = app::answerCommandLine(application))
            return *status;
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(QCoreApplication::translate(
                         "CommandLine", "Cuestaval necesita una sesión gráfica: ábralo desde el escritorio (X11 o Wayland).")));
        return 1;
    }

    QApplication application(argc, argv);
    app::setLanguage(app::systemLanguage());
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
