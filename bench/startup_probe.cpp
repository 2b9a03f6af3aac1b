// The program's own start-up, exactly as main() does it, reporting when the
// start window has been painted.

#include "probe_report.h"

#include "app/startup.h"
#include "gui/ui/form_base.h"
#include "gui/ui/navigator.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::setLanguage(app::systemLanguage());
    app::startProgram();
    FirstPaintReporter reporter(ui::navigator().current());
    return QApplication::exec();
}
