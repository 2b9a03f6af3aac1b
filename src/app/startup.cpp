#include "app/startup.h"

#include "app/about.h"
#include "app/help_window.h"
#include "app/windows.h"
#include "gui/class_sets/class_set_command.h"
#include "core/text/language.h"
#include "gui/ui/button_keys.h"
#include "gui/ui/form_base.h"
#include "gui/ui/message.h"
#include "gui/ui/settings.h"
#include "gui/ui/zoom.h"
#include "gui/window_id.h"

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

void rememberZoom(int percent)
{
    QSettings settings = ui::settings();
    settings.setValue(QStringLiteral("zoom"), percent);
    settings.sync();
    static bool told = false;
    if (settings.status() != QSettings::NoError && !told) {
        told = true;
        ui::showMessage(ui::navigator().current(),
                        QCoreApplication::translate("Zoom", "No se ha podido guardar la escala de las ventanas para la próxima vez."));
    }
}

} // namespace

namespace {

QString g_language = QStringLiteral("es");
QList<QTranslator *> g_translators;

bool installTranslation(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    g_translators.append(translator);
    return true;
}

} // namespace

QString systemLanguage()
{
    return core::chooseLanguage(qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}

QString language()
{
    return g_language;
}

void setLanguage(const QString &language)
{
    const QString chosen = core::programLanguages().contains(language) ? language : QStringLiteral("es");
    static bool spoken = false;
    if (spoken && chosen == g_language)
        return;
    spoken = true;
    g_language = chosen;
    for (QTranslator *translator : std::as_const(g_translators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    g_translators.clear();
    // Spanish is the language the program is written in; the others have
    // their catalogue compiled in.
    if (g_language != QLatin1String("es"))
        installTranslation(QStringLiteral("cuestaval_") + g_language, QStringLiteral(":/i18n"));
    // Qt's own words ("Aceptar", the file dialog): Debian's translation where
    // there is one, ours for Galician and Basque, which Qt does not ship.
    const QString qtBase = QStringLiteral("qtbase_") + g_language;
    if (!installTranslation(qtBase, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslation(qtBase, QStringLiteral(":/i18n"));
}

void setUpApplication(const QLocale &system, const QString &language)
{
    setLanguage(language);
    QLocale::setDefault(core::numberLocaleFor(app::language(), system));
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

namespace {

QString tryHelp()
{
    return QCoreApplication::translate("CommandLine", "Prueba «cuestaval --help».");
}

} // namespace

std::optional<int> answerCommandLine(const QCoreApplication &application, QString *zoom)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Resuelve y simula tres problemas clásicos de la segunda ley de Newton: el plano inclinado "
                       "con fricción, el bloque sobre una mesa arrastrado a través de una polea y la máquina de Atwood."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Muestra esta ayuda."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Muestra la versión y la licencia."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(zoomOption());
    const class_sets::CommandLine classSet;
    classSet.addTo(parser);

    if (!parser.parse(application.arguments())) {
        std::fprintf(stderr, "cuestaval: %s\n%s\n", qUtf8Printable(parser.errorText()), qUtf8Printable(tryHelp()));
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
        std::fprintf(stderr, "cuestaval: %s\n%s\n",
                     qUtf8Printable(QCoreApplication::translate("CommandLine", "no admite argumentos: %1")
                                        .arg(parser.positionalArguments().join(QLatin1Char(' ')))),
                     qUtf8Printable(tryHelp()));
        return 2;
    }
    if (const auto status = classSet.run(parser, core::numberLocaleFor(language(), QLocale::system())))
        return status;
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
    setUpApplication(QLocale::system(), language());
    ui::installZoom();

    installWindows();
    ui::setHelpHandler(&showHelp);
    ui::navigator().goTo(ui::WindowId::Form1);
}

QCommandLineOption zoomOption()
{
    return QCommandLineOption(QStringLiteral("zoom"),
                              QCoreApplication::translate("CommandLine",
                                                          "Escala de las ventanas, en porcentaje: 100, 125, 150, 175 o 200."),
                              //: The value name of --zoom in the command line's help.
                              QCoreApplication::translate("CommandLine", "porcentaje"));
}

bool restoreZoom(const QString &optionValue)
{
    ui::setZoomChoiceHandler(&rememberZoom);
    if (optionValue.isEmpty()) {
        // A value edited by hand to something else is no zoom step; it is ignored.
        ui::setZoom(ui::settings().value(QStringLiteral("zoom"), 100).toInt());
        return true;
    }
    QString digits = optionValue.trimmed();
    if (digits.endsWith(QLatin1Char('%')))
        digits.chop(1);
    bool number = false;
    const int percent = digits.toInt(&number);
    if (!number || !ui::isZoomStep(percent)) {
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(QCoreApplication::translate(
                                        "CommandLine",
                                        "cuestaval: la escala «%1» no vale; las escalas son 100, 125, 150, 175 y 200.")
                                        .arg(optionValue)));
        return false;
    }
    ui::setZoom(percent);
    return true;
}

} // namespace app
