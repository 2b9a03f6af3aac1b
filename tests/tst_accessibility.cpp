#include "app/windows.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/window_id.h"
#include "gui/ui/picture_box.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSvgWidget>
#include <QTest>

using ui::WindowId;

// Screen readers and keyboards: every control says what it is, every picture
// what it shows, and Tab reaches every control. Enter in a field and the
// arrows on a scroll bar are driven by the startup and simulation tests.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }
    void init() { driver::resetProgram(); }

    void namesAndTabReachEveryControl_data()
    {
        QTest::addColumn<WindowId>("id");
        for (int i = 0; i <= int(WindowId::Form11); ++i)
            QTest::addRow("Form%d", i + 1) << WindowId(i);
    }

    // Fault caught: a field or picture that a screen reader announces only as
    // "edit" or "graphic"; a control that only the mouse can reach, such as a
    // scroll bar that takes no focus; a control that covers part of another.
    void namesAndTabReachEveryControl()
    {
        QFETCH(WindowId, id);
        ui::navigator().goTo(id);
        QWidget *form = ui::navigator().current();
        QVERIFY(QTest::qWaitForWindowActive(form));
        int pictures = 0;
        QSet<QWidget *> wanted;
        for (QWidget *child : form->findChildren<QWidget *>()) {
            // What a window hides (an answer field the exercise does not
            // ask for) is neither read nor reached.
            if (!child->isVisibleTo(form))
                continue;
            const bool picture = qobject_cast<QSvgWidget *>(child) || qobject_cast<ui::PictureBox *>(child);
            const bool interactive = qobject_cast<QAbstractButton *>(child) || qobject_cast<QLineEdit *>(child)
                || qobject_cast<QScrollBar *>(child);
            if (interactive && child->isEnabled())
                wanted.insert(child);
            if (picture || interactive || qobject_cast<QLabel *>(child))
                QVERIFY2(!accessibleText(child, QAccessible::Name).isEmpty(), qPrintable(child->objectName()));
            if (picture) {
                ++pictures;
                QVERIFY2(!accessibleText(child, QAccessible::Description).isEmpty(), qPrintable(child->objectName()));
            }
        }
        QCOMPARE(pictures, 1);
        const QList<QWidget *> controls = form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *a : controls)
            for (QWidget *b : controls)
                QVERIFY2(a == b || !a->isVisible() || !b->isVisible() || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + QStringLiteral(" over ") + b->objectName()));

        QSet<QWidget *> reached;
        for (int i = 0; i < 3 * int(wanted.size()) + 3; ++i) {
            if (QWidget *focus = QApplication::focusWidget())
                reached.insert(focus);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, Qt::Key_Tab);
        }
        for (QWidget *control : wanted)
            QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
    }

private:
    static QString accessibleText(QWidget *widget, QAccessible::Text text)
    {
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
        return interface ? interface->text(text) : QString();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
