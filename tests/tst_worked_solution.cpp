// "Ver resolución": the working of the last press, its results against the
// window's fields, the condition of every kind of message, its PDF and its
// printing, and the unit labels beside the fields.

#include "app/windows.h"
#include "gui/problems/worked_solution.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/window_id.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

namespace {

using driver::numbered;

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

// Runs `look` on the modal dialog that the next click opens, from inside
// the dialog's own event loop, then closes it if `look` left it open.
void whenModalOpens(std::function<void(QDialog *)> look)
{
    QTimer::singleShot(0, qApp, [look] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        look(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
}

// The text of the "Resolución" dialog that Command4 opens; empty when no
// such dialog, owned by the window and modal, opened.
QString workingShown(QWidget *window)
{
    QString text;
    whenModalOpens([&text, window](QDialog *dialog) {
        if (dialog && dialog->windowTitle() == u"Resolución" && dialog->parentWidget() == window && dialog->isModal())
            text = dialog->findChild<QTextBrowser *>(QStringLiteral("Working"))->toPlainText();
    });
    driver::click(window, "Command4");
    return text;
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
        addFailure("Form8", "011", {"0", "10", "0,5"}, "μ > tan θ   (0,5 > tan 10° = 0,18)");
        addFailure("Form8", "110", {"5", "30", "0"}, "a ≥ g·sen θ = 4,90 m/s²");
        // No angle lies within 0,1, and the window says nothing.
        addFailure("Form8", "101", {"50", "0", "0,2"}, "|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ de 0° a 90°");
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
            if (!message.isEmpty())
                QCOMPARE(lines.value(0), QStringLiteral("La ventana muestra el mensaje «%1».").arg(message));
            QCOMPARE(lines.value(message.isEmpty() ? 0 : 1), condition);
            QVERIFY(lines.value(message.isEmpty() ? 2 : 3).startsWith(QStringLiteral("Qué puedes cambiar: ")));
        }
        press(form, QString(boxes.size(), u'0'), {});
        QVERIFY(!driver::control<QPushButton>(form, "Command4")->isEnabled());
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

    // Fault caught: a unit on the wrong row, out of line with the others, or
    // over another control (cut off is the zoom test's); a field whose name a
    // screen reader reads without its unit; "Ver resolución" over another control.
    void unitsBesideTheirFields()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, units);
        QWidget *form = open(window);
        const QList<QWidget *> controls = form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QList<QWidget *> added{driver::control<QWidget>(form, "Command4")};
        QSet<int> lefts;
        for (int i = 0; i < units.size(); ++i) {
            auto *field = driver::control<QLineEdit>(form, numbered("Text", i));
            QVERIFY(field->accessibleName().contains(units.at(i).isEmpty() ? QStringLiteral("sin unidades")
                                                                           : QStringLiteral(" en ")));
            for (QLabel *unit : form->findChildren<QLabel *>()) {
                if (unit->text() != units.at(i) || unit->y() != field->y() || units.at(i).isEmpty())
                    continue;
                QVERIFY(unit->x() > field->geometry().right());
                lefts.insert(unit->x());
                added.append(unit);
            }
        }
        QCOMPARE(added.size(), 1 + units.size() - units.count(QString()));
        QCOMPARE(lefts.size(), 1);
        for (QWidget *control : added)
            for (QWidget *other : controls)
                QVERIFY2(other == control || !other->isVisible() || !control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + QStringLiteral(" over ") + other->objectName()));
    }
};

QTEST_MAIN(WorkedSolution)
#include "tst_worked_solution.moc"
