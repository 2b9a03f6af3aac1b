// "Ver resolución": the working of the last press, its results against the
// window's fields, the condition of every kind of message, the physics it
// teaches, its PDF and its printing, and the unit labels beside the fields.

#include "app/windows.h"
#include "core/problems/atwood_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "core/problems/inclined_plane_cases.h"
#include "gui/problems/worked_solution.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/window_id.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using driver::numbered;
using driver::whenModalOpens;
using driver::workingShown;

QWidget *open(const QString &name)
{
    driver::resetProgram();
    ui::navigator().goTo(ui::WindowId(name.mid(4).toInt() - 1));
    return ui::navigator().current();
}

void press(QWidget *window, const QString &boxes, const QStringList &typed)
{
    driver::fill(window, boxes, typed);
    driver::click(window, "Command1");
}

QStringList linesAfter(const QString &text, const QString &heading)
{
    const qsizetype at = text.indexOf(QLatin1Char('\n') + heading + QLatin1Char('\n'));
    if (at < 0)
        return {};
    return text.mid(at + heading.size() + 2).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A row of working() that solves: the givens typed, "0" in the unknowns, and
// each field's line of the results.
void addCase(const char *window, const char *boxes, const QStringList &values, const QStringList &results)
{
    QStringList typed;
    for (int i = 0; i < values.size(); ++i)
        typed.append(boxes[i] == '1' ? values.at(i) : QStringLiteral("0"));
    QTest::addRow("%s %s", window, boxes) << QString::fromLatin1(window) << QString::fromLatin1(boxes) << typed << results
                                          << QString();
}

// A row of working() with no result: the condition the working names.
void addFailure(const char *window, const char *boxes, const QStringList &typed, const char *condition)
{
    QTest::addRow("%s %s: %s", window, boxes, condition) << QString::fromLatin1(window) << QString::fromLatin1(boxes)
                                                         << typed << QStringList() << QString::fromUtf8(condition);
}

// The working of one press, straight from the case table: "i", "h" or "a"
// for the inclined plane, the table or the Atwood machine.
solvers::Outcome solvedBy(const QString &problem, const QString &boxes, const QStringList &typed)
{
    solvers::Problem pressed;
    for (int i = 0; i < boxes.size(); ++i) {
        pressed.checked.append(boxes.at(i) == u'1');
        pressed.texts.append(typed.value(i));
    }
    if (problem == u"i")
        return solvers::inclined::solve(pressed);
    return problem == u"h" ? solvers::horizontal::solve(pressed) : solvers::atwood::solve(pressed);
}

// Saves through "Guardar PDF…", choosing `path` in the file dialog.
void saveAs(QDialog *worked, const QString &path)
{
    whenModalOpens([path](QDialog *dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            files->selectFile(path);
            // QFileDialog hides accept(); the dialog's own one checks the name.
            static_cast<QDialog *>(files)->accept();
        }
    });
    QTest::mouseClick(worked->findChild<QPushButton *>(QStringLiteral("PdfButton")), Qt::LeftButton);
}

} // namespace

class WorkedSolution : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }

    void working_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QStringList>("typed");
        // The line of the results for each field the press leaves unknown.
        QTest::addColumn<QStringList>("results");
        // Or, for a press with no result, the condition that failed.
        QTest::addColumn<QString>("condition");

        addCase("Form8", "011", {"", "30", "0,2"}, {"a = 3,21 m/s²", "", ""});
        addCase("Form8", "110", {"2", "30", ""}, {"", "", "μ = 0,34"});
        addCase("Form8", "101", {"9,6", "", "0,2"}, {"", "θ = 87,00°", ""});
        // m1 = 2, m2 = 3, μ = 0.2, a = 5.1012, T = 14.1264 fit together.
        for (const char *boxes : {"11100", "11010", "11001", "10101", "10011", "10110", "01110", "01101", "00111"})
            addCase("Form9", boxes, {"2", "3", "0,2", "5,1012", "14,1264"},
                    {"m₁ = 2,00 kg", "m₂ = 3,00 kg", "μ = 0,20", "a = 5,10 m/s²", "T = 14,13 N"});
        // m1 = 3 going down, m2 = 2: a = 1.962, T = 23.544.
        for (const char *boxes : {"1100", "1010", "1001", "0110", "0101", "0011"})
            addCase("Form10", boxes, {"3", "2", "1,962", "23,544"},
                    {"m₁ = 3,00 kg", "m₂ = 2,00 kg", "a = 1,96 m/s²", "T = 23,54 N"});
        addFailure("Form8", "011", {"0", "10", "0,5"}, "μ > tg θ   (0,5 > tg 10° = 0,18)");
        addFailure("Form8", "110", {"5", "30", "0"}, "a ≥ g·sen θ = 4,90 m/s²");
        // No angle lies within 0,1, and the window says nothing.
        addFailure("Form8", "101", {"50", "0", "0,2"},
                   "|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ entero de 0° a 90°");
        addFailure("Form9", "11100", {"10", "1", "0,5", "0", "0"}, "m₂ < μ·m₁   (1 kg < 5,00 kg)");
        addFailure("Form9", "01011", {"x", "", "y", "", ""}, "T − μ·m₁·g = m₁·a   (dos incógnitas, m₁ y μ, en una ecuación)");
        addFailure("Form9", "01101", {"0", "2", "0,2", "0", "30"}, "T > m₂·g = 19,62 N");
        addFailure("Form9", "00111", {"0", "0", "0,2", "9,81", "5"}, "a ≥ g");
        addFailure("Form9", "11100", {"2", "3", "0.2", "0", "0"}, "μ no es un número");
        addFailure("Form10", "1001", {"3", "0", "0", "30"}, "T ≥ m₁·g = 29,43 N");
        addFailure("Form10", "0101", {"0", "2", "0", "40"}, "T ≥ 2·m₂·g = 39,24 N");
    }

    // Fault caught: a working that disagrees with the fields (another formula,
    // another rounding, a result missing or in another order), a dialog that is
    // not modal or not owned by its window; a press that ends in a message with
    // no working, or with one that does not name the condition that failed or
    // what to change; "Ver resolución" left enabled for a later press that
    // names no case, showing this press's working as its own.
    void working()
    {
        QFETCH(QString, window);
        QFETCH(QString, boxes);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, results);
        QFETCH(QString, condition);

        QWidget *form = open(window);
        QVERIFY(!driver::control<QPushButton>(form, "Command4")->isEnabled());
        press(form, boxes, typed);
        // Which message, if any, is the problem windows' own test.
        const QString message = driver::messages().value(0);
        QVERIFY(driver::messages().size() <= (condition.isEmpty() ? 0 : 1));
        QVERIFY(driver::control<QPushButton>(form, "Command4")->isEnabled());

        const QString shown = workingShown(form);
        if (condition.isEmpty()) {
            QVERIFY(shown.contains(QStringLiteral("g = 9,81 m/s²")));
            const QStringList lines = linesAfter(shown, QStringLiteral("Resultados"));
            const qsizetype unknowns = boxes.count(u'0');
            QCOMPARE(lines.size(), unknowns + 1); // and the date
            // In the order the window writes them, which its own test checks; the
            // number of the line is the field's text.
            for (int i = 0; i < boxes.size(); ++i) {
                const QString line = results.at(i), field = driver::text(form, numbered("Text", i));
                QVERIFY2(boxes.at(i) == u'1' || lines.mid(0, unknowns).contains(line), qPrintable(line));
                QVERIFY2(boxes.at(i) == u'1' || line.section(QStringLiteral(" = "), 1).startsWith(field), qPrintable(field));
            }
        } else {
            QStringList lines = linesAfter(shown, QStringLiteral("Por qué no hay resultado"));
            if (!message.isEmpty()) {
                QCOMPARE(lines.takeFirst(), QStringLiteral("La ventana muestra el mensaje «%1».").arg(message));
                // Where the message misleads, a line says so (falseReasonsAreNamed).
                if (lines.value(0).startsWith(QStringLiteral("Ese mensaje no describe lo que falla: ")))
                    lines.removeFirst();
            }
            QCOMPARE(lines.value(0), condition);
            QVERIFY(lines.value(2).startsWith(QStringLiteral("Qué puedes cambiar: ")));
        }
        press(form, QString(boxes.size(), u'0'), {});
        QVERIFY(!driver::control<QPushButton>(form, "Command4")->isEnabled());
    }

    void falseReasonsAreNamed_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("misleads");
        // Every check of the tables whose message names another fault than
        // the one found, and beside some of them one whose message is true.
        QTest::newRow("table 2: a above m2 g/(m1 + m2)") << "h" << "11010" << QStringList{"2", "3", "", "7"} << true;
        QTest::newRow("table 2: negative a, told true") << "h" << "11010" << QStringList{"2", "3", "", "-1"} << false;
        QTest::newRow("table 3: a mass of zero") << "h" << "11001" << QStringList{"2", "0", "", "", "5"} << true;
        QTest::newRow("table 3: T > 0 below m1 m2 g/(m1 + m2)") << "h" << "11001" << QStringList{"2", "3", "", "", "10"}
                                                               << true;
        QTest::newRow("table 3: T = 0, told true") << "h" << "11001" << QStringList{"2", "3", "", "", "0"} << false;
        QTest::newRow("table 3: T above m2 g") << "h" << "11001" << QStringList{"2", "3", "", "", "30"} << true;
        QTest::newRow("table 4: T not below m1 (1 + μ) g") << "h" << "10101" << QStringList{"2", "", "0", "", "30"}
                                                           << true;
        QTest::newRow("table 4: T below μ m1 g") << "h" << "10101" << QStringList{"2", "", "0,5", "", "5"} << true;
        QTest::newRow("table 5: T below m1 a") << "h" << "10011" << QStringList{"2", "", "", "3", "5"} << true;
        QTest::newRow("table 8: a = μ = 0") << "h" << "01110" << QStringList{"", "3", "0", "0"} << true;
        QTest::newRow("table 8: a above g") << "h" << "01110" << QStringList{"", "3", "0,2", "12"} << true;
        QTest::newRow("table 9: T above m2 g") << "h" << "01101" << QStringList{"", "2", "0,2", "", "30"} << true;
        QTest::newRow("table 9: T = m2 g without friction") << "h" << "01101" << QStringList{"", "2", "0", "", "19,62"}
                                                            << true;
        QTest::newRow("table 10: a = 9,81, told true") << "h" << "00111" << QStringList{"", "", "0,2", "9,81", "5"}
                                                       << false;
        QTest::newRow("Atwood 4: a = g") << "a" << "0110" << QStringList{"", "2", "9,81"} << true;
        QTest::newRow("Atwood 4: a above g, told true") << "a" << "0110" << QStringList{"", "2", "10"} << false;
        QTest::newRow("incline A: θ = 0, told true") << "i" << "110" << QStringList{"2", "0"} << false;
    }

    // Fault caught: a message that names a fault the data do not have (the
    // acceleration "must be at least zero" when it is too large) left
    // standing in the working as if it were the reason.
    void falseReasonsAreNamed()
    {
        QFETCH(QString, problem);
        QFETCH(QString, boxes);
        QFETCH(QStringList, typed);
        QFETCH(bool, misleads);
        const solvers::Working working = solvedBy(problem, boxes, typed).working;
        const auto message = std::find_if(working.cbegin(), working.cend(), [](const solvers::Step &step) {
            return step.kind == solvers::Step::Kind::Message;
        });
        QVERIFY(message != working.cend() && message + 1 != working.cend());
        const solvers::Step &next = *(message + 1);
        QCOMPARE(next.kind == solvers::Step::Kind::Sentence
                     && next.text.startsWith(QStringLiteral("Ese mensaje no describe lo que falla: ")),
                 misleads);
    }

    void physicsAsTaught_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QStringList>("typed");
        // Lines the working must hold, and a pattern no line may match.
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QString>("never");
        // Worked by hand with g = 9,81 and π = 3,14159.
        QTest::newRow("table 8: μ = 0 and a = 0, no m1 gives a = 0")
            << "h" << "01110" << QStringList{"", "3", "0", "0"} << QStringList{"Ninguna m₁ da a = 0"}
            << "cualquier m₁ vale";
        // arctg 0,2 + arcsen(9,6/(9,81·√1,04)) = 11,31° + 73,66°.
        QTest::newRow("incline B: 84,97° beside the window's 87°")
            << "i" << "101" << QStringList{"9,6", "", "0,2"}
            << QStringList{"≈ 84,97°", "Por eso la ventana escribe 87° y no el ángulo exacto, 84,97°", "θ = 87,00°"}
            << "no se despeja";
        // 46° gives 0,24 m/s², 47° 0,48 m/s²; exact 45° + 1,45°.
        QTest::newRow("incline B: a between two whole angles, none near")
            << "i" << "101" << QStringList{"0,35", "", "1"}
            << QStringList{"la de 47°, 0,48 m/s²", "El ángulo que buscas es el exacto, 46,45°"} << "entre esos dos valores";
        // tg(45·3,14159/180) = 0,99999867; a = −9,2·10⁻⁶ m/s².
        QTest::newRow("incline C: θ = 45°, μ = 1 with π ≈ 3,14159")
            << "i" << "011" << QStringList{"", "45", "1"}
            << QStringList{"μ > tg θ   (1 > tg 45° = 0,9999987)", "π ≈ 3,14159", "≈ −0,000009 m/s²"} << "= 1,00\\)";
        // arctg 0,5 = 26,57°.
        QTest::newRow("incline C: static friction holds the block")
            << "i" << "011" << QStringList{"", "10", "0,5"}
            << QStringList{"Fricción cinética (el bloque desliza):   fr = μ·N = μ·m·g·cos θ", "fricción estática vale justo",
                           "a partir de θ = arctg μ = 26,57°"}
            << "La fricción supera";
        QTest::newRow("incline A: a = 0, μ only a lower bound")
            << "i" << "110" << QStringList{"0", "30"} << QStringList{"el valor hallado sería solo el mínimo"} << "";
        // T = 1·9,81 while friction holds the blocks.
        QTest::newRow("table 1: friction wins, at rest with T = m2 g")
            << "h" << "11100" << QStringList{"10", "1", "0,5"}
            << QStringList{"Fricción cinética (el bloque 1 desliza):   fr = μ·N = μ·m₁·g", "T = m₂·g = 9,81 N"}
            << "no vence";
        QTest::newRow("table 1: T from block 2's equation")
            << "h" << "11100" << QStringList{"2", "3", "0,2"}
            << QStringList{"T sale de la ecuación del bloque 2, T = m₂·(g − a); sustituyendo a queda:"} << "";
        QTest::newRow("table 2: a = 0, μ only a lower bound")
            << "h" << "11010" << QStringList{"2", "3", "", "0"} << QStringList{"ese valor sería solo el mínimo"} << "";
        // 3·9,81 − 20 = 9,43 N against 3·2 = 6 N.
        QTest::newRow("table 7: data that contradict block 2")
            << "h" << "01011" << QStringList{"", "3", "", "2", "20"} << QStringList{"m₂·g − T ≠ m₂·a   (9,43 N ≠ 6,00 N)"}
            << "";
        QTest::newRow("table 10: a > 0 asked for, a = 0 not called impossible")
            << "h" << "00111" << QStringList{"", "", "0,2", "0", "5"} << QStringList{"a ≤ 0"} << "no bajaría";
        // The heavier block 2 goes down; 2·2·3·9,81/5 = 23,54 N.
        QTest::newRow("Atwood 1: m1 < m2, block 2 goes down")
            << "a" << "1100" << QStringList{"2", "3"}
            << QStringList{"m₁ = 2 kg (masa del bloque 1)", "Bloque 2 (baja):   m₂·g − T = m₂·a",
                           "T sale de la ecuación del bloque que baja, T = m₂·(g − a); sustituyendo a queda:"}
            << "(m₁|[Bb]loque 1)[^.:;]*baja|bloque que baja\\)";
        // Block 1 rising: a = (35 − 29,43)/3 = 1,86; m2 = 105/(58,86 − 35) = 4,40.
        QTest::newRow("Atwood 3: T > m1 g fits with block 1 going up")
            << "a" << "1001" << QStringList{"3", "", "", "35"}
            << QStringList{"a = (T − m₁·g)/m₁ = 1,86 m/s² y m₂ = m₁·T/(2·m₁·g − T) = 4,40 kg"} << "";
    }

    // Fault caught: a working that teaches something false: any m1 for a
    // system that always accelerates, no formula for an angle that has one,
    // advice to type a value the student already typed, "1 > tan 45° = 1,00",
    // friction that "exceeds" the weight's pull, the lighter block called the
    // one that goes down, data that contradict each other called merely too
    // few.
    void physicsAsTaught()
    {
        QFETCH(QString, problem);
        QFETCH(QString, boxes);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, said);
        QFETCH(QString, never);
        const QString working = solvers::plainText(solvedBy(problem, boxes, typed).working);
        for (const QString &line : said)
            QVERIFY2(working.contains(line), qPrintable(line + QStringLiteral("\n---\n") + working));
        const QRegularExpression wrong(never);
        QVERIFY2(never.isEmpty() || !wrong.match(working).hasMatch(), qPrintable(wrong.match(working).captured()));
    }

    void footerDate_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("written");
        QTest::newRow("eu: -ko, -a") << QLocale::Basque << QDate(2026, 12, 6) << "2026ko abenduaren 6a";
        QTest::newRow("eu: -ko after hamaika, no -a either") << QLocale::Basque << QDate(2031, 3, 11)
                                                                 << "2031ko martxoaren 11,";
        QTest::newRow("eu: -eko after hamar") << QLocale::Basque << QDate(2030, 1, 31) << "2030eko urtarrilaren 31,";
        QTest::newRow("es: Qt's long format") << QLocale::Spanish << QDate(2026, 12, 6) << "domingo, 6 de diciembre de 2026";
    }

    // Fault caught: the Basque footer in Qt's long format, "2026(e)ko
    // abenduakren 6(a)", which leaves the reader to pick the endings.
    void footerDate()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QDate, date);
        QFETCH(QString, written);
        const QLocale before;
        QLocale::setDefault(QLocale(language, QLocale::Spain));
        const auto document = solvers::workedDocument({QStringLiteral("Plano inclinado"),
                                                       QStringLiteral(":/assets/inclined_plane_diagram.svg"), {}},
                                                      date);
        QLocale::setDefault(before);
        QVERIFY2(document->toPlainText().contains(QStringLiteral("Cuestaval, ") + written),
                 qPrintable(document->toPlainText()));
    }

    // Fault caught: a failed write that says nothing, says it twice, or leaves
    // a partial file behind; a PDF that is empty, unreadable, or lacks the
    // results; the print plugin missing from the build or not loading, or a
    // print dialog that is not owned by the "Resolución" dialog.
    void pdfIsWrittenWholeOrNotAtAllAndPrintAsksForAPrinter()
    {
        QTemporaryDir folder;
        // A file where a folder should be: no PDF can be written inside it.
        QFile notAFolder(folder.filePath(QStringLiteral("archivo")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        const QString path = folder.filePath(QStringLiteral("resolución"));
        bool asked = false;
        QWidget *form = open(QStringLiteral("Form9"));
        press(form, QStringLiteral("11100"), {"2", "3", "0,2"});
        whenModalOpens([&](QDialog *worked) {
            saveAs(worked, notAFolder.fileName() + QStringLiteral("/resolucion.pdf"));
            saveAs(worked, path);
            whenModalOpens([&asked, worked](QDialog *dialog) {
                asked = dialog && dialog->inherits("QPrintDialog") && dialog->parentWidget() == worked;
            });
            QTest::mouseClick(worked->findChild<QPushButton *>(QStringLiteral("PrintButton")), Qt::LeftButton);
        });
        driver::click(form, "Command4");
        QVERIFY(asked);
        QCOMPARE(driver::messages().size(), 1);
        QVERIFY(driver::messages().at(0).startsWith(QStringLiteral("No se pudo guardar el PDF")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 (QStringList{"archivo", "resolución.pdf"}));

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path + QStringLiteral(".pdf"), QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *expected : {"Resolución: Plano horizontal", "g = 9,81 m/s²", "a = 5,10 m/s²", "T = 14,13 N"})
            QVERIFY2(pdf.contains(QString::fromUtf8(expected)), expected);
    }

    void unitsBesideTheirFields_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("units");
        QTest::newRow("Form8") << "Form8" << QStringList{"m/s²", "°", ""};
        QTest::newRow("Form9") << "Form9" << QStringList{"kg", "kg", "", "m/s²", "N"};
        QTest::newRow("Form10") << "Form10" << QStringList{"kg", "kg", "m/s²", "N"};
    }

    // Fault caught: a unit on the wrong row, left of its field or out of line
    // with the others; a field whose name a screen reader reads without its
    // unit. (A control over another is tst_accessibility's, cut text tst_zoom's.)
    void unitsBesideTheirFields()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, units);
        QWidget *form = open(window);
        QSet<int> lefts;
        qsizetype found = 0;
        for (int i = 0; i < units.size(); ++i) {
            auto *field = driver::control<QLineEdit>(form, numbered("Text", i));
            QVERIFY(field->accessibleName().contains(units.at(i).isEmpty() ? QStringLiteral("sin unidades")
                                                                           : QStringLiteral(" en ")));
            for (QLabel *unit : form->findChildren<QLabel *>())
                if (!units.at(i).isEmpty() && unit->text() == units.at(i) && unit->y() == field->y()
                    && unit->x() > field->geometry().right())
                    ++found, lefts.insert(unit->x());
        }
        QCOMPARE(found, units.size() - units.count(QString()));
        QCOMPARE(lefts.size(), 1);
    }
};

QTEST_MAIN(WorkedSolution)
#include "tst_worked_solution.moc"
