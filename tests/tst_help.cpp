#include "app/about.h"
#include "app/help_window.h"
#include "app/startup.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

using ui::WindowId;

namespace {
// Spanish first: it is the original the others are translated from.
const QStringList Languages = {"es", "en", "ca", "gl", "eu"};

QString readPage(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

// F1 in every window, the pages it opens and the links between them.
class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        driver::resetProgram();
        app::startProgram();
    }
    void cleanupTestCase() { driver::resetProgram(); }

    void f1OpensThePageOfTheWindowAndEscClosesIt_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("Form1, start") << WindowId::Form1 << "La ventana de inicio";
        QTest::newRow("Form7, menu") << WindowId::Form7 << "El menú";
        QTest::newRow("Form8, inclined-plane problem") << WindowId::Form8 << "Problema del plano inclinado";
        QTest::newRow("Form9, table problem") << WindowId::Form9 << "Problema del plano horizontal";
        QTest::newRow("Form10, Atwood problem") << WindowId::Form10 << "Problema de la máquina de Atwood";
        QTest::newRow("Form2, inclined-plane simulation") << WindowId::Form2 << "Simulación del plano inclinado";
        QTest::newRow("Form4, title before the table")
            << WindowId::Form4 << "Portada de la simulación del plano horizontal";
        QTest::newRow("Form3, table simulation") << WindowId::Form3 << "Simulación del plano horizontal";
        QTest::newRow("Form5, title before Atwood")
            << WindowId::Form5 << "Portada de la simulación de la máquina de Atwood";
        QTest::newRow("Form6, Atwood simulation") << WindowId::Form6 << "Simulación de la máquina de Atwood";
    }

    // Faults caught: a window without F1, F1 showing another window's page or a
    // blank one, a second help window, history kept from the last visit, Esc not closing it, and the help hiding
    // or counting as a window of the program.
    void f1OpensThePageOfTheWindowAndEscClosesIt()
    {
        QFETCH(WindowId, window);
        QFETCH(QString, title);
        static app::HelpWindow *first = nullptr;

        ui::navigator().goTo(window);
        ui::FormBase *form = ui::navigator().current();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F1);

        app::HelpWindow *help = app::existingHelpWindow();
        QVERIFY(help && help->isVisible());
        if (!first)
            first = help;
        QCOMPARE(help, first);
        QCOMPARE(help->browser()->documentTitle(), title);
        QVERIFY(help->windowTitle().contains(title));
        QVERIFY(help->browser()->toPlainText().contains(title));
        // "Atrás" must not lead to a page of an earlier visit.
        QVERIFY(!help->browser()->isBackwardAvailable());
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{form});

        QTest::keyClick(help->browser(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{form});
        QCOMPARE(ui::navigator().current(), form);
        QVERIFY(!driver::ended());
    }

    void everyLinkAndPictureResolves_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        const QStringList pages = QDir(QStringLiteral(":/help/es")).entryList({QStringLiteral("*.html")}, QDir::Files);
        // An index, an about page and one page per window.
        QVERIFY(pages.size() >= 12);
        for (const QString &language : Languages)
            for (const QString &page : pages)
                QTest::newRow(qPrintable(language + QLatin1Char('/') + page)) << language << page;
    }

    // Faults caught: a page missing from a language, a link to a page that is
    // not compiled in, a picture that does not draw, a page from which "Acerca
    // de Cuestaval" cannot be reached, a translation that lost or moved a link or
    // a picture of the Spanish page, and decimals written the other language's way.
    void everyLinkAndPictureResolves()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        const QString path = QStringLiteral(":/help/%1/%2").arg(language, page);
        const QString html = readPage(path);
        QVERIFY2(!html.isEmpty(), qPrintable(path));
        QVERIFY(html.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));
        const QUrl base(QStringLiteral("qrc") + path);

        app::HelpWindow help;
        static const QRegularExpression reference(QStringLiteral("(href|src)=\"([^\"]*)\""));
        QStringList references;
        QStringList links;
        for (const QRegularExpressionMatch &match : reference.globalMatch(html)) {
            references.append(match.captured(0));
            const QUrl target = base.resolved(QUrl(match.captured(2)));
            QCOMPARE(target.scheme(), QStringLiteral("qrc"));
            const QString resource = QLatin1Char(':') + target.path();
            QVERIFY2(QFile::exists(resource), qPrintable(resource));
            if (match.captured(1) == QLatin1String("src")) {
                const QVariant image = help.browser()->loadResource(QTextDocument::ImageResource, target);
                QVERIFY2(!image.value<QImage>().isNull(), qPrintable(resource));
            } else {
                links.append(target.fileName());
            }
        }
        if (page != QLatin1String("acerca.html"))
            QVERIFY(links.contains(QStringLiteral("acerca.html")));
        QVERIFY(links.contains(QStringLiteral("indice.html")) || page == QLatin1String("indice.html"));

        QStringList spanish;
        for (const QRegularExpressionMatch &match : reference.globalMatch(readPage(QStringLiteral(":/help/es/") + page)))
            spanish.append(match.captured(0));
        QCOMPARE(references, spanish);
        // g is 9,81 (problems) or 9,8 (simulations); English writes 9.81.
        QVERIFY(!html.contains(language == QLatin1String("en") ? QStringLiteral("9,8") : QStringLiteral("9.8")));
    }

    void theUsersLanguageChoosesTheFolder_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain) << "es";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "en";
        QTest::newRow("Catalan") << QLocale(QLocale::Catalan, QLocale::Spain) << "ca";
        QTest::newRow("Galician") << QLocale(QLocale::Galician, QLocale::Spain) << "gl";
        QTest::newRow("Basque") << QLocale(QLocale::Basque, QLocale::Spain) << "eu";
        QTest::newRow("German, no pages: Spanish") << QLocale(QLocale::German, QLocale::Germany) << "es";
    }

    // Faults caught: a language shown the Spanish pages although its own are
    // compiled in, and a language without pages left with a blank help.
    void theUsersLanguageChoosesTheFolder()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, folder);
        QLocale::setDefault(locale);
        app::HelpWindow help;
        help.showPageFor(QStringLiteral("Form8"));
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(help.browser()->source(), QUrl(QStringLiteral("qrc:/help/%1/form8.html").arg(folder)));
        QVERIFY(!help.browser()->documentTitle().isEmpty());
    }

    // Fault caught: the version left out of the page, or a placeholder shown.
    void theAboutPageShowsTheVersion()
    {
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(app::versionNumber()).hasMatch());
        app::HelpWindow help;
        help.browser()->setSource(app::helpPageUrl(QStringLiteral("acerca.html")));
        const QString shown = help.browser()->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("Cuestaval ") + app::versionNumber()));
        QVERIFY(!shown.contains(QLatin1Char('@')));
        QVERIFY(shown.contains(QStringLiteral("GPL-3.0-or-later")));
        QVERIFY(app::aboutText().contains(QStringLiteral("Cuestaval ") + app::versionNumber()));
        QVERIFY(app::aboutText().contains(QStringLiteral("GPL-3.0-or-later")));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
