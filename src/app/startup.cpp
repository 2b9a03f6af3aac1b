#include "app/startup.h"

#include "app/about.h"
#include "app/help_window.h"
#include "app/windows.h"
#include "core/number_text.h"
#include "ui/button_keys.h"
#include "ui/form_base.h"
#include "ui/message.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

bool loadQtSpanish(QCoreApplication &application)
{
    // Loaded once: tests set the application up again for every locale.
    static QCoreApplication *loadedFor = nullptr;
    if (loadedFor == &application)
        return true;
    auto *translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    loadedFor = &application;
    return true;
}

void setUpApplication(const QLocale &system)
{
    QLocale::setDefault(core::numberLocaleFor(system));
    loadQtSpanish(*QCoreApplication::instance());
    ui::pressFocusedButtonsWithEnter();
}

bool hasGraphicalSession(int argc, char *argv[])
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

std::optional<int> answerCommandLine(const QCoreApplication &application, QString *zoom)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Resuelve y simula tres problemas clásicos de la segunda ley de Newton: el plano inclinado con fricción, "
        "el bloque sobre una mesa arrastrado a través de una polea y la máquina de Atwood."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Muestra esta ayuda."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Muestra la versión y la licencia."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(zoomOption());

    if (!parser.parse(application.arguments())) {
        std::fprintf(stderr, "cuestaval: %s\nPruebe «cuestaval --help».\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s\n", qPrintable(aboutText()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "cuestaval: no admite argumentos: %s\nPruebe «cuestaval --help».\n",
                     qPrintable(parser.positionalArguments().join(QLatin1Char(' '))));
        return 2;
    }
    if (zoom)
        *zoom = parser.value(zoomOption());
    return std::nullopt;
}

void startProgram()
{
    QApplication::setApplicationName(QStringLiteral("Cuestaval"));
    QApplication::setDesktopFileName(QStringLiteral("org.cuestaval.Cuestaval"));
    QApplication::setWindowIcon(ui::programIcon());
    // Windows are hidden, never closed, as the user moves between them; the
    // program ends only through "Salir" or a window's close box.
    QApplication::setQuitOnLastWindowClosed(false);
    setUpApplication(QLocale::system());
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
