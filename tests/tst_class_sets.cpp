// Class sets: the command line a teacher scripts (run as a program, with no
// display), the files read back as a teacher's and Moodle's tools read them,
// the "Preparar una hoja" dialog driven as a user does, and the worked
// solution's page that the key shares with "Guardar PDF…".

#include "gui/class_sets/class_set_dialog.h"
#include "core/class_sets/moodle_xml.h"
#include "core/problems/inclined_plane_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "gui/problems/worked_solution.h"
#include "support/gui_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <cmath>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program as a teacher's script runs it: no desktop, the language of
// the environment.
Run cuestaval(const QStringList &arguments, const QString &folder, const QString &language = QStringLiteral("es"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANGUAGE"), language);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(CUESTAVAL_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QString poppler(const QString &tool, const QString &pdf)
{
    QProcess process;
    process.start(tool, tool == u"pdftotext" ? QStringList{QStringLiteral("-layout"), pdf, QStringLiteral("-")}
                                             : QStringList{pdf});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QString info = poppler(QStringLiteral("pdfinfo"), pdf);
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name);
}

// The answers of each code as the key writes them: "a = 3,2086 m/s² (± 0,0321)",
// the value and the margin, with a decimal point.
QMap<QString, QStringList> keyAnswers(const QStringList &pages)
{
    const QRegularExpression code(QStringLiteral("Código (\\d-\\d+-\\d+)"));
    const QRegularExpression answer(QStringLiteral("^\\s*\\S+ = (\\d+(?:,\\d+)?)[^(]*\\(± (\\d+(?:,\\d+)?)\\)\\s*$"),
                                    QRegularExpression::MultilineOption);
    QMap<QString, QStringList> answers;
    for (const QString &page : pages) {
        QStringList found;
        for (const QRegularExpressionMatch &match : answer.globalMatch(page))
            found << QString(match.captured(1) + u':' + match.captured(2)).replace(u',', u'.');
        answers.insert(code.match(page).captured(1), found);
    }
    return answers;
}

struct Bank {
    QString error;
    QString category;
    QStringList names;
    QStringList texts;
    QStringList feedbacks;
    QList<QByteArray> images;
};

Bank readBank(const QByteArray &xml)
{
    Bank bank;
    QXmlStreamReader reader(xml);
    QString type;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = reader.name();
        if (name == u"question") {
            type = reader.attributes().value(QLatin1String("type")).toString();
        } else if (name == u"text" && type == u"category") {
            bank.category = reader.readElementText();
        } else if (name == u"name") {
            reader.readNextStartElement();
            bank.names << reader.readElementText();
        } else if (name == u"questiontext") {
            reader.readNextStartElement();
            bank.texts << reader.readElementText();
        } else if (name == u"file") {
            bank.images << QByteArray::fromBase64(reader.readElementText().toLatin1());
        } else if (name == u"generalfeedback") {
            reader.readNextStartElement();
            bank.feedbacks << reader.readElementText();
        }
    }
    if (reader.hasError())
        bank.error = reader.errorString();
    return bank;
}

// Each embedded answer's right value and margin, "3.2086:0.0321".
QStringList rightAnswers(const QString &questionText)
{
    QStringList answers;
    const QRegularExpression part(QStringLiteral("\\{1:NUMERICAL:=([^:~#}]*):([^:~#}]*)[~}]"));
    for (const QRegularExpressionMatch &match : part.globalMatch(questionText))
        answers << match.captured(1) + u':' + match.captured(2);
    return answers;
}

} // namespace

class TestClassSets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { driver::installSpanishTestEnvironment(); }

    // Sixty variants of every problem. Faults caught: a code missing from the
    // sheet or the key, a key page that holds two variants or a variant cut
    // over two pages, a key answer that is not the exercise's, a question bank
    // Moodle's importer would refuse (not XML, a comma in an answer, a picture
    // it cannot find) or whose answers differ from the key's, a window or a
    // display needed to write them.
    void commandLineWritesTheSet()
    {
        QTemporaryDir folder;
        const Run run = cuestaval({"--exercises", "60", "--problem", "any", "--seed", "4000", "--sheet", "hoja.pdf",
                                   "--key", "clave.pdf", "--moodle", "banco.xml"},
                                  folder.path());
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(u'\n', Qt::SkipEmptyParts).size(), 3);
        for (const char *file : {"hoja.pdf", "clave.pdf", "banco.xml"})
            QVERIFY2(run.out.contains(QStringLiteral(": %1\n").arg(QLatin1String(file))), file);

        QStringList codes;
        for (int number = 4000; number < 4060; ++number)
            codes << exercises::anyCode(number)->text();
        QCOMPARE(pageCount(folder.filePath("hoja.pdf")), 30);
        const QString sheet = poppler(QStringLiteral("pdftotext"), folder.filePath("hoja.pdf"));
        for (const QString &code : codes)
            QVERIFY2(sheet.contains(QStringLiteral("Código ") + code), qPrintable(code));

        QCOMPARE(pageCount(folder.filePath("clave.pdf")), 60);
        const QStringList pages =
            poppler(QStringLiteral("pdftotext"), folder.filePath("clave.pdf")).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 60);
        for (int i = 0; i < 60; ++i) {
            QCOMPARE(pages.at(i).count(QStringLiteral("Código ")), 1);
            QVERIFY2(pages.at(i).contains(QStringLiteral("Código ") + codes.at(i)), qPrintable(codes.at(i)));
            // The whole working, to its date, on the variant's own page.
            QVERIFY(pages.at(i).contains(QStringLiteral("Resultados")));
            QVERIFY(pages.at(i).contains(QStringLiteral("Cuestaval, ")));
        }
        const QMap<QString, QStringList> key = keyAnswers(pages);

        QFile file(folder.filePath("banco.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Bank bank = readBank(file.readAll());
        QCOMPARE(bank.error, QString());
        QCOMPARE(bank.category, QStringLiteral("$course$/top/Cuestaval/Cualquier problema/Cualquier pregunta"));
        QCOMPARE(bank.names.size(), 60);
        QCOMPARE(bank.texts.size(), 60);
        QCOMPARE(bank.images.size(), 60);
        QCOMPARE(bank.feedbacks.size(), 60);
        for (int i = 0; i < 60; ++i) {
            const QString &code = codes.at(i);
            QVERIFY2(bank.names.at(i).startsWith(code + QStringLiteral(" · ")), qPrintable(bank.names.at(i)));
            const exercises::Exercise exercise = *exercises::makeExercise(*exercises::parseCode(code));
            const QStringList answers = rightAnswers(bank.texts.at(i));
            QCOMPARE(answers.size(), exercise.unknowns.size());
            QCOMPARE(answers, key.value(code));
            for (int j = 0; j < answers.size(); ++j) {
                const exercises::Unknown &unknown = exercise.unknowns.at(j);
                QCOMPARE(answers.at(j).section(u':', 0, 0).toDouble(), std::round(unknown.exact * 1e4) / 1e4);
                QCOMPARE(answers.at(j).section(u':', 1).toDouble(), std::round(unknown.tolerance * 1e4) / 1e4);
            }
            QVERIFY(bank.images.at(i).startsWith("\x89PNG\r\n\x1a\n"));
            QVERIFY(bank.texts.at(i).contains(QStringLiteral("@@PLUGINFILE@@/")));
            QVERIFY(bank.texts.at(i).contains(QStringLiteral("g = 9,81 m/s²")));
            QVERIFY(bank.feedbacks.at(i).contains(QStringLiteral("Resultados")));
        }
    }

    void badOptionsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const QStringList files{"--sheet", "h.pdf", "--key", "c.pdf", "--moodle", "b.xml"};
        QTest::newRow("no students") << (QStringList{"--exercises", "0"} + files) << "de 1 a 60, no «0»";
        QTest::newRow("61 students") << (QStringList{"--exercises", "61"} + files) << "de 1 a 60, no «61»";
        QTest::newRow("not a number") << (QStringList{"--exercises", "treinta"} + files) << "no «treinta»";
        QTest::newRow("unknown problem") << (QStringList{"--exercises", "5", "--problem", "ramp"} + files)
                                         << "inclined, table, atwood o any, no «ramp»";
        QTest::newRow("question without problem") << (QStringList{"--exercises", "5", "--case", "2"} + files)
                                                  << "--case necesita un problema";
        QTest::newRow("question 7 of the table")
            << (QStringList{"--exercises", "5", "--problem", "table", "--case", "7"} + files)
            << "1, 2, 3, 4, 5, 6, 8, 9 y 10";
        QTest::newRow("seed past 9999")
            << (QStringList{"--exercises", "60", "--seed", "9950"} + files)
            << "llegarían al número 10009, pero el último es 9999: --seed puede ser como mucho 9940";
        QTest::newRow("negative seed") << (QStringList{"--exercises", "5", "--seed", "-1"} + files) << "no «-1»";
        QTest::newRow("no file") << QStringList{"--exercises", "5"} << "--sheet, --key o --moodle";
        QTest::newRow("one file twice") << QStringList{"--exercises", "5", "--sheet", "a.pdf", "--key", "./a.pdf"}
                                        << "--sheet y --key son el mismo archivo";
        QTest::newRow("a file without a set") << QStringList{"--sheet", "h.pdf"}
                                              << "--sheet solo sirve con --exercises";
        // "archivo" is a plain file: nothing can be written inside it.
        QTest::newRow("an unwritable place") << (QStringList{"--exercises", "4", "--sheet", "h.pdf", "--key",
                                                             "archivo/c.pdf", "--moodle", "b.xml"})
                                             << "No se pudo guardar «archivo/c.pdf»";
    }

    // Faults caught: a bad value that writes some files anyway, is silently
    // replaced, gets Qt's usage text or several errors, or ends with another
    // status than 2; a range of codes that runs past the last number; a set
    // half written or a temporary file left when one place cannot be written.
    void badOptionsWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QTemporaryDir folder;
        QFile plainFile(folder.filePath(QStringLiteral("archivo")));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        plainFile.close();
        const Run run = cuestaval(arguments, folder.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(QStringLiteral("cuestaval: ")) && run.err.count(u'\n') == 1, qPrintable(run.err));
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        QCOMPARE(entries(folder.path()), QStringList{"archivo"});
    }

    // Faults caught: the codes shown differing from the codes written, a range
    // allowed past the last number, files written that were not ticked, no
    // button to press or a button that writes nothing, a failure said twice or
    // not at all, or files left after it.
    void dialogWritesTheChosenFiles()
    {
        QTemporaryDir folder;
        class_sets::ClassSetDialog dialog;
        dialog.setChoice(exercises::ProblemKind::AtwoodMachine, 1);
        dialog.show();
        auto *students = dialog.findChild<QSpinBox *>(QStringLiteral("StudentsBox"));
        auto *first = dialog.findChild<QSpinBox *>(QStringLiteral("FirstBox"));
        auto *save = dialog.findChild<QPushButton *>(QStringLiteral("SaveButton"));
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("QuestionBox"))->currentText(),
                 QStringLiteral("Calcula a y T"));
        QVERIFY(!first->isEnabled());
        QTest::mouseClick(dialog.findChild<QRadioButton *>(QStringLiteral("FromButton")), Qt::LeftButton);
        QVERIFY(first->isEnabled());
        students->setValue(60);
        QCOMPARE(first->maximum(), 9940);
        students->setValue(3);
        first->setValue(100);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("CodesLabel"))->text(),
                 QStringLiteral("Códigos: 3-1-100 a 3-1-102"));
        for (const char *box : {"SheetCheck", "KeyCheck", "MoodleCheck"})
            dialog.findChild<QCheckBox *>(QLatin1String(box))->setChecked(false);
        QVERIFY(!save->isEnabled());
        dialog.findChild<QCheckBox *>(QStringLiteral("SheetCheck"))->setChecked(true);
        dialog.findChild<QCheckBox *>(QStringLiteral("MoodleCheck"))->setChecked(true);

        const auto chooseFolder = [save](const QString &path) {
            driver::whenModalOpens([path](QDialog *dialog) {
                if (auto *files = qobject_cast<QFileDialog *>(dialog))
                    files->selectFile(path), dialog->accept();
            });
            QTest::mouseClick(save, Qt::LeftButton);
        };
        chooseFolder(folder.path());
        QCOMPARE(entries(folder.path()), (QStringList{"hoja 3-1-100 a 3-1-102.pdf", "moodle 3-1-100 a 3-1-102.xml"}));
        QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("ResultLabel"))
                    ->text()
                    .contains(QStringLiteral("moodle 3-1-100 a 3-1-102.xml")));
        QCOMPARE(driver::messages(), QStringList());

        // A folder where the question bank's name is taken by a folder: the
        // sheet, written first, must not stay.
        QTemporaryDir other;
        QVERIFY(QDir(other.path()).mkdir(QStringLiteral("moodle 3-1-100 a 3-1-102.xml")));
        chooseFolder(other.path());
        QCOMPARE(driver::messages().size(), 1);
        QVERIFY(driver::messages().at(0).startsWith(QStringLiteral("No se pudo guardar")));
        QCOMPARE(entries(other.path()), QStringList{"moodle 3-1-100 a 3-1-102.xml"});
    }

    void workingFitsOnePage_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<QList<bool>>("checked");
        QTest::addColumn<QStringList>("texts");
        // The no-solution case that spilled onto a second page.
        QTest::newRow("inclined, μ > tan θ") << 1 << QList<bool>{false, true, true} << QStringList{"", "10", "0,5"};
        QTest::newRow("horizontal, m₁ and m₂ from μ, a, T")
            << 2 << QList<bool>{false, false, true, true, true} << QStringList{"", "", "0,2", "5,1012", "14,1264"};
    }

    // Faults caught: a working that spills onto a second page of the dialog's
    // PDF (and so of the key, which draws the same page).
    void workingFitsOnePage()
    {
        QFETCH(int, problem);
        QFETCH(QList<bool>, checked);
        QFETCH(QStringList, texts);
        const solvers::Outcome outcome =
            problem == 1 ? solvers::inclined::solve({checked, texts}) : solvers::horizontal::solve({checked, texts});
        QVERIFY(!outcome.working.isEmpty());
        const auto document = solvers::workedDocument(
            {QStringLiteral("Problema"), problem == 1 ? QStringLiteral(":/assets/inclined_plane_diagram.svg")
                                                      : QStringLiteral(":/assets/horizontal_plane_diagram.svg"),
             outcome.working},
            QDate(2026, 12, 7));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("resolución.pdf"));
        QVERIFY(solvers::writePdf(*document, QStringLiteral("Resolución"), pdf));
        QCOMPARE(pageCount(pdf), 1);
        // To its footer.
        QVERIFY(poppler(QStringLiteral("pdftotext"), pdf).contains(QStringLiteral("7 de diciembre de 2026")));
    }

    // Faults caught: a "]]>" that ends the CDATA section early and corrupts
    // the file; a feedback text that ends or splits an embedded answer; an
    // answer written with a comma, a group separator or "-0".
    void moodleTextAndNumbers()
    {
        for (const QString &text : {QStringLiteral("T = 14,13 N"), QStringLiteral("a]]>b]]]>c"), QStringLiteral("x]]")}) {
            QXmlStreamReader reader(QStringLiteral("<text>%1</text>").arg(class_sets::cdata(text)));
            reader.readNextStartElement();
            QCOMPARE(reader.readElementText(), text);
            QVERIFY(!reader.hasError());
        }
        QCOMPARE(class_sets::clozeEscaped(QStringLiteral("a}b#c~d")), QStringLiteral("a\\}b\\#c\\~d"));
        QCOMPARE(class_sets::answerNumber(1234.56789, QLocale::c()), QStringLiteral("1234.5679"));
        QCOMPARE(class_sets::answerNumber(1234.5, QLocale()), QStringLiteral("1234,5"));
        QCOMPARE(class_sets::answerNumber(30, QLocale::c()), QStringLiteral("30"));
        QCOMPARE(class_sets::answerNumber(-0.00001, QLocale::c()), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestClassSets)
#include "tst_class_sets.moc"
