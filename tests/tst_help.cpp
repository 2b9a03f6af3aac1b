#include "app/about.h"
#include "app/help_window.h"
#include "app/startup.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/window_id.h"

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
        for (int i = 0; i <= int(WindowId::Form11); ++i)
            QTest::addRow("Form%d", i + 1) << WindowId(i);
    }

    // Faults caught: a window without F1, F1 showing another window's page or a
    // blank one, a second help window, history kept from the last visit, Esc not
    // closing it, and the help hiding or counting as a window of the program.
    void f1OpensThePageOfTheWindowAndEscClosesIt()
    {
        QFETCH(WindowId, window);
        static app::HelpWindow *first = nullptr;

        ui::navigator().goTo(window);
        ui::FormBase *form = ui::navigator().current();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F1);

        app::HelpWindow *help = app::existingHelpWindow();
        QVERIFY(help && help->isVisible());
        first = first ? first : help;
        QCOMPARE(help, first);
        QCOMPARE(help->browser()->source().fileName(), form->objectName().toLower() + QStringLiteral(".html"));
        const QString title = help->browser()->documentTitle();
        QVERIFY(!title.isEmpty() && help->windowTitle().contains(title) && help->browser()->toPlainText().contains(title));
        // "Atrás" must not lead to a page of an earlier visit.
        QVERIFY(!help->browser()->isBackwardAvailable());
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{form});

        QTest::keyClick(help->browser(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{form});
        QCOMPARE(ui::navigator().current(), form);
        QVERIFY(!driver::ended());
    }

    // Fault caught: "Datos y gráficas" without F1, or F1 there showing its
    // simulation's page instead of its own.
    void f1InTheDataWindowOpensItsPage()
    {
        ui::navigator().goTo(WindowId::Form3);
        driver::click(ui::navigator().current(), "Command4");
        auto *data = driver::control<QWidget>(ui::navigator().current(), "DataWindow");
        QVERIFY(QTest::qWaitForWindowActive(data));
        QTest::keyClick(data, Qt::Key_F1);
        app::HelpWindow *help = app::existingHelpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->browser()->source().fileName(), QStringLiteral("datos.html"));
        QTest::keyClick(help->browser(), Qt::Key_Escape);
        data->close();
    }

    void everyLinkAndPictureResolves_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        const QStringList pages = QDir(QStringLiteral(":/help/es")).entryList({QStringLiteral("*.html")}, QDir::Files);
        // An index, an about page and one page per window, the data window's too.
        QVERIFY(pages.size() >= 14);
        for (const QString &language : Languages)
            for (const QString &page : pages)
                QTest::newRow(qPrintable(language + QLatin1Char('/') + page)) << language << page;
    }

    // Faults caught: a page missing from a language or not the one F1 opens in
    // it, a link to a page that is not compiled in, a picture that does not draw, a page from which "Acerca
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
        // F1 in the user's language opens that language's page.
        app::setLanguage(language);
        app::HelpWindow help;
        help.showPageFor(QStringLiteral("Form8"));
        app::setLanguage(QStringLiteral("es"));
        QCOMPARE(help.browser()->source(), QUrl(QStringLiteral("qrc:/help/%1/form8.html").arg(language)));
        static const QRegularExpression reference(QStringLiteral("(href|src)=\"([^\"]*)\""));
        QStringList references, links;
        for (const QRegularExpressionMatch &match : reference.globalMatch(html)) {
            references.append(match.captured(0));
            const QUrl target = QUrl(QStringLiteral("qrc") + path).resolved(QUrl(match.captured(2)));
            const QString resource = QLatin1Char(':') + target.path();
            QVERIFY2(QFile::exists(resource), qPrintable(resource));
            if (match.captured(1) == QLatin1String("href"))
                links.append(target.fileName());
            else
                QVERIFY2(!help.browser()->loadResource(QTextDocument::ImageResource, target).value<QImage>().isNull(),
                         qPrintable(resource));
        }
        QVERIFY(links.contains(QStringLiteral("acerca.html")) || page == QLatin1String("acerca.html"));
        QVERIFY(links.contains(QStringLiteral("indice.html")) || page == QLatin1String("indice.html"));

        QStringList spanish;
        for (const QRegularExpressionMatch &match : reference.globalMatch(readPage(QStringLiteral(":/help/es/") + page)))
            spanish.append(match.captured(0));
        QCOMPARE(references, spanish);
        // g is 9,81 (problems) or 9,8 (simulations); English writes 9.81.
        QVERIFY(!html.contains(language == QLatin1String("en") ? QStringLiteral("9,8") : QStringLiteral("9.8")));
    }

    void struckWordsStayOut_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("struck");
        // What teachers and native reviewers struck: T "coming out" of the
        // sum of the equations, every run "one metre" long, and each
        // language's wrong words.
        QTest::newRow("es") << "es" << "desaparece T, y de ahí salen|tras recorrer un metro|recorre el metro|pulse";
        QTest::newRow("en") << "en" << "gets rid of T, and from there|after travelling one metre|covers the metre|whole angle";
        QTest::newRow("ca") << "ca" << "d'aquí surten|després de recórrer un metre|Fregament més gran|xifres decimals";
        QTest::newRow("gl") << "gl" << "de aí saen|despois de percorrer un metro|dicheche|queda quedo|Rozamento maior";
        QTest::newRow("eu") << "eu" << "hortik hauek ateratzen|metro bat egin ondoren|askatasunez|erorketa librea|"
                                        "Marruskadura handiagoa|angelu oso\\b|bere <b>pisua";
    }

    // Fault caught: a help page that keeps a wrong explanation or a word the
    // reviewers mended in another page or language.
    void struckWordsStayOut()
    {
        QFETCH(QString, language);
        QFETCH(QString, struck);
        const QRegularExpression words(struck);
        const QDir folder(QStringLiteral(":/help/") + language);
        for (const QString &page : folder.entryList({QStringLiteral("*.html")}, QDir::Files)) {
            const QRegularExpressionMatch found = words.match(readPage(folder.filePath(page)));
            QVERIFY2(!found.hasMatch(), qPrintable(page + QStringLiteral(": ") + found.captured()));
        }
    }

    // Fault caught: the version left out of the page, or a placeholder shown.
    // What --version prints is checked by the command-line tests.
    void theAboutPageShowsTheVersion()
    {
        app::HelpWindow help;
        help.browser()->setSource(app::helpPageUrl(QStringLiteral("acerca.html")));
        const QString shown = help.browser()->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("Cuestaval ") + app::versionNumber()));
        QVERIFY(!shown.contains(QLatin1Char('@')));
        QVERIFY(shown.contains(QStringLiteral("GPL-3.0-or-later")));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
