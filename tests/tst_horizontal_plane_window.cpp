#include "app/windows.h"
#include "simulations/horizontal_plane/form3.h"
#include "simulations/run_data/data_window.h"
#include "simulations/run_data/handover_slot.h"
#include "support/gui_driver.h"
#include "support/recording_canvas.h"
#include "support/zoom_run.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"
#include "ui/zoom.h"

#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

using Steps = QList<QPair<QString, int>>; // scroll bar names and the Values they are moved to

void move(QWidget *window, const Steps &steps)
{
    for (const auto &[name, value] : steps)
        driver::control<QScrollBar>(window, qPrintable(name))->setValue(value);
}

Form3 *openForm3()
{
    ui::navigator().goTo(ui::WindowId::Form3);
    return qobject_cast<Form3 *>(ui::navigator().current());
}

QTimer *timer(QWidget *window) { return driver::control<QTimer>(window, "Timer1"); }
QImage picture(QWidget *window) { return driver::control<ui::PictureBox>(window, "Picture1")->image(); }

// Up to `most` ticks while the timer runs, as the event loop sends them;
// returns how many were sent, the stopping one included.
int ticks(QWidget *window, int most = 1000)
{
    int sent = 0;
    for (; sent < most && timer(window)->isActive(); ++sent)
        QMetaObject::invokeMethod(timer(window), "timeout");
    return sent;
}

// What the window draws while `act` runs.
template<typename Act>
RecordingCanvas drawnBy(QWidget *window, Act act)
{
    auto *box = driver::control<ui::PictureBox>(window, "Picture1");
    RecordingCanvas drawn;
    box->setRecorder(&drawn);
    act();
    box->setRecorder(nullptr);
    return drawn;
}

// Text1 to Text7: masses, friction, time, acceleration, distance, tension.
QStringList texts(QWidget *window)
{
    QStringList shown;
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
        shown << driver::text(window, name);
    return shown;
}

QList<int> barValues(QWidget *window)
{
    QList<int> values;
    for (const char *name : {"HScroll1", "HScroll2", "HScroll3"})
        values << driver::control<QScrollBar>(window, name)->value();
    return values;
}

// A run disables the scroll bars and the start button and enables the stop
// button; still, the other way round.
bool showsMoving(QWidget *window, bool moving)
{
    bool shown = driver::control<QWidget>(window, "Command3")->isEnabled() == moving;
    for (const char *name : {"HScroll1", "HScroll2", "HScroll3", "Command1"})
        shown = shown && driver::control<QWidget>(window, name)->isEnabled() != moving;
    return shown;
}

// The picture of a window just created and moved straight to the values
// this window's scroll bars show now.
QImage freshPicture(QWidget *window)
{
    Form3 fresh;
    fresh.load();
    for (const char *name : {"HScroll1", "HScroll2", "HScroll3"})
        driver::control<QScrollBar>(&fresh, name)->setValue(driver::control<QScrollBar>(window, name)->value());
    return picture(&fresh);
}

// Form9 with one press of "Resolver" per list of what is typed in Text1 to
// Text5 (an empty or missing text leaves its box unchecked), then
// "Simulación" and, on the title window, "Continuar".
using Presses = QList<QStringList>;

Form3 *solveAndSimulate(const Presses &presses)
{
    ui::navigator().goTo(ui::WindowId::Form9);
    QWidget *form9 = ui::navigator().current();
    for (const QStringList &typed : presses) {
        for (int box = 1; box <= 5; ++box) {
            const QString text = typed.value(box - 1);
            driver::setChecked(form9, qPrintable(QStringLiteral("Check%1").arg(box)), !text.isEmpty());
            if (!text.isEmpty())
                driver::type(form9, qPrintable(QStringLiteral("Text%1").arg(box)), text);
        }
        driver::click(form9, "Command1");
    }
    driver::click(form9, "Command3");
    driver::click(ui::navigator().current(), "Command2");
    return qobject_cast<Form3 *>(ui::navigator().current());
}

// The note as the user reads it, empty when hidden: the label, or, where
// the label is cut short with "…", its tooltip. Text outside the label, or
// a label that is neither the note nor its start, shows as a fault.
QString shownNote(QWidget *window)
{
    auto *label = driver::control<QLabel>(window, "Label9");
    if (label->isHidden())
        return {};
    const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap,
                                                           label->text());
    const QString seen = QString(label->text()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString note = label->toolTip();
    const bool whole = seen == note || (seen.endsWith(QChar(0x2026)) && note.startsWith(seen.chopped(1)));
    return label->contentsRect().contains(needed) && whole ? note : QStringLiteral("does not fit or is cut wrongly: ") + seen;
}

} // namespace

class HorizontalPlaneWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }

    void init()
    {
        driver::resetProgram();
        run_data::withdrawHandover(ui::WindowId::Form3);
    }

    // Nobody presses "Iniciar Movimiento": the timer runs from the load, at
    // 120 ms a tick. Text7 shows 245 from the start, so the first run must
    // draw 245-newton tension arrows (260 twips across), not dots. 64
    // advancing ticks take block 2 past the floor line; the 65th stops.
    // Strobe marks (blue circles) come on every tenth tick.
    void firstRunDrawsTheTensionItShowsAndStopsOnTheSixtyFifthTick()
    {
        QWidget *w = openForm3();
        QCOMPARE(timer(w)->interval(), 120);
        QCOMPARE(timer(w)->timerType(), Qt::PreciseTimer);
        QCOMPARE(texts(w), (QStringList{"50", "50", "0", "", "4,9", "", "245"}));
        QList<int> marked; // the ticks that leave strobe marks, then the one that stops
        for (int tick = 1; timer(w)->isActive() && tick < 1000; ++tick) {
            const RecordingCanvas drawn = drawnBy(w, [w] { ticks(w, 1); });
            const QList<DrawOp> tension = drawn.inColour(core::colour::red), blue = drawn.inColour(core::colour::blue);
            if (tick == 1)
                QVERIFY(showsMoving(w, true) && !tension.isEmpty() && tension.first().a[2] > tension.first().a[0] + 250);
            if (std::any_of(blue.begin(), blue.end(), [](const DrawOp &op) { return op.kind == DrawOp::Circle; }) || !timer(w)->isActive())
                marked.append(tick);
        }
        QCOMPARE(marked, (QList<int>{10, 20, 30, 40, 50, 60, 65}));
        QCOMPARE(texts(w), (QStringList{"50", "50", "0", "0,640", "4,9", "1,004", "245"}));
    }

    void scrollChangesShowTheirResultsAndOnlyMotionRuns_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("moves");
        QTest::addColumn<Steps>("after"); // the values the bars are moved to between start and first tick
        QTest::newRow("50/30, μ 0,2, block 2 moved last: three decimals") << Steps{{"HScroll3", 20}, {"HScroll2", 31}}
            << QStringList{"50", "30", "0,2", "", "2,450", "", "220,50"} << true << Steps{{"HScroll2", 51}, {"HScroll3", 0}};
        QTest::newRow("50/30, μ 0,2, friction moved last: two decimals") << Steps{{"HScroll2", 31}, {"HScroll3", 20}}
            << QStringList{"50", "30", "0,2", "", "2,45", "", "220,50"} << true << Steps{{"HScroll1", 11}, {"HScroll2", 81}};
        QTest::newRow("40/50, μ 0,35: the hundredths, not a binary tail") << Steps{{"HScroll3", 35}, {"HScroll1", 41}}
            << QStringList{"40", "50", "0,35", "", "3,920", "", "294,00"} << true << Steps{{"HScroll1", 1}, {"HScroll2", 1}};
        QTest::newRow("0/10, μ 0,5, block 2 refilled from nothing: free fall, slack cord")
            << Steps{{"HScroll3", 50}, {"HScroll1", 1}, {"HScroll2", 1}, {"HScroll2", 11}} << QStringList{"0", "10", "0,5", "", "9,800", "", "0,00"}
            << true << Steps{{"HScroll1", 101}, {"HScroll2", 101}, {"HScroll3", 99}};
        // Block 1 ends its run over the pulley's bracket; erasing it there
        // must not leave a gap in the bracket.
        QTest::newRow("0/5: block 1 carried across the bracket") << Steps{{"HScroll1", 1}, {"HScroll2", 6}}
            << QStringList{"0", "5", "0", "", "9,800", "", "0,00"} << true << Steps{{"HScroll1", 51}, {"HScroll2", 51}};
        QTest::newRow("100/20, μ 0,2: held, the tension is block 2's weight") << Steps{{"HScroll1", 101}, {"HScroll2", 21}, {"HScroll3", 20}}
            << QStringList{"100", "20", "0,2", "", "0", "", "196,00"} << false << Steps{};
        QTest::newRow("both masses zero: no solución, the last tension kept") << Steps{{"HScroll3", 30}, {"HScroll1", 1}, {"HScroll2", 1}}
            << QStringList{"0", "0", "0,3", "", "No solución", "", "0,00"} << false << Steps{};
    }

    // The weight arrow ends in a dot exactly when block 2 is empty, whatever
    // the picture it replaces showed. A setup that cannot move leaves
    // everything as it is: the start button does nothing, and the tick the
    // first run still has pending (the inputs changed before it) must not
    // divide by m1 + m2 = 0 nor move held blocks, but stop. After a run no
    // block, cord, arrow or strobe mark may be left, at the start button or
    // at a change before the first tick: the picture must be the one a new
    // window shows for the same values.
    void scrollChangesShowTheirResultsAndOnlyMotionRuns()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, shown);
        QFETCH(bool, moves);
        Form3 *w = openForm3();
        const QList<DrawOp> weight = drawnBy(w, [&] { move(w, steps); }).inColour(core::colour::green);
        QVERIFY(!weight.isEmpty());
        QCOMPARE(weight.last().kind, shown[1] == "0" ? DrawOp::Circle : DrawOp::Arc);
        QCOMPARE(texts(w), shown);
        QVERIFY(showsMoving(w, false));
        ticks(w, 1);
        driver::click(w, "Command1");
        ticks(w, 1);
        QCOMPARE(timer(w)->isActive(), moves);
        QVERIFY(showsMoving(w, moves));
        if (moves) {
            QVERIFY(ticks(w) > 20);
            driver::click(w, "Command1");
            QCOMPARE(picture(w), freshPicture(w));
        } else {
            QCOMPARE(texts(w), shown);
        }
        QFETCH(Steps, after);
        move(w, after);
        QCOMPARE(picture(w), freshPicture(w));
    }

    void interruptedRunStopsAndTheNextStartsAgain_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("Detener Movimiento") << QByteArray("Command3");
        QTest::newRow("Regresar, then back as from the title window") << QByteArray("Command2");
    }

    // The run left half-way does not go on: the next start begins at the
    // start position at time 0, and erases the frozen picture. A data window
    // holds the strobe instants of the last run, t = 0,1·k, for both blocks:
    // ½·2,45·0,9² = 0,9923 m at the last, 2,205 m/s.
    void interruptedRunStopsAndTheNextStartsAgain()
    {
        QFETCH(QByteArray, button);
        Form3 *w = openForm3();
        move(w, {{"HScroll2", 31}, {"HScroll3", 20}}); // Text5 shows 2,45
        driver::click(w, "Command1");
        QCOMPARE(timer(w)->interval(), 100);
        QVERIFY(showsMoving(w, false)); // until the first tick
        QCOMPARE(ticks(w, 25), 25);
        QVERIFY(showsMoving(w, true) && w->isRunning());
        // ½·2,45·0,25² = 0,0766 m
        QCOMPARE(texts(w).mid(3), (QStringList{"0,250", "2,450", "0,077", "220,50"}));
        driver::click(w, button.constData());
        QVERIFY(!w->isRunning() && showsMoving(w, false));
        if (button == "Command2") {
            QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().existing(ui::WindowId::Form7)});
            QCOMPARE(openForm3(), w); // nothing is loaded anew
        }
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,250"));

        driver::click(w, "Command1");
        ticks(w, 1);
        QCOMPARE(driver::text(w, "Text4"), QStringLiteral("0,010"));
        const int restarted = 1 + ticks(w);
        driver::click(w, "Command1");
        QCOMPARE(restarted, ticks(w));

        driver::click(w, "Command4");
        auto *table = w->findChild<QTableWidget *>(QStringLiteral("Table"));
        QVERIFY(table && table->isVisible());
        QStringList last;
        for (int column = 0; column < table->columnCount(); ++column)
            last << table->item(table->rowCount() - 1, column)->text();
        QCOMPARE(QString::number(table->rowCount()) + ": " + last.join(' '), "9: 0,90 0,9923 2,2050 0,9923 2,2050");
        move(w, {{"HScroll1", 41}});
        QCOMPARE(picture(w), freshPicture(w));
        // The close box, mid-run, stops the timer and ends the program.
        driver::click(w, "Command1");
        ticks(w, 1);
        driver::closeWindow(w);
        QVERIFY(!timer(w)->isActive() && driver::ended());
    }

    void solvedProblemSetsTheBarsWhenShown_data()
    {
        QTest::addColumn<bool>("visited"); // Form3 shown and left before the problem
        QTest::addColumn<Presses>("presses");
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<QString>("note");
        const QStringList fits{"2", "3", "0,2"};
        const QStringList rounded{"", "60", "0,25", "3"}; // case 8: m1 = 74,94 kg
        const QStringList unsolvable{"10", "1", "0,5"};
        const QList<int> design{51, 51, 0}, solved{3, 4, 20};
        QTest::newRow("given values that fit the bars") << false << Presses{fits} << solved << QString();
        QTest::newRow("a computed mass rounded, on a second visit")
            << true << Presses{rounded} << QList<int>{76, 61, 25} << QStringLiteral("m₁ = 74,94 kg se muestra como 75 kg");
        QTest::newRow("all three beyond their bars") << false << Presses{{"150", "200", "0,125"}} << QList<int>{101, 101, 13}
            << QStringLiteral("m₁ = 150 kg se muestra como 100 kg (el máximo); m₂ = 200 kg se muestra como 100 kg "
                              "(el máximo); μ = 0,125 se muestra como 0,13");
        QTest::newRow("solved, then no solution: left as it was") << false << Presses{fits, unsolvable} << design << QString();
        QTest::newRow("solved, then two boxes: left as it was") << true << Presses{rounded, {"2", "3"}} << design << QString();
        QTest::newRow("no solution, then solved") << false << Presses{unsolvable, fits} << solved << QString();
    }

    // The user sees the problem's values from the first picture on: the run
    // the first visit starts by itself sets off with them, and a later visit
    // shows their start position. The note goes with the user's own move of
    // a bar, and a visit without a new solved problem changes nothing.
    void solvedProblemSetsTheBarsWhenShown()
    {
        QFETCH(bool, visited);
        QFETCH(QList<int>, bars);
        QImage left; // the picture Form3 was left with
        if (visited) {
            QWidget *form3 = openForm3();
            ticks(form3, 5);
            left = picture(form3);
            driver::click(form3, "Command2");
        }
        QFETCH(Presses, presses);
        Form3 *w = solveAndSimulate(presses);
        QCOMPARE(barValues(w), bars);
        QTEST(shownNote(w), "note");
        QCOMPARE(picture(w), left.isNull() || bars != QList<int>({51, 51, 0}) ? freshPicture(w) : left);
        QCOMPARE(timer(w)->isActive(), !visited);
        if (!visited) {
            ticks(w, 1);
            QCOMPARE(w->runData().run().acceleration(), w->acceleration());
            driver::click(w, "Command3");
        }
        auto *bar = driver::control<QScrollBar>(w, "HScroll3");
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(shownNote(w), QString());
        driver::click(w, "Command2");
        QCOMPARE(solveAndSimulate({}), w);
        QCOMPARE(barValues(w), (QList<int>{bars[0], bars[1], bars[2] + 1}));
    }

    // A zoom change in the middle of a run leaves the picture a window at
    // that zoom would have drawn from the start: table, blocks, arrows and
    // the marks of the run so far.
    void zoomChangeMidRunRedrawsThePicture()
    {
        for (const auto &[from, to] : {std::pair(100, 150), std::pair(200, 125)}) {
            const auto pictures = zoomrun::acrossZoomChange(
                [] { auto *form = new Form3; form->load(); return form; }, "Picture1",
                [](ui::FormBase &form, int step) {
                    if (step == 0)
                        move(&form, {{"HScroll2", 31}, {"HScroll3", 20}});
                    QMetaObject::invokeMethod(&form, step == 0 ? "Command1_Click" : "Timer1_Timer");
                },
                60, 35, from, to);
            ui::setZoom(100);
            QCOMPARE(zoomrun::difference(pictures.switched, pictures.fresh), QString());
        }
    }
};

QTEST_MAIN(HorizontalPlaneWindowTest)
#include "tst_horizontal_plane_window.moc"
