#include "app/about.h"
#include "app/help_window.h"
#include "app/startup.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

using ui::WindowId;

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

    void f1OpensThePageOfTheWindowAndEscClosesIt_data();
    void f1OpensThePageOfTheWindowAndEscClosesIt();
    void everyLinkAndPictureResolves_data();
    void everyLinkAndPictureResolves();
    void theAboutPageShowsTheVersion();
};

void TestHelp::f1OpensThePageOfTheWindowAndEscClosesIt_data()
{
    QTest::addColumn<WindowId>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("Form1, start") << WindowId::Form1 << QStringLiteral("La ventana de inicio");
    QTest::newRow("Form7, menu") << WindowId::Form7 << QStringLiteral("El menú");
    QTest::newRow("Form8, inclined-plane problem") << WindowId::Form8 << QStringLiteral("Problema del plano inclinado");
    QTest::newRow("Form9, table problem") << WindowId::Form9 << QStringLiteral("Problema del plano horizontal");
    QTest::newRow("Form10, Atwood problem")
        << WindowId::Form10 << QStringLiteral("Problema de la máquina de Atwood");
    QTest::newRow("Form2, inclined-plane simulation")
        << WindowId::Form2 << QStringLiteral("Simulación del plano inclinado");
    QTest::newRow("Form4, title before the table")
        << WindowId::Form4 << QStringLiteral("Portada de la simulación del plano horizontal");
    QTest::newRow("Form3, table simulation") << WindowId::Form3 << QStringLiteral("Simulación del plano horizontal");
    QTest::newRow("Form5, title before Atwood")
        << WindowId::Form5 << QStringLiteral("Portada de la simulación de la máquina de Atwood");
    QTest::newRow("Form6, Atwood simulation")
        << WindowId::Form6 << QStringLiteral("Simulación de la máquina de Atwood");
}

// Faults caught: a window without F1, F1 showing another window's page or a
// blank one, a second help window, history kept from the last visit, Esc not closing it, and the help hiding
// or counting as a window of the program.
void TestHelp::f1OpensThePageOfTheWindowAndEscClosesIt()
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

void TestHelp::everyLinkAndPictureResolves_data()
{
    QTest::addColumn<QString>("page");
    QDirIterator pages(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files,
                       QDirIterator::Subdirectories);
    int count = 0;
    while (pages.hasNext()) {
        const QString path = pages.next();
        QTest::newRow(qPrintable(path.mid(7))) << path;
        ++count;
    }
    // An index, an about page and one page per window.
    QVERIFY(count >= 12);
}

// Faults caught: a link to a page that is not compiled in, a picture that
// does not draw, a page from which "Acerca de Cuestaval" cannot be reached.
void TestHelp::everyLinkAndPictureResolves()
{
    QFETCH(QString, page);
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const QUrl base(QStringLiteral("qrc") + page);

    app::HelpWindow help;
    static const QRegularExpression reference(QStringLiteral("(href|src)=\"([^\"]*)\""));
    QStringList links;
    for (const QRegularExpressionMatch &match : reference.globalMatch(html)) {
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
    if (!page.endsWith(QLatin1String("acerca.html")))
        QVERIFY(links.contains(QStringLiteral("acerca.html")));
    QVERIFY(links.contains(QStringLiteral("indice.html")) || page.endsWith(QLatin1String("indice.html")));
}

// Fault caught: the version left out of the page, or a placeholder shown.
void TestHelp::theAboutPageShowsTheVersion()
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

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
