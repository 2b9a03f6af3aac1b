#include "app/startup.h"
#include "app/windows.h"
#include "core/text/language.h"
#include "core/text/number_text.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/ui/message.h"
#include "gui/window_id.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>

using ui::WindowId;

// What start-up sets for every window: the desktop's language, numbers in a
// locale that writes the decimal separator the windows ask for, whatever the
// machine's locale; Qt's own words in the same language.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }
    void init()
    {
        driver::resetProgram();
        app::setLanguage(QStringLiteral("es"));
    }

    void numbersFollowTheNote_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("es, C") << "es" << "C" << "es_ES";
        QTest::newRow("es, es_MX writes a point") << "es" << "es_MX" << "es_ES";
        QTest::newRow("es, de_DE writes a comma of its own") << "es" << "de_DE" << "de_DE";
        QTest::newRow("ca, C") << "ca" << "C" << "ca_ES";
        QTest::newRow("eu, es_ES") << "eu" << "es_ES" << "es_ES";
        QTest::newRow("en, es_ES") << "en" << "es_ES" << "en_US";
        QTest::newRow("en, en_GB") << "en" << "en_GB" << "en_GB";
        QTest::newRow("fr is not spoken") << "fr" << "fr_FR" << "fr_FR";
    }

    // Fault caught: a number refused (or the other separator taken) though the
    // window's note says how to type it; results and simulation values shown
    // with the other separator. Spanish, Catalan, Galician and Basque type a
    // decimal comma, English a point.
    void numbersFollowTheNote()
    {
        QFETCH(QString, language);
        QFETCH(QString, system);
        QFETCH(QString, numbers);
        app::setUpApplication(QLocale(system), language);
        QCOMPARE(QLocale().name(), numbers);
        const bool point = app::language() == QLatin1String("en");
        const auto withSeparator = [point](QString text) { return point ? text.replace(',', '.') : text; };
        QCOMPARE(core::parseNumber(withSeparator("0,2")), std::optional(0.2));
        QCOMPARE(core::parseNumber(point ? "0,2" : "0.2"), std::nullopt);

        // The worked example: 2 kg and 3 kg, μ = 0,2, Enter in the last field.
        ui::navigator().goTo(WindowId::Form9);
        QWidget *problem = ui::navigator().current();
        const QStringList typed{"2", "3", withSeparator("0,2")};
        for (int i = 0; i < typed.size(); ++i) {
            const QByteArray box = "Check" + QByteArray::number(i + 1), field = "Text" + QByteArray::number(i + 1);
            driver::setChecked(problem, box.constData(), true);
            driver::type(problem, field.constData(), typed.at(i));
        }
        QTest::keyClick(driver::control<QLineEdit>(problem, "Text3"), Qt::Key_Return);
        QCOMPARE(driver::messages(), QStringList());
        QCOMPARE(driver::text(problem, "Text4"), withSeparator("5,10"));
        QCOMPARE(driver::text(problem, "Text5"), withSeparator("14,13"));

        // 30° and μ = 0,2 on the inclined plane: 9,8 · (sin 30° − 0,2 · cos 30°) = 3,203.
        ui::navigator().goTo(WindowId::Form2);
        QWidget *simulation = ui::navigator().current();
        driver::control<QScrollBar>(simulation, "HScroll1")->setValue(30);
        driver::control<QScrollBar>(simulation, "HScroll2")->setValue(200);
        QCOMPARE(driver::text(simulation, "Text2"), withSeparator("0,2"));
        QCOMPARE(driver::text(simulation, "Text3"), withSeparator("3,20"));
    }

    void languageFollowsTheDesktop_data()
    {
        QTest::addColumn<QByteArrayList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("language");
        QTest::newRow("nothing set") << QByteArrayList{"", "", "", ""} << "es";
        QTest::newRow("LANG") << QByteArrayList{"", "", "", "ca_ES.UTF-8"} << "ca";
        QTest::newRow("LC_MESSAGES over LANG") << QByteArrayList{"", "", "gl_ES.UTF-8", "es_ES.UTF-8"} << "gl";
        QTest::newRow("LC_ALL over both") << QByteArrayList{"", "eu_ES.UTF-8", "gl_ES", "ca_ES"} << "eu";
        QTest::newRow("LANGUAGE over all") << QByteArrayList{"ca", "C.UTF-8", "", "en_US.UTF-8"} << "ca";
        QTest::newRow("LANGUAGE's first spoken entry") << QByteArrayList{"fr:en_GB:ca", "", "", "es_ES"} << "en";
        QTest::newRow("a variant") << QByteArrayList{"", "", "", "ca_ES.UTF-8@valencia"} << "ca";
        QTest::newRow("LC_ALL=C hides LANG") << QByteArrayList{"", "C", "", "eu_ES.UTF-8"} << "es";
        QTest::newRow("none spoken") << QByteArrayList{"fr:de", "", "", "pt_BR.UTF-8"} << "es";
    }

    // Fault caught: LANGUAGE=ca ignored, a lower-priority variable winning, or a
    // language the program does not speak chosen over Spanish.
    void languageFollowsTheDesktop()
    {
        QFETCH(QByteArrayList, environment);
        QFETCH(QString, language);
        QCOMPARE(core::chooseLanguage(environment[0], environment[1], environment[2], environment[3]), language);
    }

    void qtWordsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("ok");
        QTest::newRow("es") << "es" << "Aceptar";
        QTest::newRow("en") << "en" << "OK";
        QTest::newRow("ca") << "ca" << "D'acord";
        QTest::newRow("gl") << "gl" << "Aceptar";
        QTest::newRow("eu") << "eu" << "Ados";
    }

    // Fault caught: Qt's translation not loaded, so the only button of every
    // message reads "OK" in a Spanish program (or another language's word).
    void qtWordsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, ok);
        app::setUpApplication(QLocale(QLocale::English, QLocale::UnitedStates), language);
        QString caption;
        driver::whenModalOpens([&caption](QDialog *dialog) {
            if (auto *box = qobject_cast<QMessageBox *>(dialog))
                caption = box->button(QMessageBox::Ok)->text().remove(QLatin1Char('&'));
        });
        ui::setMessageHook({});
        ui::showMessage(nullptr, QStringLiteral("El problema no tiene solución"));
        driver::installSpanishTestEnvironment();
        QCOMPARE(caption, ok);
    }

    void mendedTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *language, const char *context, const char *source, const char *shown) {
            QTest::addRow("%s: %s", language, shown) << QString::fromLatin1(language) << QByteArray(context)
                                                     << QByteArray(source) << QString::fromUtf8(shown);
        };
        row("en", "Problem", "Segunda ley de Newton", "Newton's second law");
        row("en", "InclinedPlaneCases", "el mayor ángulo entero que cumple |a − g·(sen θ − μ·cos θ)| < 0,1",
            "the largest whole-degree angle for which |a − g·(sin θ − μ·cos θ)| < 0.1");
        row("en", "CommandLine", "porcentaje", "percentage");
        row("ca", "Form9", "Coeficiente de fricción", "Coeficient de fregament");
        row("ca", "Form2", "Fricción mayor", "Fregament excessiu");
        // The check box may shorten it; messages and screen readers get it whole.
        row("gl", "HorizontalPlaneCases", "Coeficiente de fricción", "Coeficiente de rozamento");
        row("gl", "InclinedPlaneCases", "μ > tg θ   (%1 > tg %2 = %3)", "μ > tg θ   (%1 > tg %2 = %3)");
        row("gl", "QPrintDialog", "%1 already exists.\nDo you want to overwrite it?", "%1 xa existe.\nQueres sobrescribilo?");
        row("eu", "Form2", "Fricción mayor", "Marruskadura handiegia");
        row("eu", "HorizontalPlaneCases",
            "El coeficiente de fricción no puede ser negativo: la fricción siempre se opone al deslizamiento.",
            "Marruskadura-koefizientea ezin da negatiboa izan: marruskadura beti da irristatzearen aurkakoa.");
        row("eu", "QPageSetupWidget", "Paper source:", "Paper-iturria:");
    }

    // Fault caught: a text a native reviewer mended that comes back in its old
    // words (a catalogue refreshed from an old copy), or Qt's print dialog pages
    // left in English in Galician and Basque.
    void mendedTexts()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QString, shown);
        app::setLanguage(language);
        QCOMPARE(QCoreApplication::translate(context.constData(), source.constData()), shown);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
