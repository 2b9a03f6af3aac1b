#include "app/startup.h"

#include "app/windows.h"
#include "core/number_text.h"
#include "ui/button_keys.h"
#include "ui/form_base.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace app {

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

std::optional<int> answerCommandLine(const QCoreApplication &application)
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

    if (!parser.parse(application.arguments())) {
        std::fprintf(stderr, "cuestaval: %s\nPruebe «cuestaval --help».\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Cuestaval %s\n"
                    "Licencia GPL-3.0 o posterior: es software libre; puede redistribuirlo y modificarlo bajo los "
                    "términos de la Licencia Pública General de GNU, versión 3 o posterior. No hay NINGUNA "
                    "GARANTÍA.\n",
                    CUESTAVAL_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "cuestaval: no admite argumentos: %s\nPruebe «cuestaval --help».\n",
                     qPrintable(parser.positionalArguments().join(QLatin1Char(' '))));
        return 2;
    }
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

    installWindows();
    ui::navigator().goTo(ui::WindowId::Form1);
}

} // namespace app
