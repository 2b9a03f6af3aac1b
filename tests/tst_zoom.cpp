#include "app/startup.h"
#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/layout.h"
#include "ui/navigator.h"
#include "ui/zoom.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using ui::WindowId;

namespace {

QWidget *current()
{
    return ui::navigator().current();
}

QSettings settings()
{
    return QSettings(QStringLiteral("Cuestaval"), QStringLiteral("cuestaval"));
}

} // namespace

// One zoom for every window: the keys step it, everything placed in twips
// follows, full screen fits the window to the screen, and the zoom outlives
// the run. A picture drawn again mid-run is each simulation's own test.
class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        driver::installSpanishTestEnvironment();
        ui::installZoom();
        app::installWindows();
    }

    void init()
    {
        driver::resetProgram();
        settings().clear();
    }

    void cleanup()
    {
        ui::setFullScreen(false);
        ui::setZoom(100);
        ui::setZoomChoiceHandler({});
    }

    // Fault caught: a key that only works in some windows or is swallowed by a
    // focused field, a control left at its old place or font, a window not
    // resized, zooming past the last step.
    void keysStepTheZoomOfEveryWindow()
    {
        ui::navigator().goTo(WindowId::Form7);
        driver::click(current(), "Command1"); // the inclined-plane problem
        QWidget *form8 = current();
        auto *field = driver::control<QLineEdit>(form8, "Text2");
        const QRect fieldAt100 = field->geometry();
        const int fontAt100 = field->font().pixelSize();
        const QSize windowAt100 = form8->size();
        const QString typed = field->text();
        field->setFocus();
        for (int expected : {125, 150, 175, 200, 200}) {
            QTest::keyClick(field, Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(ui::zoomPercent(), expected);
        }
        QCOMPARE(field->geometry(), QRect(fieldAt100.topLeft() * 2, fieldAt100.size() * 2));
        QCOMPARE(field->font().pixelSize(), fontAt100 * 2);
        QCOMPARE(form8->size(), windowAt100 * 2);
        QCOMPARE(field->text(), typed);

        QTest::keyClick(form8, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(ui::zoomPercent(), 175);
        // Going back to the menu: the window made at 100 % follows too.
        driver::click(form8, "Command2");
        auto *menuButton = driver::control<QPushButton>(current(), "Command1");
        QTest::keyClick(current(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(ui::zoomPercent(), 100);
        QCOMPARE(menuButton->geometry(), ui::pixelRect(ui::twipsGeometry(menuButton), 1.0));
    }

    // Fault caught: content left in a corner or cut by the screen, the next
    // window shown in a normal frame, Esc leaving a window stuck at the size
    // that filled the screen.
    void fullScreenFitsEachWindowUntilEsc()
    {
        ui::navigator().goTo(WindowId::Form1);
        QWidget *form1 = current();
        const QSize normal = form1->size();
        QWidget *emblem = driver::control<QWidget>(form1, "Image1");
        QWidget *continuar = driver::control<QWidget>(form1, "Command2");
        const QPointF emblemAt = emblem->pos();
        const QPointF continuarAt = continuar->pos();
        const int continuarHeight = continuar->height();
        QTest::keyClick(form1, Qt::Key_F11);
        const QRect screen = form1->screen()->geometry();
        QVERIFY(form1->isFullScreen());
        QCOMPARE(form1->geometry(), screen);

        // The window's whole design, as its controls say it was scaled and moved.
        const double scale = (continuar->x() - emblem->x()) / (continuarAt.x() - emblemAt.x());
        const QPointF origin = QPointF(emblem->pos()) - emblemAt * scale;
        const QRectF design(origin, QSizeF(normal) * scale);
        const QRectF area(QPointF(), QSizeF(screen.size()));
        QVERIFY(area.adjusted(-1, -1, 1, 1).contains(design));
        QVERIFY(qAbs(design.center().x() - area.center().x()) <= 1.5);
        QVERIFY(qAbs(design.center().y() - area.center().y()) <= 1.5);
        QVERIFY(design.width() >= area.width() - 2 || design.height() >= area.height() - 2);
        QVERIFY(qAbs(continuar->height() - continuarHeight * scale) <= 1);

        driver::click(form1, "Command2"); // Continuar
        QWidget *form7 = current();
        QVERIFY(form7->isFullScreen());
        QTest::keyClick(form7, Qt::Key_Escape);
        QVERIFY(!form7->isFullScreen());
        QCOMPARE(form7->size(), ui::pixelRect(QRect(QPoint(), ui::navigator().current()->sizeTwips()), 1.0).size());
        driver::click(form7, "Command1"); // the next window is no longer full screen
        QVERIFY(!current()->isFullScreen());
    }

    // Fault caught: a zoom not written, read back wrongly, --zoom taking a value
    // that is no step, or --zoom overwriting what the user chose.
    void zoomIsKeptForTheNextStart()
    {
        QVERIFY(app::restoreZoom(QString()));
        QCOMPARE(ui::zoomPercent(), 100);
        ui::navigator().goTo(WindowId::Form1);
        QTest::keyClick(current(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(settings().value(QStringLiteral("zoom")).toInt(), 125);

        ui::setZoom(100);
        QVERIFY(app::restoreZoom(QString()));
        QCOMPARE(ui::zoomPercent(), 125);
        QVERIFY(app::restoreZoom(QStringLiteral("150")));
        QCOMPARE(ui::zoomPercent(), 150);
        QVERIFY(!app::restoreZoom(QStringLiteral("130")));
        QCOMPARE(ui::zoomPercent(), 150);
        QCOMPARE(settings().value(QStringLiteral("zoom")).toInt(), 125);
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
