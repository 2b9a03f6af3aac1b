#include "support/problem_window_test.h"

#include "app/windows.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/window_id.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using driver::numbered;

namespace {

QStringList fieldTexts(QWidget *window, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts.append(driver::text(window, numbered("Text", i)));
    return texts;
}

} // namespace

void ProblemWindowTest::addColumns()
{
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("messages");
}

void ProblemWindowTest::solved(const char *name, const char *boxes, const QStringList &typed, const QStringList &expected)
{
    QTest::newRow(name) << QString::fromLatin1(boxes) << typed << expected << QStringList();
}

void ProblemWindowTest::rejected(const char *name, const char *boxes, const QStringList &typed, const QString &message)
{
    QTest::newRow(name) << QString::fromLatin1(boxes) << typed << typed << QStringList{message};
}

void ProblemWindowTest::ignored(const char *name, const char *boxes, const QStringList &typed)
{
    QTest::newRow(name) << QString::fromLatin1(boxes) << typed << typed << QStringList();
}

void ProblemWindowTest::solvedFromValuesThatFit(const QList<std::pair<const char *, QString>> &cases,
                                                const QStringList &values, const QStringList &shown) const
{
    for (const auto &[name, boxes] : cases) {
        QStringList typed, expected;
        for (int i = 0; i < m_target.fieldCount; ++i) {
            typed.append(boxes.at(i) == u'1' ? values.at(i) : QStringLiteral("0"));
            expected.append(boxes.at(i) == u'1' ? values.at(i) : shown.at(i));
        }
        QTest::newRow(name) << boxes << typed << expected << QStringList();
    }
}

void ProblemWindowTest::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
}

// Every test starts from the menu button, which must open this window alone.
void ProblemWindowTest::init()
{
    driver::resetProgram();
    ui::navigator().goTo(ui::WindowId::Form7);
    driver::click(ui::navigator().current(), m_target.menuButton);
    m_window = ui::navigator().current();
    QCOMPARE(m_window->objectName(), m_target.objectName);
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{m_window});
}

// Fault caught: a wrong formula, a result in the wrong field, a given field
// rewritten, a check missing or in the wrong order, a case run for a pattern
// that only contains its boxes.
void ProblemWindowTest::solves()
{
    QFETCH(QString, boxes);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);

    driver::fill(m_window, boxes, typed);
    driver::click(m_window, "Command1");
    QCOMPARE(driver::messages(), messages);
    QCOMPARE(fieldTexts(m_window, m_target.fieldCount), expected);
}

// Fault caught: a press with a box too few or too many that leaves the
// student without a word, or that writes a field or shows a message; a number
// with the other decimal separator refused without saying how to write it; a
// hint that stays after the student has changed something.
void ProblemWindowTest::hintsOnTheNoteLine()
{
    auto *note = driver::control<QLabel>(m_window, "Label1");
    const QString decimalComma = note->text();
    const auto noteReads = [note](const QString &expected) {
        QCOMPARE(QString(note->text()).replace(QLatin1Char('\n'), QLatin1Char(' ')), expected);
        const QRect room = note->contentsRect();
        QVERIFY(room.contains(note->fontMetrics().boundingRect(room, int(note->alignment()) | Qt::TextWordWrap, note->text())));
    };
    const QString ticks = m_target.givenBoxes == 3 ? QStringLiteral("Marca tres casillas: las magnitudes que conoces")
                                                   : QStringLiteral("Marca dos casillas: las magnitudes que conoces");
    for (const int ticked : {m_target.givenBoxes - 1, m_target.givenBoxes + 1}) {
        driver::fill(m_window, QString(ticked, u'1').leftJustified(m_target.fieldCount, u'0'), {QStringLiteral("2")});
        driver::click(m_window, "Command1");
        noteReads(ticks);
        QVERIFY(driver::messages().isEmpty());
        QCOMPARE(driver::text(m_window, "Text2"), QStringLiteral("0"));
        driver::setChecked(m_window, "Check1", false); // the next change
        noteReads(decimalComma);
    }
    QStringList typed(m_target.fieldCount, QStringLiteral("0.2"));
    driver::fill(m_window, QString(m_target.givenBoxes, u'1').leftJustified(m_target.fieldCount, u'0'), typed);
    driver::click(m_window, "Command1");
    QCOMPARE(driver::messages().size(), 1);
    noteReads(decimalComma + QStringLiteral(" Escribe 0,2"));
    driver::type(m_window, "Text1", QStringLiteral("0,2"));
    noteReads(decimalComma);
}

// Fault caught: Regresar leading elsewhere or leaving two windows visible,
// the window built anew on the next visit so that the user's data are lost.
// The window's other ways out are in the navigation table.
void ProblemWindowTest::regresarKeepsTheUsersData()
{
    QString boxes;
    QStringList typed;
    for (int i = 0; i < m_target.fieldCount; ++i) {
        boxes += i % 2 == 0 ? u'1' : u'0';
        typed.append(QStringLiteral("%1,5").arg(i + 1));
    }
    driver::fill(m_window, boxes, typed);
    driver::click(m_window, "Command2");
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().existing(ui::WindowId::Form7)});
    driver::click(ui::navigator().current(), m_target.menuButton);
    QCOMPARE(ui::navigator().current(), m_window);
    for (int i = 0; i < m_target.fieldCount; ++i)
        QCOMPARE(driver::control<QCheckBox>(m_window, numbered("Check", i))->isChecked(), boxes.at(i) == u'1');
    QCOMPARE(fieldTexts(m_window, m_target.fieldCount), typed);
}
