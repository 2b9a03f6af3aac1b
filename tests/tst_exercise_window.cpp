#include "app/startup.h"
#include "app/windows.h"
#include "core/exercises/code.h"
#include "core/exercises/mistakes.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/ui/navigator.h"
#include "gui/window_id.h"
#include "gui/ui/zoom.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using driver::text;

namespace {

QWidget *openPractice()
{
    ui::navigator().goTo(ui::WindowId::Form7);
    driver::click(ui::navigator().current(), "Command5"); // Ejercicios
    return ui::navigator().current();
}

// Types the code and presses Enter in its field.
void goToCode(QWidget *window, const QString &code)
{
    driver::type(window, "Text3", code);
    QTest::keyClick(driver::control<QLineEdit>(window, "Text3"), Qt::Key_Return);
}

// Types the answers and presses Enter in the last field.
void answer(QWidget *window, const QStringList &typed)
{
    for (int i = 0; i < typed.size(); ++i)
        driver::type(window, driver::numbered("Text", i), typed.at(i));
    QTest::keyClick(driver::control<QLineEdit>(window, driver::numbered("Text", int(typed.size()) - 1)),
                    Qt::Key_Return);
}

bool enabled(QWidget *window, const char *button)
{
    return driver::control<QPushButton>(window, button)->isEnabled();
}

bool shown(QWidget *window, const char *control)
{
    return driver::control<QWidget>(window, control)->isVisible();
}

QSettings settings()
{
    return QSettings(QStringLiteral("Cuestaval"), QStringLiteral("cuestaval"));
}

// Picks the item with the arrow keys, as a keyboard user does.
void choose(QWidget *window, const char *comboName, const QString &item)
{
    auto *combo = driver::control<QComboBox>(window, comboName);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < combo->count() && combo->currentText() != item; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), item);
}

// The problem and question that "Preparar una hoja…" opens its dialog with.
QString classSetChoice(QWidget *window)
{
    QString choice;
    driver::whenModalOpens([&choice](QDialog *dialog) {
        for (const char *box : {"ProblemBox", "QuestionBox"})
            choice += dialog ? dialog->findChild<QComboBox *>(QLatin1String(box))->currentText() + u'/' : QString();
    });
    driver::click(window, "Command7");
    return choice;
}

// Empty when the text, wrapped as the label wraps it, fits inside it.
QString overflow(const QLabel *label, const QString &text)
{
    const QRect room = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text);
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("%1 needs %2 px for \"%3\"").arg(label->objectName()).arg(needed.height()).arg(text.left(40));
}

} // namespace

// The practice window as a student uses it. The numbers behind each code
// are pinned in tst_exercises.
class TestExerciseWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        settings().clear();
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }
    void init()
    {
        app::setLanguage(QStringLiteral("es"));
        ui::setZoom(100);
        driver::resetProgram();
    }
    void cleanupTestCase() { settings().clear(); }

    void rightAnswerShowsTheSolution_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("solution");
        QTest::newRow("inclined plane, a") << "1-3-2024" << QStringList{"5,17"} << "Solución: a = 5,17 m/s².";
        QTest::newRow("θ within half a degree") << "1-2-123" << QStringList{"46,4"} << "Solución: θ = 45,99°.";
        QTest::newRow("table, a and T") << "2-1-4817" << QStringList{"3,88", "35,6"}
                                        << "Solución: a = 3,88 m/s²; T = 35,60 N.";
        QTest::newRow("Atwood, both masses") << "3-6-77" << QStringList{"6,3", "5,6"}
                                             << "Solución: m₁ = 6,30 kg; m₂ = 5,60 kg.";
    }

    // Faults caught: a right answer judged wrong (a tolerance too tight, the
    // rounded data instead of the exact physics, fields read in the wrong
    // order), the answers not shown, the working and the run out of reach.
    void rightAnswerShowsTheSolution()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, typed);
        QFETCH(QString, solution);
        QWidget *window = openPractice();
        goToCode(window, code);
        QCOMPARE(text(window, "Label11"), QStringLiteral("Código: ") + code);
        QVERIFY(!enabled(window, "Command3") && !enabled(window, "Command4"));
        answer(window, typed);
        for (int i = 0; i < typed.size(); ++i)
            QCOMPARE(text(window, driver::numbered("Label", 7 + i)), QStringLiteral("Correcto"));
        QCOMPARE(text(window, "Label14"), solution);
        QVERIFY(!shown(window, "Label10")); // no hint
        QVERIFY(!enabled(window, "Command1") && enabled(window, "Command3") && enabled(window, "Command4"));
        QCOMPARE(text(window, "Label12"), QStringLiteral("Correctos a la primera: 1 de 1"));
    }

    // Faults caught: a typical mistake not named, or named by a hint that
    // gives the number away; a verdict the screen reader never hears; text
    // that is not a number taken as a try; the run opened before the answers
    // are out.
    void wrongAnswerNamesTheMistake()
    {
        using exercises::Mistake;
        QWidget *window = openPractice();
        goToCode(window, QStringLiteral("1-3-2024")); // θ = 47°, μ = 0,3: a = 5,17 m/s²
        answer(window, {QStringLiteral("7.17")});
        QCOMPARE(driver::messages(), QStringList{QStringLiteral("El valor de «Aceleración» no es un número válido.")});
        QCOMPARE(text(window, "Label14"), QStringLiteral("Tienes tres intentos."));

        answer(window, {QStringLiteral("7,17")}); // g·sen 47°: the friction left out
        const QString hint = exercises::hint(exercises::ProblemKind::InclinedPlane, Mistake::FrictionLeftOut);
        QVERIFY(hint.contains(QStringLiteral("fricción")) && !hint.contains(QStringLiteral("5,17")));
        QCOMPARE(text(window, "Label8"), QStringLiteral("Incorrecto"));
        QCOMPARE(text(window, "Label10"), hint);
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(driver::control<QWidget>(window, "Text1"));
        QCOMPARE(reader->text(QAccessible::Description), QStringLiteral("Incorrecto. ") + hint);
        QCOMPARE(text(window, "Label14"), QStringLiteral("Te quedan 2 intentos."));
        QVERIFY(enabled(window, "Command1") && enabled(window, "Command4") && !enabled(window, "Command3"));

        answer(window, {QStringLiteral("4,13")}); // 9,81·(sin 47 − 0,3·cos 47) with 47 in radians
        QCOMPARE(text(window, "Label10"), exercises::hint(exercises::ProblemKind::InclinedPlane, Mistake::AngleInRadians));
        QCOMPARE(text(window, "Label14"), QStringLiteral("Te queda un intento."));

        // Right at the last try: the hint goes, and the count keeps the first try's verdict.
        answer(window, {QStringLiteral("5,2")});
        QCOMPARE(text(window, "Label8"), QStringLiteral("Correcto"));
        QVERIFY(!shown(window, "Label10"));
        QCOMPARE(text(window, "Label12"), QStringLiteral("Correctos a la primera: 0 de 1"));
    }

    // Faults caught: a fourth try, the answers kept back after the third,
    // "Ver resolución" with other data than the exercise's, the student's
    // answers wiped between tries.
    void threeWrongTriesShowTheAnswers()
    {
        QWidget *window = openPractice();
        goToCode(window, QStringLiteral("2-4-4817")); // m₂ = 5,00 kg, a = 2,91 m/s²
        answer(window, {QStringLiteral("5"), QStringLiteral("1")});
        QCOMPARE(text(window, "Label8") + text(window, "Label9"), QStringLiteral("CorrectoIncorrecto"));
        const QString working = driver::workingShown(window);
        for (const char *data : {"m₁ = 5,7 kg", "μ = 0,32", "T = 34,49 N", "m₂ = 5,00 kg", "a = 2,91 m/s²"})
            QVERIFY2(working.contains(QString::fromUtf8(data)), data);

        answer(window, {QStringLiteral("2,91"), QStringLiteral("5")}); // the two swapped
        QCOMPARE(text(window, "Text1"), QStringLiteral("2,91"));
        answer(window, {QStringLiteral("1"), QStringLiteral("1")});
        QCOMPARE(text(window, "Label14"), QStringLiteral("Solución: m₂ = 5,00 kg; a = 2,91 m/s²."));
        QVERIFY(!enabled(window, "Command1") && enabled(window, "Command3"));
        answer(window, {QStringLiteral("5"), QStringLiteral("2,91")});
        QCOMPARE(text(window, "Label8"), QStringLiteral("Incorrecto")); // no fourth try
    }

    // Faults caught: a code that poses another exercise, a new exercise that
    // keeps the last one's verdicts or fields, a bad code that changes the
    // exercise or says nothing.
    void codesOpenExactlyThatExercise()
    {
        QWidget *window = openPractice();
        goToCode(window, QStringLiteral("3-1-4817"));
        QVERIFY(text(window, "Label3").contains(QStringLiteral("Datos: m₁ = 4,6 kg, m₂ = 3,2 kg y g = 9,81 m/s².")));
        QVERIFY(driver::control<QWidget>(window, "Picture1")->accessibleDescription().startsWith(u"Máquina de Atwood"));
        answer(window, {QStringLiteral("1"), QStringLiteral("1")});

        // Pasted from a word processor, with blanks and en dashes; then "Ir".
        driver::type(window, "Text3", QString());
        driver::control<QLineEdit>(window, "Text3")->insert(QStringLiteral(" 1 – 1 – 5 "));
        driver::click(window, "Command6");
        QCOMPARE(text(window, "Label11"), QStringLiteral("Código: 1-1-5"));
        QVERIFY(text(window, "Label3").endsWith(QStringLiteral("Calcula el coeficiente de fricción μ.")));
        QVERIFY(!shown(window, "Text2") && !shown(window, "Label8") && text(window, "Text1").isEmpty());
        QVERIFY(enabled(window, "Command1") && !enabled(window, "Command4"));

        for (const QString &bad : {QStringLiteral("2-7-1"), QStringLiteral("4817"), QString()}) {
            driver::messages().clear();
            goToCode(window, bad);
            QCOMPARE(driver::messages(), QStringList{exercises::noSuchCodeMessage(bad)});
            QCOMPARE(text(window, "Label11"), QStringLiteral("Código: 1-1-5"));
        }
    }

    // Faults caught: "Nuevo ejercicio" or "Preparar una hoja…" ignoring the
    // choice, another problem's questions offered, the choice forgotten by
    // the next run, anything else written to disk.
    void newExercisesFollowTheRememberedChoice()
    {
        QWidget *window = openPractice();
        choose(window, "Combo1", QStringLiteral("Máquina de Atwood"));
        choose(window, "Combo2", QStringLiteral("Calcula m₂ y a"));
        for (int i = 0; i < 5; ++i) {
            driver::click(window, "Command5");
            QVERIFY(text(window, "Label11").startsWith(QStringLiteral("Código: 3-3-")));
        }
        QCOMPARE(classSetChoice(window), QStringLiteral("Máquina de Atwood/Calcula m₂ y a/"));
        choose(window, "Combo1", QStringLiteral("Plano inclinado"));
        QCOMPARE(driver::control<QComboBox>(window, "Combo2")->count(), 4); // cualquiera, μ, θ, a
        choose(window, "Combo2", QStringLiteral("Calcula θ"));
        QCOMPARE(settings().allKeys(), (QStringList{"practica/pregunta", "practica/problema"}));

        driver::resetProgram(); // the next run
        window = openPractice();
        QCOMPARE(driver::control<QComboBox>(window, "Combo2")->currentText(), QStringLiteral("Calcula θ"));
        QVERIFY(text(window, "Label11").startsWith(QStringLiteral("Código: 1-2-")));
        choose(window, "Combo1", QStringLiteral("Cualquiera"));
        QVERIFY(!driver::control<QComboBox>(window, "Combo2")->isEnabled());
    }

    void everyStatementAndHintFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("zoom");
        for (const char *language : {"es", "en", "ca", "gl", "eu"})
            for (const int zoom : {100, 200})
                QTest::addRow("%s at %d %%", language, zoom) << QString::fromLatin1(language) << zoom;
    }

    // Fault caught: a statement, a hint (or the two hints of two answers) or
    // the line of the answers cut off in a language or at a zoom; the
    // window's fixed texts are tst_zoom's.
    void everyStatementAndHintFits()
    {
        QFETCH(QString, language);
        QFETCH(int, zoom);
        app::setLanguage(language);
        driver::resetProgram();
        ui::setZoom(zoom);
        QWidget *window = openPractice();
        const auto *statement = driver::control<QLabel>(window, "Label3");
        const auto *hint = driver::control<QLabel>(window, "Label10");
        const auto *status = driver::control<QLabel>(window, "Label14");
        QStringList faults;
        for (exercises::ProblemKind problem : exercises::problems()) {
            for (const exercises::CaseInfo &kase : exercises::cases(problem)) {
                goToCode(window, exercises::Code{problem, kase.number, 0}.text());
                faults << overflow(statement, statement->text());
                for (int i = 0; i < 3; ++i)
                    answer(window, QStringList(kase.unknowns.size(), QStringLiteral("0")));
                faults << overflow(status, status->text());
            }
            QStringList hints;
            for (exercises::Mistake mistake : exercises::mistakes(problem))
                hints << exercises::hint(problem, mistake);
            std::sort(hints.begin(), hints.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
            faults << overflow(hint, hints.mid(0, 2).join(QLatin1Char('\n')));
        }
        faults.removeAll(QString());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void simulationShowsTheExerciseAndComesBack_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("simulation");
        QTest::addColumn<QStringList>("barFields");
        QTest::newRow("inclined plane") << "1-3-2024" << QStringList{"5,17"} << "Form2" << QStringList{"47", "0,3"};
        QTest::newRow("table, masses to the kilogram")
            << "2-1-4817" << QStringList{"3,88", "35,6"} << "Form3" << QStringList{"6", "6", "0,22"};
        QTest::newRow("Atwood machine") << "3-1-4817" << QStringList{"1,76", "37"} << "Form6" << QStringList{"5", "3"};
    }

    // Faults caught: the run with other values than the exercise's, or none;
    // "Regresar" leading to the menu and losing the exercise; the way back
    // kept when the simulation is later reached from the menu.
    void simulationShowsTheExerciseAndComesBack()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, typed);
        QFETCH(QString, simulation);
        QFETCH(QStringList, barFields);
        QWidget *window = openPractice();
        goToCode(window, code);
        answer(window, typed);
        driver::click(window, "Command3"); // Ver simulación

        QWidget *run = ui::navigator().current();
        QCOMPARE(run->objectName(), simulation);
        for (int i = 0; i < barFields.size(); ++i)
            QCOMPARE(text(run, driver::numbered("Text", i)), barFields.at(i));
        driver::click(run, "Command2"); // Regresar
        QCOMPARE(driver::visibleWindows(), QList<QWidget *>{window});
        QCOMPARE(text(window, "Label11"), QStringLiteral("Código: ") + code);
        QCOMPARE(text(window, "Label8"), QStringLiteral("Correcto"));

        driver::click(window, "Command2");
        ui::navigator().goTo(ui::WindowId(simulation.mid(4).toInt() - 1));
        driver::click(ui::navigator().current(), "Command2");
        QCOMPARE(ui::navigator().current()->objectName(), QStringLiteral("Form7"));
    }
};

QTEST_MAIN(TestExerciseWindow)
#include "tst_exercise_window.moc"
