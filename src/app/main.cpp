#include "app/startup.h"
#include "ui/navigator.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::startProgram();
    const int status = QApplication::exec();
    ui::navigator().reset();
    return status;
}
