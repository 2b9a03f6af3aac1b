#include "support/problem_window_test.h"

#include "app/windows.h"
#include "support/gui_driver.h"
#include "support/problem_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"

#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTest>

ProblemWindowTest::ProblemWindowTest(Window window)
    : m_target(std::move(window))
{
}

void ProblemWindowTest::addColumnsOfResults()
{
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
}

void ProblemWindowTest::addColumnsOfMessages()
{
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
}

void ProblemWindowTest::addMessageRow(const char *name, const char *boxes, const QStringList &typed,
                                      const QString &message)
{
    QTest::newRow(name) << QString::fromLatin1(boxes) << typed << message;
}

void ProblemWindowTest::addColumnsOfNothing()
{
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QStringList>("typed");
}

void ProblemWindowTest::addRowsFromValuesThatFit(const QList<std::pair<const char *, QString>> &cases,
                                                 const QStringList &values, const QStringList &shown)
{
    for (const auto &[name, boxes] : cases) {
        QStringList typed, expected;
        for (int i = 0; i < m_target.fieldCount; ++i) {
            const bool given = boxes.at(i) == QLatin1Char('1');
            typed.append(given ? values.at(i) : QStringLiteral("0"));
            expected.append(given ? values.at(i) : shown.at(i));
        }
        QTest::newRow(name) << boxes << typed << expected;
    }
}

void ProblemWindowTest::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
}

void ProblemWindowTest::init()
{
    driver::resetProgram();
    ui::navigator().goTo(ui::WindowId::Form7);
    driver::click(ui::navigator().current(), m_target.menuButton);
    m_window = ui::navigator().current();
    QVERIFY(m_window);
}

// Fault caught: "Simulación" leading nowhere, or leaving two windows visible.
void ProblemWindowTest::simulationButtonLeadsToTheSimulation()
{
    driver::click(m_window, "Command3");
    const QList<QWidget *> visible = driver::visibleWindows();
    QCOMPARE(visible.size(), 1);
    QCOMPARE(visible.first()->objectName(), m_target.simulation);
    QVERIFY(!driver::ended());
}

// Fault caught: the menu button leading nowhere or to another window.
void ProblemWindowTest::menuButtonOpensTheWindowAlone()
{
    QCOMPARE(m_window->objectName(), m_target.objectName);
    QCOMPARE(m_window->windowTitle(), m_target.caption);
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{m_window});
    QCOMPARE(driver::checkPattern(m_window, m_target.fieldCount), QString(m_target.fieldCount, u'0'));
    QCOMPARE(driver::fieldTexts(m_window, m_target.fieldCount), QStringList(m_target.fieldCount, "0"));
}

// Fault caught: a wrong formula, a result in the wrong field, or a given
// field rewritten.
void ProblemWindowTest::givesBackTheUnknowns()
{
    QFETCH(QString, boxes);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);

    driver::pressResolver(m_window, boxes, typed);

    QCOMPARE(driver::messages(), QStringList());
    QCOMPARE(driver::fieldTexts(m_window, m_target.fieldCount), expected);
}

// Fault caught: a check missing, in the wrong order or with another message;
// a field written although the case failed.
void ProblemWindowTest::rejectsWithOneMessage()
{
    QFETCH(QString, boxes);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);

    driver::pressResolver(m_window, boxes, typed);

    QCOMPARE(driver::messages(), QStringList{message});
    QCOMPARE(driver::fieldTexts(m_window, m_target.fieldCount), typed);
}

// Fault caught: a case run for a pattern that only contains its boxes.
void ProblemWindowTest::otherBoxCountsDoNothing()
{
    QFETCH(QString, boxes);
    QFETCH(QStringList, typed);

    driver::pressResolver(m_window, boxes, typed);

    QCOMPARE(driver::messages(), QStringList());
    QCOMPARE(driver::fieldTexts(m_window, m_target.fieldCount), typed);
}

// Fault caught: "Regresar" going elsewhere, or the window built anew on the
// next visit so that the user's data are lost.
void ProblemWindowTest::returningKeepsFieldsAndMarks()
{
    QString boxes;
    QStringList typed;
    for (int i = 0; i < m_target.fieldCount; ++i) {
        boxes += i % 2 == 0 ? u'1' : u'0';
        typed.append(QStringLiteral("%1,5").arg(i + 1));
    }
    driver::fillProblem(m_window, boxes, typed);
    driver::click(m_window, "Command2");
    QWidget *menu = ui::navigator().current();
    QCOMPARE(menu->objectName(), QStringLiteral("Form7"));
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>{menu});

    driver::click(menu, m_target.menuButton);

    QCOMPARE(ui::navigator().current(), m_window);
    QCOMPARE(driver::checkPattern(m_window, m_target.fieldCount), boxes);
    QCOMPARE(driver::fieldTexts(m_window, m_target.fieldCount), typed);
}

void ProblemWindowTest::closingTheWindowEndsTheProgram()
{
    driver::closeWindow(m_window);
    QVERIFY(driver::ended());
    QCOMPARE(driver::visibleWindows(), QList<QWidget *>());
}

void ProblemWindowTest::tabFollowsTheLayoutOrder()
{
    QCOMPARE(driver::tabChain(m_window), m_target.tabChain);
}

// Fault caught: a missing picture, or one stretched out of shape because it
// was not drawn for the picture area's size.
void ProblemWindowTest::diagramFitsThePictureArea()
{
    auto *picture = driver::control<QSvgWidget>(m_window, "Picture1");
    QVERIFY(picture->renderer()->isValid());
    QCOMPARE(picture->renderer()->defaultSize(), picture->size());
}

void ProblemWindowTest::everyTextFitsItsControl()
{
    QCOMPARE(driver::controlsWithClippedText(m_window), QStringList());
}
