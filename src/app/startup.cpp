#include "app/startup.h"

#include "app/help_window.h"
#include "app/windows.h"
#include "ui/form_base.h"
#include "ui/message.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>

namespace app {

namespace {

// The zoom is the one thing the program remembers between runs.
QSettings zoomSettings()
{
    return QSettings(QStringLiteral("Cuestaval"), QStringLiteral("cuestaval"));
}

void rememberZoom(int percent)
{
    QSettings settings = zoomSettings();
    settings.setValue(QStringLiteral("zoom"), percent);
    settings.sync();
    static bool told = false;
    if (settings.status() != QSettings::NoError && !told) {
        told = true;
        ui::showMessage(ui::navigator().current(),
                        QStringLiteral("No se ha podido guardar la escala de las ventanas para la próxima vez."));
    }
}

} // namespace

void startProgram()
{
    QApplication::setApplicationName(QStringLiteral("Cuestaval"));
    QApplication::setDesktopFileName(QStringLiteral("org.cuestaval.Cuestaval"));
    QApplication::setWindowIcon(ui::programIcon());
    // Windows are hidden, never closed, as the user moves between them; the
    // program ends only through "Salir" or a window's close box.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installZoom();

    installWindows();
    ui::setHelpHandler(&showHelp);
    ui::navigator().goTo(ui::WindowId::Form1);
}

QCommandLineOption zoomOption()
{
    return QCommandLineOption(QStringLiteral("zoom"),
                              QStringLiteral("Escala de las ventanas, en por ciento: 100, 125, 150, 175 o 200."),
                              QStringLiteral("por ciento"));
}

bool restoreZoom(const QString &optionValue)
{
    ui::setZoomChoiceHandler(&rememberZoom);
    if (optionValue.isEmpty()) {
        // A value edited by hand to something else is no zoom step; it is ignored.
        ui::setZoom(zoomSettings().value(QStringLiteral("zoom"), 100).toInt());
        return true;
    }
    QString digits = optionValue.trimmed();
    if (digits.endsWith(QLatin1Char('%')))
        digits.chop(1);
    bool number = false;
    const int percent = digits.toInt(&number);
    if (!number || !ui::isZoomStep(percent)) {
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(QStringLiteral("cuestaval: la escala «%1» no vale; las escalas son 100, 125, 150, 175 y 200.")
                                        .arg(optionValue)));
        return false;
    }
    ui::setZoom(percent);
    return true;
}

} // namespace app
