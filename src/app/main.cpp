#include "app/startup.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addOption(app::zoomOption());
    parser.process(application);
    if (!app::restoreZoom(parser.value(app::zoomOption())))
        return 2;
    app::startProgram();
    const int status = QApplication::exec();
    ui::navigator().reset();
    return status;
}
