// The inclined-plane simulation window, driven as a user does: scroll bars,
// buttons and timer ticks; checked by its texts, enabled states and picture.

#include "app/windows.h"
#include "core/number_text.h"
#include "simulations/inclined_plane/form2.h"
#include "simulations/run_data/run_table.h"
#include "support/gui_driver.h"
#include "support/zoom_run.h"
#include "ui/form_base.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTransform>

namespace {

QScrollBar *bar(QWidget *w, int which) { return driver::control<QScrollBar>(w, which == 1 ? "HScroll1" : "HScroll2"); }
QTimer *timer(QWidget *w) { return driver::control<QTimer>(w, "Timer1"); }
QImage picture(QWidget *w) { return driver::control<ui::PictureBox>(w, "Picture1")->image(); }

// Text1 to Text5.
QStringList fields(QWidget *w)
{
    QStringList result;
    for (const char *field : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        result << driver::text(w, field);
    return result;
}

// What the user can use, and the timer while it runs: the window's state.
QString controls(QWidget *w)
{
    QStringList on;
    for (const char *name : {"HScroll1", "HScroll2", "Command1", "Command3"}) {
        if (driver::control<QWidget>(w, name)->isEnabled())
            on << QLatin1String(name);
    }
    if (timer(w)->isActive())
        on << QStringLiteral("Timer1 %1 ms").arg(timer(w)->interval());
    return on.join(QLatin1Char(' '));
}
const QString Idle = QStringLiteral("HScroll1 HScroll2 Command1");

// Up to `most` ticks of the timer while it runs, as the event loop would
// send them; returns how many were sent.
int ticks(QWidget *w, int most = 10000)
{
    int sent = 0;
    for (; sent < most && timer(w)->isActive(); ++sent)
        QMetaObject::invokeMethod(timer(w), "timeout");
    return sent;
}

// The window on screen, after the first tick of its loading timer, which
// finds the plane level and stops; then the bars set (friction in 1/1000).
QWidget *open(int angle = 0, int friction = 0)
{
    ui::navigator().goTo(ui::WindowId::Form2);
    QWidget *w = ui::navigator().current();
    ticks(w, 1);
    bar(w, 1)->setValue(angle);
    bar(w, 2)->setValue(friction);
    return w;
}

// Blue pixels inside a rectangle given as fractions of the picture.
int blueIn(QWidget *w, QRectF fractions)
{
    const QImage image = picture(w);
    const QRect area = QTransform::fromScale(image.width(), image.height()).mapRect(fractions).toRect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == core::colour::blue;
    }
    return n;
}

// Blue pixels on the left strip that holds strobe marks.
int strobeMarks(QWidget *w) { return blueIn(w, QRectF(0.03, 0.04, 0.04, 0.92)); }

// One press of "Resolver" in the problem window: a, θ and μ ticked and
// typed where given, unticked where empty.
void resolve(QWidget *form8, const QStringList &givens)
{
    for (int i = 0; i < 3; ++i) {
        driver::setChecked(form8, qPrintable(QStringLiteral("Check%1").arg(i + 1)), !givens[i].isEmpty());
        if (!givens[i].isEmpty())
            driver::type(form8, qPrintable(QStringLiteral("Text%1").arg(i + 1)), givens[i]);
    }
    driver::click(form8, "Command1");
}

// Controls of the window that overlap, as "Command4/Label7".
QStringList overlaps(QWidget *w)
{
    QStringList found;
    const QList<QWidget *> controls = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (controls[i]->isVisible() && controls[j]->isVisible()
                && controls[i]->geometry().intersects(controls[j]->geometry()))
                found << controls[i]->objectName() + QLatin1Char('/') + controls[j]->objectName();
    return found;
}

} // namespace

class TestInclinedPlaneWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }
    void init() { driver::resetProgram(); }
    void cleanupTestCase() { driver::resetProgram(); }

    // Set and drawn while loading, before the window is ever shown, with a
    // precise timer; the distance label tall enough for its two lines.
    void atLoad()
    {
        QWidget *w = ui::navigator().window(ui::WindowId::Form2);
        QVERIFY(!w->isVisible());
        QCOMPARE(fields(w), (QStringList{"0", "0", "", "", ""}));
        QCOMPARE(controls(w), Idle + QStringLiteral(" Timer1 360 ms"));
        QCOMPARE(timer(w)->timerType(), Qt::PreciseTimer);
        QVERIFY(blueIn(w, QRectF(0.85, 0.72, 0.1, 0.11)) > 50); // the block at rest
        auto *label5 = driver::control<QLabel>(w, "Label5");
        QVERIFY(label5->heightForWidth(label5->width()) <= label5->height());
    }

    // The angle moved before the loading timer's first tick: that tick
    // settles the window as on a level plane and moves nothing, since no
    // "Detener Movimiento" could stop a run begun there.
    void angleMovedWhileLoadingStartsNoRun()
    {
        ui::navigator().goTo(ui::WindowId::Form2);
        QWidget *w = ui::navigator().current();
        bar(w, 1)->setValue(30);
        const QImage before = picture(w);
        QCOMPARE(ticks(w), 1);
        QCOMPARE(controls(w), Idle);
        QVERIFY(!qobject_cast<Form2 *>(w)->isRunning());
        QCOMPARE(fields(w), (QStringList{"30", "0", "4,90", "", ""}));
        QCOMPARE(picture(w), before);
    }

    // Both bars are in the tab order, and keys move them as on any
    // horizontal scroll bar, right being more, by small and large changes.
    void keysMoveTheScrollBars()
    {
        QWidget *w = open();
        const std::tuple<int, Qt::Key, const char *, QString> presses[] = {
            {1, Qt::Key_End, "Text1", "90"},     {1, Qt::Key_Left, "Text1", "89"},
            {1, Qt::Key_PageDown, "Text1", "84"}, {2, Qt::Key_Right, "Text2", "0,01"},
            {2, Qt::Key_PageUp, "Text2", "0,06"},
        };
        for (const auto &[which, key, field, shown] : presses) {
            QVERIFY(bar(w, which)->focusPolicy() & Qt::TabFocus);
            QTest::keyClick(bar(w, which), key);
            QCOMPARE(driver::text(w, field), shown);
        }
    }

    // Steps a user takes: "angle 30" and "μ 0.6" move the bars, "start"
    // clicks "Iniciar Movimiento", "run 45" ticks until the timer stops,
    // expecting that many to move the block. Then Text1 to Text5, and after
    // "fresh" the picture against a window sent straight to the same values.
    void barsAndStartShow_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown");
        const auto row = [](const char *name, QStringList steps, QStringList shown) {
            QTest::newRow(name) << steps << shown;
        };
        row("30°, μ 0.6: the friction bar says friction wins", {"angle 30", "μ 0.6"},
            {"30", "0,6", "Fricción mayor", "", ""});
        row("30°, μ 0.6: the angle bar says so too", {"μ 0.6", "angle 30"}, {"30", "0,6", "Fricción mayor", "", ""});
        // On the level only the angle bar shows "0", when nothing acts along
        // the plane; neither bar speaks while friction holds the block there.
        row("angle bar to a smooth level: 0", {"angle 10", "angle 0"}, {"0", "0", "0", "", ""});
        row("friction bar on the level keeps that 0", {"angle 10", "angle 0", "μ 0.5"}, {"0", "0,5", "0", "", ""});
        row("angle bar to the level while friction holds: text stays", {"μ 0.5", "angle 30", "angle 0"},
            {"0", "0,5", "0,66", "", ""});
        row("friction bar to a smooth level: text stays", {"μ 0.5", "angle 30", "angle 0", "μ 0"},
            {"0", "0", "0,66", "", ""});
        // A start with a ≤ 0 starts nothing, and says nothing on the level.
        row("start refused at 0°, μ 0: a is 0", {"start"}, {"0", "0", "", "", ""});
        row("start refused on the level with friction", {"μ 0.5", "start"}, {"0", "0,5", "", "", ""});
        row("start refused while friction holds at 30°", {"angle 30", "μ 0.6", "start"},
            {"30", "0,6", "Fricción mayor", "", ""});
        // A change between a start and its first tick moves the start to the
        // new values; friction raised until it holds the block keeps it still
        // instead of pushing it up the slope.
        row("armed, angle raised to 90°: runs from there", {"angle 30", "start", "angle 90", "run 45"},
            {"90", "0", "9,80", "0,45", "0,99"});
        row("armed, friction raised until it holds: no tick moves", {"angle 30", "μ 0.5", "start", "μ 0.6", "run 0"},
            {"30", "0,6", "Fricción mayor", "", ""});
        // A scroll change after a run leaves nothing of the old block, its
        // forces (the friction cap the ticks draw at C even for μ 0) or the
        // strobe marks: the picture is that of a fresh window.
        row("after a μ 0 run, to 45°, μ 0.5", {"angle 30", "start", "run 64", "angle 45", "μ 0.5", "fresh"},
            {"45", "0,5", "3,46", "0,64", "1,00"});
        row("after a run at 90°, to 60°: no caps along the wall",
            {"angle 90", "μ 0.3", "start", "run 45", "angle 60", "fresh"}, {"60", "0,3", "7,02", "0,45", "0,99"});
        row("after a run at 10°, to the level with friction",
            {"angle 10", "start", "run 109", "angle 0", "μ 0.2", "fresh"}, {"0", "0,2", "0", "1,09", "1,01"});
    }
    void barsAndStartShow()
    {
        QFETCH(QStringList, steps);
        QWidget *w = open();
        for (const QString &step : steps) {
            const QString what = step.section(QLatin1Char(' '), 0, 0);
            const double value = step.section(QLatin1Char(' '), 1).toDouble();
            if (what == QLatin1String("angle"))
                bar(w, 1)->setValue(int(value));
            else if (what == QStringLiteral("μ"))
                bar(w, 2)->setValue(qRound(value * 1000));
            else if (what == QLatin1String("start"))
                driver::click(w, "Command1");
            else if (what == QLatin1String("run"))
                QCOMPARE(ticks(w) - 1, int(value)); // the last tick stops
        }
        QTEST(fields(w), "shown");
        QCOMPARE(controls(w), Idle);
        if (steps.constLast() == QLatin1String("fresh")) {
            const QImage seen = picture(w);
            const int angle = bar(w, 1)->value();
            const int friction = bar(w, 2)->value();
            driver::resetProgram();
            QCOMPARE(seen, picture(open(angle, friction)));
        }
    }

    // A start, ten ticks, a stop and a new start run to the end: the states,
    // the texts, the strobe marks from the tenth tick on, which a new start
    // clears, and the block left in place by the stop.
    void startStopRestart()
    {
        QWidget *w = open(30, 0);
        driver::click(w, "Command1");
        QCOMPARE(controls(w), Idle + QStringLiteral(" Command3 Timer1 100 ms"));
        QCOMPARE(ticks(w, 9), 9);
        QCOMPARE(controls(w), QStringLiteral("Command3 Timer1 100 ms"));
        QCOMPARE(strobeMarks(w), 0);
        QCOMPARE(ticks(w, 1), 1);
        QCOMPARE(fields(w).mid(3), (QStringList{"0,10", "0,02"}));
        QVERIFY(strobeMarks(w) > 0);
        // What a window beside this one reads of the run agrees with it.
        const auto *run = qobject_cast<Form2 *>(w);
        const double t = run->runClock().time();
        QVERIFY(run->isRunning());
        QCOMPARE((QStringList{core::format2(run->acceleration()), core::format2(t), core::format2(run->distanceAt(t))}),
                 fields(w).mid(2));

        const QImage running = picture(w);
        driver::click(w, "Command3");
        QCOMPARE(controls(w), Idle);
        QVERIFY(!run->isRunning());
        QCOMPARE(picture(w), running);

        // Again from the top at time 0; the texts wait for the first tick.
        driver::click(w, "Command1");
        QCOMPARE(strobeMarks(w), 0);
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,10"));
        QCOMPARE(ticks(w), 65);
        QCOMPARE(fields(w), (QStringList{"30", "0", "4,90", "0,64", "1,00"}));
        QCOMPARE(controls(w), Idle);
    }

    // "Simulación" after the last press of "Resolver" solved: the bars at
    // the problem's angle and μ, as a user would have set them, and a note
    // where a bar's step changed a value, kept over a visit without a new
    // press and gone with the user's next move of a bar.
    void problemSetsTheBars_data()
    {
        QTest::addColumn<QList<QStringList>>("presses"); // a, θ, μ given
        QTest::addColumn<QStringList>("bars");            // Text1, Text2 as shown
        QTest::addColumn<QString>("note");
        QTest::newRow("θ and μ given, both between steps")
            << QList<QStringList>{{"", "30,5", "0,2345"}} << QStringList{"31", "0,235"}
            << "θ = 30,5° se muestra como 31°; μ = 0,2345 se muestra como 0,235";
        QTest::newRow("μ computed: as its field shows it")
            << QList<QStringList>{{"2", "30", ""}} << QStringList{"30", "0,34"} << "";
        QTest::newRow("θ computed: the whole degree written")
            << QList<QStringList>{{"4", "", "0,1"}} << QStringList{"30", "0,1"} << "";
        QTest::newRow("μ past the bar's end") << QList<QStringList>{{"", "80", "2"}} << QStringList{"80", "1"}
                                              << "μ = 2 se muestra como 1 (el máximo)";
        QTest::newRow("no solution: the bars as they were")
            << QList<QStringList>{{"", "10", "0,5"}} << QStringList{"0", "0"} << "";
        QTest::newRow("solved, then not: as they were")
            << QList<QStringList>{{"", "30,5", "0,2"}, {"", "10", "0,5"}} << QStringList{"0", "0"} << "";
        QTest::newRow("not solved, then solved")
            << QList<QStringList>{{"", "10", "0,5"}, {"", "45", "0,5"}} << QStringList{"45", "0,5"} << "";
    }
    void problemSetsTheBars()
    {
        QFETCH(QList<QStringList>, presses);
        QFETCH(QStringList, bars);
        QFETCH(QString, note);
        const QStringList expected = bars << note;
        QWidget *form8 = ui::navigator().window(ui::WindowId::Form8);
        ui::navigator().goTo(ui::WindowId::Form8);
        for (const QStringList &givens : presses)
            resolve(form8, givens);
        driver::click(form8, "Command3");
        QWidget *w = ui::navigator().current();
        const auto shows = [&] {
            auto *label = driver::control<QLabel>(w, "Label6");
            return fields(w).mid(0, 2) << (label->isVisible() ? label->text() : QString());
        };
        QCOMPARE(shows(), expected);
        QCOMPARE(driver::text(w, "Label7"), run_data::simulationGravityText());
        QCOMPARE(overlaps(w), QStringList());
        const QImage seen = picture(w);
        const int angle = bar(w, 1)->value();
        const int friction = bar(w, 2)->value();

        driver::click(w, "Command2"); // Regresar, then back
        ui::navigator().goTo(ui::WindowId::Form8);
        driver::click(form8, "Command3");
        QCOMPARE(shows(), expected);
        QTest::keyClick(bar(w, 2), Qt::Key_Right);
        QCOMPARE(shows().constLast(), QString());

        // Drawn as when a user moves the bars to those values.
        driver::resetProgram();
        QCOMPARE(seen, picture(open(angle, friction)));
    }

    // "Datos y gráficas" after a run: a row every 0,1 s with the distance
    // and speed of the block as the window itself reckons them.
    void dataWindowShowsTheRun()
    {
        QWidget *w = open(30, 200);
        auto *form = qobject_cast<Form2 *>(w);
        driver::click(w, "Command1");
        ticks(w);
        driver::click(w, "Command4");
        QWidget *data = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("DataWindow") && top->isVisible())
                data = top;
        QVERIFY(data);
        auto *table = driver::control<QTableWidget>(data, "Table");
        const int rows = int(form->runClock().time() * 10 + 1e-9);
        QCOMPARE(table->rowCount(), rows);
        for (int k = 1; k <= rows; ++k) {
            const double t = k / 10.0;
            const QStringList expected{core::formatGrouped(t, run_data::TimeDecimals),
                                       core::formatGrouped(form->distanceAt(t), run_data::MotionDecimals),
                                       core::formatGrouped(form->acceleration() * t, run_data::MotionDecimals)};
            QStringList shown;
            for (int column = 0; column < table->columnCount(); ++column)
                shown << table->item(k - 1, column)->text();
            QCOMPARE(shown, expected);
        }
        driver::click(w, "Command2"); // the data window goes with it
        QVERIFY(!data->isVisible());
    }

    // A zoom change mid-run draws the picture anew as a window at the new
    // zoom would have drawn it from the start: title, marks, the block.
    void zoomMidRunDrawsTheSamePicture_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("friction");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("45°, μ 0,5: 100 to 150 %") << 45 << 500 << 100 << 150;
        QTest::newRow("75°, μ 0,1: 200 to 125 %") << 75 << 100 << 200 << 125;
    }
    void zoomMidRunDrawsTheSamePicture()
    {
        QFETCH(int, angle);
        QFETCH(int, friction);
        QFETCH(int, from);
        QFETCH(int, to);
        const auto pictures = zoomrun::acrossZoomChange(
            [] {
                auto *form = new Form2;
                form->load();
                return form;
            },
            "Picture1",
            [&](ui::FormBase &form, int step) {
                if (step == 0) {
                    bar(&form, 1)->setValue(angle);
                    bar(&form, 2)->setValue(friction);
                    QMetaObject::invokeMethod(&form, "Command1_Click");
                } else {
                    QMetaObject::invokeMethod(&form, "Timer1_Timer");
                }
            },
            45, 25, from, to);
        ui::setZoom(100);
        QCOMPARE(zoomrun::difference(pictures.switched, pictures.fresh), QString());
    }

    // "Regresar" stops a run and goes to the menu; closing the window ends.
    void regresarStopsAndCloseEnds()
    {
        QWidget *w = open(45, 100);
        driver::click(w, "Command1");
        QCOMPARE(ticks(w, 1), 1);
        driver::click(w, "Command2");
        QCOMPARE(controls(w), Idle);
        QVERIFY(!driver::ended());
        ui::navigator().goTo(ui::WindowId::Form2);
        driver::closeWindow(w);
        QVERIFY(driver::ended());
    }
};

QTEST_MAIN(TestInclinedPlaneWindow)
#include "tst_inclined_plane_window.moc"
