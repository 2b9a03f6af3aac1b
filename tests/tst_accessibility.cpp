#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSvgWidget>
#include <QTest>

using ui::WindowId;

// Screen readers and keyboards: every control says what it is, every picture
// what it shows, and every window works with Tab, Space, Enter and arrows.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void everyControlHasAName_data();
    void everyControlHasAName();
    void fieldsAreNamedAfterTheirCaptions_data();
    void fieldsAreNamedAfterTheirCaptions();
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
    void spaceTicksABoxAndEnterSolves();
    void arrowKeysMoveAScrollBarTheWayTheyPoint();

private:
    static QString accessibleText(QWidget *widget, QAccessible::Text text);
    static bool isInteractive(QWidget *widget);
};

static void addEveryWindow()
{
    QTest::addColumn<WindowId>("id");
    QTest::newRow("Form1 start") << WindowId::Form1;
    QTest::newRow("Form2 inclined-plane simulation") << WindowId::Form2;
    QTest::newRow("Form3 horizontal-plane simulation") << WindowId::Form3;
    QTest::newRow("Form4 title") << WindowId::Form4;
    QTest::newRow("Form5 title") << WindowId::Form5;
    QTest::newRow("Form6 Atwood simulation") << WindowId::Form6;
    QTest::newRow("Form7 menu") << WindowId::Form7;
    QTest::newRow("Form8 inclined-plane problem") << WindowId::Form8;
    QTest::newRow("Form9 horizontal-plane problem") << WindowId::Form9;
    QTest::newRow("Form10 Atwood problem") << WindowId::Form10;
}

void TestAccessibility::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
}

void TestAccessibility::init()
{
    driver::resetProgram();
}

QString TestAccessibility::accessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(text) : QString();
}

bool TestAccessibility::isInteractive(QWidget *widget)
{
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
        || qobject_cast<QScrollBar *>(widget);
}

// Fault caught: a field or picture that a screen reader announces only as
// "edit" or "graphic".
void TestAccessibility::everyControlHasAName_data()
{
    addEveryWindow();
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(WindowId, id);
    ui::FormBase *form = ui::navigator().window(id);
    int pictures = 0;
    for (QWidget *child : form->findChildren<QWidget *>()) {
        const bool picture = qobject_cast<QSvgWidget *>(child) || qobject_cast<ui::PictureBox *>(child);
        if (!picture && !isInteractive(child) && !qobject_cast<QLabel *>(child))
            continue;
        QVERIFY2(!accessibleText(child, QAccessible::Name).isEmpty(), qPrintable(child->objectName()));
        if (picture) {
            ++pictures;
            QVERIFY2(!accessibleText(child, QAccessible::Description).isEmpty(), qPrintable(child->objectName()));
        }
    }
    QCOMPARE(pictures, 1);
}

void TestAccessibility::fieldsAreNamedAfterTheirCaptions_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("problem field after its check box") << WindowId::Form8 << "Text2" << "Ángulo";
    QTest::newRow("last problem field") << WindowId::Form9 << "Text5" << "Tensión";
    QTest::newRow("scroll bar after its label") << WindowId::Form2 << "HScroll2" << "Coeficiente de Fricción";
    QTest::newRow("field after a scroll bar") << WindowId::Form2 << "Text2" << "Coeficiente de Fricción";
    QTest::newRow("result field") << WindowId::Form2 << "Text3" << "Aceleración del Bloque";
    QTest::newRow("Atwood mass") << WindowId::Form6 << "HScroll1" << driver::text(ui::navigator().window(WindowId::Form6), "Label1");
}

void TestAccessibility::fieldsAreNamedAfterTheirCaptions()
{
    QFETCH(WindowId, id);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget *widget = driver::control<QWidget>(ui::navigator().window(id), qPrintable(control));
    QCOMPARE(accessibleText(widget, QAccessible::Name), name);
}

// Fault caught: a control that only the mouse can reach, such as a scroll
// bar that takes no focus.
void TestAccessibility::tabReachesEveryControl_data()
{
    addEveryWindow();
}

void TestAccessibility::tabReachesEveryControl()
{
    QFETCH(WindowId, id);
    ui::navigator().goTo(id);
    QWidget *form = ui::navigator().current();
    QVERIFY(QTest::qWaitForWindowActive(form));

    QSet<QWidget *> wanted;
    for (QWidget *child : form->findChildren<QWidget *>()) {
        if (isInteractive(child) && child->isEnabled())
            wanted.insert(child);
    }
    QSet<QWidget *> reached;
    for (int i = 0; i < 3 * int(wanted.size()) + 3; ++i) {
        if (QWidget *focus = QApplication::focusWidget())
            reached.insert(focus);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, Qt::Key_Tab);
    }
    for (QWidget *control : wanted)
        QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
}

void TestAccessibility::spaceTicksABoxAndEnterSolves()
{
    ui::navigator().goTo(WindowId::Form8);
    QWidget *form = ui::navigator().current();
    QVERIFY(QTest::qWaitForWindowActive(form));
    for (const char *name : {"Check2", "Check3"}) {
        auto *box = driver::control<QCheckBox>(form, name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->isChecked());
    }
    driver::type(form, "Text2", QStringLiteral("30"));
    driver::type(form, "Text3", QStringLiteral("0,2"));
    QTest::keyClick(driver::control<QLineEdit>(form, "Text3"), Qt::Key_Return);
    QCOMPARE(driver::text(form, "Text1"), QStringLiteral("3,21"));
}

void TestAccessibility::arrowKeysMoveAScrollBarTheWayTheyPoint()
{
    ui::navigator().goTo(WindowId::Form2);
    QWidget *form = ui::navigator().current();
    QVERIFY(QTest::qWaitForWindowActive(form));
    auto *angle = driver::control<QScrollBar>(form, "HScroll1");
    angle->setFocus();
    QTest::keyClick(angle, Qt::Key_Right);
    QTest::keyClick(angle, Qt::Key_Right);
    QCOMPARE(angle->value(), 2);
    QCOMPARE(driver::text(form, "Text1"), QStringLiteral("2"));
    QTest::keyClick(angle, Qt::Key_Left);
    QCOMPARE(angle->value(), 1);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
