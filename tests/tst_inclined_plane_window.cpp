// The inclined-plane simulation window, driven as a user does: scroll bars,
// buttons and timer ticks; checked by its texts, enabled states and picture.

#include "app/windows.h"
#include "gui/simulations/form2.h"
#include "support/gui_driver.h"
#include "support/simulation_window.h"

#include <QKeySequence>
#include <QTest>
#include <QTransform>

#include <array>

using namespace simwin;

namespace {

const QString Idle = QStringLiteral("HScroll1 HScroll2 Command1");

// Blue pixels inside a rectangle given as fractions of the picture.
int blueIn(QWidget *w, QRectF fractions)
{
    const QImage image = picture(w);
    const QRect area = QTransform::fromScale(image.width(), image.height()).mapRect(fractions).toRect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == core::colour::blue;
    return n;
}

// Blue pixels on the left strip that holds strobe marks.
int strobeMarks(QWidget *w) { return blueIn(w, QRectF(0.03, 0.04, 0.04, 0.92)); }

} // namespace

class TestInclinedPlaneWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { driver::installSpanishTestEnvironment(), app::installWindows(); }
    void init() { driver::resetProgram(); }
    void cleanupTestCase() { driver::resetProgram(); }

    // Set and drawn while loading, before the window is ever shown, with a
    // precise timer.
    void atLoad()
    {
        QWidget *w = ui::navigator().window(ui::WindowId::Form2);
        QCOMPARE(texts(w, "12345"), (QStringList{"0", "0", "", "", ""}));
        QCOMPARE(state(w), Idle + QStringLiteral(" Timer1 360 ms"));
        QVERIFY(blueIn(w, QRectF(0.85, 0.72, 0.1, 0.11)) > 50); // the block at rest
    }

    // Steps a user takes: "30°" and "μ 0.6" move the bars, "key 2 PgUp"
    // presses a key on the second bar, "start" clicks "Iniciar Movimiento",
    // "run 45" ticks until the timer stops, expecting that many to move the
    // block; "loading" begins before the loading timer's tick. Then Text1 to
    // Text5, and after "fresh" the picture against a window a user set to
    // the same values.
    void barsAndStartShow_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown"); // Text1 to Text5
        const auto row = [](const char *name, const char *steps, const char *shown) {
            QTest::newRow(name) << steps << shown; };
        row("30°, μ 0.6: the friction bar says friction wins", "30°, μ 0.6", "30|0,6|Fricción mayor||");
        row("30°, μ 0.6: the angle bar says so too", "μ 0.6, 30°", "30|0,6|Fricción mayor||");
        // Keys move the bars as on any horizontal scroll bar, right being
        // more, by small and large changes.
        row("keys: end, large and small steps", "key 1 End, key 1 PgDown, key 1 PgDown, key 1 Left", "79|0|9,62||");
        row("keys on the friction bar", "30°, key 2 PgUp, key 2 Right, key 2 Right", "30|0,07|4,31||");
        // On the level only the angle bar shows "0", when nothing acts along
        // the plane; neither bar speaks while friction holds the block there.
        row("angle bar to a smooth level: 0, kept by friction", "10°, 0°, μ 0.5", "0|0,5|0||");
        row("angle bar to the level while friction holds: text stays", "μ 0.5, 30°, 0°, μ 0", "0|0|0,66||");
        // A start with a ≤ 0 starts nothing, and says nothing on the level.
        row("start refused at 0°, μ 0: a is 0", "start", "0|0|||");
        row("start refused on the level with friction", "μ 0.5, start", "0|0,5|||");
        row("start refused while friction holds at 30°", "30°, μ 0.6, start", "30|0,6|Fricción mayor||");
        // No "Detener Movimiento" could stop a run begun by the loading tick.
        row("angle moved while loading: its tick moves nothing", "loading, 30°, run 0, fresh", "30|0|4,90||");
        // A change between a start and its first tick moves the start to the
        // new values; friction raised until it holds the block keeps it still
        // instead of pushing it up the slope.
        row("armed, angle raised to 90°: runs from there", "30°, start, 90°, run 45", "90|0|9,80|0,45|0,99");
        row("armed, friction raised until it holds", "30°, μ 0.5, start, μ 0.6, run 0", "30|0,6|Fricción mayor||");
        // A scroll change after a run leaves nothing of the old block, its
        // forces (the friction cap the ticks draw at C even for μ 0) or the
        // strobe marks.
        row("after a μ 0 run, to 45°, μ 0.5", "30°, start, run 64, 45°, μ 0.5, fresh", "45|0,5|3,46|0,64|1,00");
        row("after 90°, to 60°: no caps on the wall", "90°, μ 0.3, start, run 45, 60°, fresh", "60|0,3|7,02|0,45|0,99");
        row("after 10°, to the level with friction", "10°, start, run 109, 0°, μ 0.2, fresh", "0|0,2|0|1,09|1,01");
    }
    void barsAndStartShow()
    {
        QFETCH(QString, steps);
        QWidget *w = open(ui::WindowId::Form2);
        ticks(w, steps.startsWith(QLatin1String("loading")) ? 0 : 1); // its tick finds the plane level and stops
        for (const QString &step : steps.split(QStringLiteral(", "))) {
            if (step.endsWith(QChar(u'°')))
                bar(w, 1)->setValue(step.chopped(1).toInt());
            else if (step.startsWith(QChar(u'μ')))
                bar(w, 2)->setValue(qRound(step.mid(2).toDouble() * 1000));
            else if (step.startsWith(QLatin1String("key")))
                QTest::keyClick(bar(w, step.mid(4, 1).toInt()), QKeySequence::fromString(step.mid(6))[0].key());
            else if (step == QLatin1String("start"))
                driver::click(w, "Command1");
            else if (step.startsWith(QLatin1String("run")))
                QCOMPARE(ticks(w) - 1, step.mid(4).toInt()); // the last tick stops
        }
        QTEST(texts(w, "12345").join(QLatin1Char('|')), "shown");
        QCOMPARE(state(w), Idle);
        if (steps.endsWith(QLatin1String("fresh")))
            QCOMPARE(picture(w), freshPicture<Form2>(w));
    }

    // A start, ten ticks, a stop and a new start run to the end: the states,
    // the texts, the strobe marks from the tenth tick on, which a new start
    // clears, and the block left in place by the stop. "Datos y gráficas"
    // then shows a row every 0,1 s with the time, distance and speed of the
    // block as the window itself reckons them. "Regresar" stops a run and
    // takes the data window with it; closing the window ends the program.
    void startStopRestart()
    {
        auto *w = static_cast<Form2 *>(open(ui::WindowId::Form2));
        ticks(w, 1);
        bar(w, 1)->setValue(30);
        bar(w, 2)->setValue(200);
        driver::click(w, "Command1");
        QCOMPARE(state(w), Idle + QStringLiteral(" Command3 Timer1 100 ms"));
        QCOMPARE(ticks(w, 9), 9);
        QCOMPARE(state(w), QStringLiteral("Command3 Timer1 100 ms"));
        QCOMPARE(strobeMarks(w), 0);
        QCOMPARE(ticks(w, 1), 1);
        QVERIFY(strobeMarks(w) > 0);
        QVERIFY(w->isRunning()); // as another window reads it, until the stop
        QCOMPARE(texts(w, "12345").mid(3), (QStringList{"0,10", "0,02"}));

        const QImage running = picture(w);
        driver::click(w, "Command3");
        QVERIFY(state(w) == Idle && !w->isRunning());
        QCOMPARE(picture(w), running);

        // Again from the top at time 0; the texts wait for the first tick.
        driver::click(w, "Command1");
        QCOMPARE(strobeMarks(w), 0);
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,10"));
        QCOMPARE(ticks(w), 80);
        QCOMPARE(texts(w, "12345"), (QStringList{"30", "0,2", "3,20", "0,79", "1,00"}));

        // a = 9,8 (sin 30° − 0,2 cos 30°) = 3,2026 m/s²: ½ a 0,7² and a 0,7
        QCOMPARE(dataRows(w), "7: 0,70 0,7846 2,2418");
        driver::click(w, "Command1");
        driver::click(w, "Command2");
        QVERIFY(state(w) == Idle && !driver::control<QWidget>(w, "DataWindow")->isVisible());
        driver::closeWindow(open(ui::WindowId::Form2));
        QVERIFY(driver::ended());
    }

    // "Simulación" after the last press of "Resolver" solved: the bars at the
    // problem's angle and μ, as a user would have set them, and a note where
    // a bar's step changed a value, kept over a visit without a new press and
    // gone with the user's next move of a bar.
    void problemSetsTheBars_data()
    {
        QTest::addColumn<QString>("presses"); // a|θ|μ ticked and typed where given, per press
        QTest::addColumn<QString>("shown");   // Text1|Text2|the note
        QTest::newRow("θ and μ given, both between steps")
            << "|30,5|0,2345" << "31|0,235|θ = 30,5° se muestra como 31°; μ = 0,2345 se muestra como 0,235";
        QTest::newRow("μ computed: as its field shows it") << "2|30|" << "30|0,34|";
        QTest::newRow("θ computed: the whole degree written") << "4||0,1" << "30|0,1|";
        QTest::newRow("μ past the bar's end") << "|80|2" << "80|1|μ = 2 se muestra como 1 (el máximo)";
        QTest::newRow("solved, then not: the bars as they were") << "|30,5|0,2 |10|0,5" << "0|0|";
        QTest::newRow("not solved, then solved") << "|10|0,5 |45|0,5" << "45|0,5|";
    }
    void problemSetsTheBars()
    {
        QFETCH(QString, presses);
        QWidget *w = solveAndSimulate(ui::WindowId::Form8, presses);
        const auto shows = [w] { return (texts(w, "12") << shownNote(w, "Label6")).join(QLatin1Char('|')); };
        QTEST(shows(), "shown");
        const QList<QWidget *> children = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *a : children)
            for (QWidget *b : children)
                QVERIFY2(a == b || !a->isVisible() || !b->isVisible() || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + QLatin1Char('/') + b->objectName()));
        QCOMPARE(picture(w), freshPicture<Form2>(w));

        driver::click(w, "Command2"); // Regresar, then back
        QCOMPARE(solveAndSimulate(ui::WindowId::Form8, {}), w);
        QTEST(shows(), "shown");
        QTest::keyClick(bar(w, 2), Qt::Key_Right);
        QCOMPARE(shownNote(w, "Label6"), QString());
    }

    // A zoom change mid-run draws the picture anew as a window at the new
    // zoom would have drawn it from the start: title, marks, the block.
    void zoomMidRunDrawsTheSamePicture()
    {
        // Angle, μ in 1/1000, zoom from and to; a bar set to the value it has changes nothing.
        for (const auto &[angle, friction, from, to] : {std::array{45, 500, 100, 150}, std::array{75, 100, 200, 125}}) {
            const auto step = [&](ui::FormBase &form, int i) {
                bar(&form, 1)->setValue(angle);
                bar(&form, 2)->setValue(friction);
                QMetaObject::invokeMethod(&form, i == 0 ? "Command1_Click" : "Timer1_Timer");
            };
            QCOMPARE(zoomChangeMidRun(loaded<Form2>, step, 45, 25, from, to), QString());
        }
    }
};

QTEST_MAIN(TestInclinedPlaneWindow)
#include "tst_inclined_plane_window.moc"
