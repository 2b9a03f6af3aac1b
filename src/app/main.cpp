#include "app/startup.h"
#include "gui/class_sets/class_set_command.h"
#include "gui/ui/navigator.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // A class set is written without a window, with or without a desktop.
    if (class_sets::asksForClassSet(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop Qt can only report a missing platform plugin; the
    // command line is still answered, and the user is told what is missing.
    if (!app::hasGraphicalSession(argc, argv)) {
        QCoreApplication application(argc, argv);
        app::setLanguage(app::systemLanguage());
        if (const auto status = app::answerCommandLine(application))
            return *status;
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(QCoreApplication::translate(
                         "CommandLine", "Cuestaval necesita una sesión gráfica: ábrelo desde el escritorio (X11 o Wayland).")));
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
