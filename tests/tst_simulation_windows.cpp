// The three simulation windows, driven as a user drives them: scroll bars,
// keys, buttons and timer ticks; checked by the fields, the enabled
// controls, the timer, the data window and the picture, which after every
// change must be the one a window freshly set to the same values draws.

#include "app/windows.h"
#include "gui/ui/form_base.h"
#include "gui/ui/picture_box.h"
#include "gui/ui/zoom.h"
#include "gui/window_id.h"
#include "support/gui_driver.h"
#include "support/frame_recorder.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

using ui::WindowId;

namespace {

QTimer *timer(QWidget *w) { return driver::control<QTimer>(w, "Timer1"); }
QScrollBar *bar(QWidget *w, int n) { return driver::control<QScrollBar>(w, driver::numbered("HScroll", n - 1)); }
ui::PictureBox *pictureBox(QWidget *w) { return driver::control<ui::PictureBox>(w, "Picture1"); }
QImage picture(QWidget *w) { return pictureBox(w)->image(); }
WindowId idOf(QWidget *w) { return WindowId(w->objectName().mid(4).toInt() - 1); }
QWidget *open(WindowId id) { return ui::navigator().goTo(id), ui::navigator().current(); }

// Up to `most` ticks while the timer runs, as the event loop sends them;
// how many were sent, the stopping one included.
int ticks(QWidget *w, int most = 10000)
{
    int sent = 0;
    for (; sent < most && timer(w)->isActive(); ++sent)
        QMetaObject::invokeMethod(timer(w), "timeout");
    return sent;
}

// Text1, Text2, … as shown.
QString texts(QWidget *w)
{
    QStringList shown;
    for (int i = 0; auto *field = w->findChild<QLineEdit *>(driver::numbered("Text", i)); ++i)
        shown << field->text();
    return shown.join(QLatin1Char('|'));
}

// The enabled ones of the scroll bars, Command1 and Command3, then the timer
// while it runs, "coarse" unless it is precise (a coarse one lets the motion
// stutter).
QString state(QWidget *w)
{
    QStringList on;
    for (const char *name : {"HScroll1", "HScroll2", "HScroll3", "Command1", "Command3"})
        if (auto *control = w->findChild<QWidget *>(QLatin1String(name)); control && control->isEnabled())
            on << QLatin1String(name);
    if (timer(w)->isActive())
        on << QStringLiteral("Timer1 %1 ms%2").arg(timer(w)->interval()).arg(timer(w)->timerType() == Qt::PreciseTimer ? "" : " coarse");
    return on.join(QLatin1Char(' '));
}

// The picture of a window just made and loaded, its bars moved straight to
// the values `w` shows.
QImage freshPicture(QWidget *w)
{
    const std::unique_ptr<ui::FormBase> fresh(app::createWindow(idOf(w)));
    fresh->load();
    for (auto *shown : w->findChildren<QScrollBar *>(Qt::FindDirectChildrenOnly))
        driver::control<QScrollBar>(fresh.get(), qPrintable(shown->objectName()))->setValue(shown->value());
    return picture(fresh.get());
}

// "Datos y gráficas": the data window's row count, its last row and the
// first line of its summary, "9: 0,90 0,9923 2,2050 | Aceleración: 2,450
// m/s²", or that it is not shown.
QString dataRows(QWidget *w)
{
    driver::click(w, "Command4");
    auto *data = driver::control<QWidget>(w, "DataWindow");
    auto *table = driver::control<QTableWidget>(data, "Table");
    QStringList row{QString::number(table->rowCount()) + QLatin1Char(':')};
    // The motion's columns; the energies' are checked with the data window.
    for (int column = 0; table->rowCount() > 0 && column < table->columnCount()
                         && !table->horizontalHeaderItem(column)->text().endsWith(QStringLiteral("(J)"));
         ++column)
        row << table->item(table->rowCount() - 1, column)->text();
    row << QStringLiteral("|") << driver::text(data, "Summary").section(QLatin1Char('\n'), 0, 0).simplified();
    return data->isVisible() ? row.join(QLatin1Char(' ')).trimmed() : QStringLiteral("not shown");
}

// The note as the user reads it, empty while hidden. A note cut short with
// "…" reads as its tooltip, which must hold it whole; text that does not fit
// its label, is not the tooltip cut, or is empty shows as a fault.
QString shownNote(QWidget *w)
{
    auto *note = driver::control<QLabel>(w, idOf(w) == WindowId::Form2 ? "Label6" : "Label9");
    if (note->isHidden())
        return {};
    const int flags = int(note->alignment()) | (note->wordWrap() ? Qt::TextWordWrap : 0);
    const bool fits = note->contentsRect().contains(note->fontMetrics().boundingRect(note->contentsRect(), flags, note->text()));
    const QString seen = QString(note->text()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QStringList cut = seen.split(QChar(0x2026)); // the parts before and after "…"
    const QString whole = note->toolTip().isEmpty() && cut.size() == 1 ? seen : note->toolTip();
    const bool cutRightly = cut.size() == 1 ? seen == whole
                                            : cut.size() == 2 && whole.startsWith(cut[0]) && whole.endsWith(cut[1]);
    return fits && cutRightly && !whole.isEmpty() ? whole : QStringLiteral("empty, cut wrongly or too long: ") + seen;
}

// One press of "Resolver" per press in `presses` (space between presses;
// "|30,5|0,2": Check1 unticked, Check2 and Check3 ticked with those typed),
// then "Simulación", and "Continuar" on a title window.
QWidget *solveAndSimulate(WindowId problem, const QString &presses)
{
    QWidget *form = open(problem);
    const qsizetype fields = form->findChildren<QCheckBox *>().size();
    for (const QString &press : presses.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList typed = press.split(QLatin1Char('|'));
        QString boxes;
        for (qsizetype i = 0; i < fields; ++i)
            boxes += typed.value(i).isEmpty() ? u'0' : u'1';
        driver::fill(form, boxes, typed);
        driver::click(form, "Command1");
    }
    driver::click(form, "Command3");
    if (problem != WindowId::Form8) // Form3 and Form6 stand behind a title window
        driver::click(ui::navigator().current(), "Command2");
    return ui::navigator().current();
}

// What the user does, step by step: "b1=30" moves a bar, "k2 PgUp" presses
// a key on one, "start", "stop" and "back" click Iniciar, Detener and
// Regresar, "enlarge" and "plain" tick and untick "Ampliar dibujo" with a
// click, "type 4 x" types into Text4,
// "enter 1 30" types and presses Enter, "leave 1 30" types and leaves the
// field with Tab, "tick 3" sends ticks that must all come, "run 45" ticks
// until the timer stops, expecting that many to move the bodies ("run"
// expects nothing), and "fresh" checks the picture against a fresh window.
void perform(QWidget *w, const QString &steps)
{
    for (const QString &step : steps.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList word = step.split(QLatin1Char(' '));
        if (step.startsWith(QLatin1Char('b')) && step.contains(QLatin1Char('=')))
            bar(w, step.mid(1, 1).toInt())->setValue(step.mid(3).toInt());
        else if (step.startsWith(QLatin1Char('k')))
            QTest::keyClick(bar(w, step.mid(1, 1).toInt()), QKeySequence::fromString(word[1])[0].key());
        else if (word[0] == u"tick")
            QCOMPARE(ticks(w, word.value(1, "1").toInt()), word.value(1, "1").toInt());
        else if (word[0] == u"run") // the last tick stops
            QVERIFY(ticks(w) - 1 == word.value(1, "-1").toInt() || word.size() == 1);
        else if (word[0] == u"type" || word[0] == u"enter" || word[0] == u"leave") {
            // As the user does: in the active window, into the field.
            auto *field = driver::control<QLineEdit>(w, driver::numbered("Text", word[1].toInt() - 1));
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            field->setFocus();
            driver::type(w, qPrintable(field->objectName()), word[2]);
            if (word[0] != u"type")
                QTest::keyClick(field, word[0] == u"enter" ? Qt::Key_Return : Qt::Key_Tab);
        } else if (step == u"enlarge" || step == u"plain") {
            QVERIFY2((step == u"enlarge") != driver::control<QCheckBox>(w, "Check1")->isChecked(), "already so");
            driver::click(w, "Check1");
        } else if (step == u"fresh")
            QCOMPARE(picture(w), freshPicture(w));
        else
            driver::click(w, QHash<QString, const char *>{{"start", "Command1"}, {"stop", "Command3"}, {"back", "Command2"}}.value(step));
    }
}

// Every drawing call a window makes, as text, hashed: what it draws, where
// and how, whatever the fonts of the machine make of its titles.
class DrawingDigest : public core::Canvas
{
public:
    QByteArray digest() const { return m_hash.result().toHex().left(16); }
    double widthTwips() const override { return 0; }
    double heightTwips() const override { return 0; }
    void setLineWidth(int pixels) override { add("w", {double(pixels)}); }
    void setFontSize(double points) override { add("f", {points}); }
    void line(double x1, double y1, double x2, double y2, core::Rgb c) override { add("l", {x1, y1, x2, y2, double(c)}); }
    void fillRect(double x1, double y1, double x2, double y2, core::Rgb c) override { add("r", {x1, y1, x2, y2, double(c)}); }
    void circle(double x, double y, double r, core::Rgb c) override { add("c", {x, y, r, double(c)}); }
    void arc(double x, double y, double r, core::Rgb c, double start, double end) override { add("a", {x, y, r, double(c), start, end}); }
    void print(const QString &text) override { m_hash.addData(text.toUtf8()); }

private:
    void add(const char *kind, std::initializer_list<double> values)
    {
        QByteArray line(kind);
        for (double v : values)
            line += ' ' + QByteArray::number(v, 'f', 2);
        m_hash.addData(line + '\n');
    }
    QCryptographicHash m_hash{QCryptographicHash::Sha1};
};

// What one call of the window drew, apart from its erasing: the sides of
// its blocks (the boxes of blue lines, four lines each) and the lengths of
// its force arrows, in pixels at 100 %; the texts printed.
struct Drawn {
    double smallestSide = 1e9;
    double shortestArrow = 1e9;
    QStringList printed;
};

Drawn measured(const FrameRecorder &recorder)
{
    Drawn drawn;
    drawn.printed = recorder.printed;
    for (const core::Shape &shape : recorder.drawn.shapes()) {
        if (shape.kind != core::Shape::Kind::Line)
            continue;
        const double pixels = std::hypot(shape.b.x - shape.a.x, shape.b.y - shape.a.y) / 15;
        if (shape.colour == core::colour::blue)
            drawn.smallestSide = std::min(drawn.smallestSide, pixels);
        else if (shape.colour != core::colour::cyan && shape.colour != core::colour::black && pixels > 0.05)
            drawn.shortestArrow = std::min(drawn.shortestArrow, pixels);
    }
    return drawn;
}

// A run from "Iniciar Movimiento" to its end: the strobe marks as drawn, and
// whether every other shape stayed inside the picture.
struct Run {
    QList<core::Point> marks;
    bool inside = true;
};

Run runToTheEnd(QWidget *w)
{
    FrameRecorder recorder;
    pictureBox(w)->setRecorder(&recorder);
    perform(w, "start, run");
    pictureBox(w)->setRecorder(nullptr);
    Run run;
    const double width = pictureBox(w)->widthTwips();
    const double height = pictureBox(w)->heightTwips();
    for (const core::Shape &shape : recorder.drawn.shapes()) {
        if (shape.kind == core::Shape::Kind::Circle && shape.colour == core::colour::blue) {
            run.marks << shape.a;
            continue;
        }
        const auto within = [&](core::Point p, double reach) {
            return p.x - reach >= 0 && p.x + reach <= width && p.y - reach >= 0 && p.y + reach <= height;
        };
        const bool ends = shape.kind == core::Shape::Kind::Line || shape.kind == core::Shape::Kind::FilledBox;
        run.inside = run.inside && (ends ? within(shape.a, 0) && within(shape.b, 0) : within(shape.a, shape.radius));
    }
    return run;
}

const QString Idle2 = QStringLiteral("HScroll1 HScroll2 Command1");
const QString Idle3 = QStringLiteral("HScroll1 HScroll2 HScroll3 Command1");

} // namespace

class TestSimulationWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { driver::installSpanishTestEnvironment(), app::installWindows(); }
    void init() { driver::resetProgram(); }
    void cleanupTestCase() { driver::resetProgram(); }

    void stepsShow_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown"); // Text1, Text2, …
        QTest::addColumn<QString>("state");
        // "idle" stands for the enabled bars and Command1 of the window.
        const auto row = [](const char *name, WindowId window, const char *steps, const char *shown, QString state = "idle") {
            QTest::newRow(name) << window << steps << shown << state.replace("idle", window == WindowId::Form3 ? Idle3 : Idle2); };
        const auto form2 = [&](const char *name, const char *steps, const char *shown) { row(name, WindowId::Form2, steps, shown); };
        // Loaded with a precise timer, its first tick finds the plane level.
        row("Form2 at load", WindowId::Form2, "", "0|0|||", "idle Timer1 360 ms");
        form2("30°, μ 0,6: the friction bar says friction wins", "tick, b1=30, b2=600", "30|0,6|Fricción mayor||");
        form2("30°, μ 0,6: the angle bar says so too", "tick, b2=600, b1=30", "30|0,6|Fricción mayor||");
        // Keys move the bars as on any horizontal bar, right being more.
        form2("keys: end, large and small steps", "tick, k1 End, k1 PgDown, k1 PgDown, k1 Left", "79|0|9,62||");
        form2("keys on the friction bar", "tick, b1=30, k2 PgUp, k2 Right, k2 Right", "30|0,07|4,31||");
        // tan 45° is just above 1 with 3,1416: the block slides, barely.
        row("45°, μ 1: a hair above 0", WindowId::Form2, "tick, b1=45, b2=1000, start, tick", "45|1|0,00|0,01|0,00",
            "Command3 Timer1 100 ms");
        // On the level only the angle bar shows "0", when nothing acts along
        // the plane; neither bar speaks while friction holds the block there.
        form2("angle bar to a smooth level: 0, kept by friction", "tick, b1=10, b1=0, b2=500", "0|0,5|0||");
        form2("angle bar to the level while friction holds: text stays", "tick, b2=500, b1=30, b1=0, b2=0", "0|0|0,66||");
        // A start with a ≤ 0 starts nothing, and says nothing on the level.
        form2("start refused on the level with friction", "tick, b2=500, start", "0|0,5|||");
        form2("start refused while friction holds at 30°", "tick, b1=30, b2=600, start", "30|0,6|Fricción mayor||");
        // No "Detener Movimiento" could stop a run begun by the loading tick.
        form2("angle moved while loading: its tick moves nothing", "b1=30, run 0, fresh", "30|0|4,90||");
        // A change between a start and its first tick moves the start to the
        // new values; friction raised until it holds stops the block.
        form2("armed, angle raised to 90°: runs from there", "tick, b1=30, start, b1=90, run 45", "90|0|9,80|0,45|0,99");
        form2("armed, friction raised until it holds", "tick, b1=30, b2=500, start, b2=600, run 0", "30|0,6|Fricción mayor||");
        // A change after a run leaves nothing of the old block, its forces
        // (the friction head the ticks draw for μ 0) or the marks.
        form2("after a μ 0 run, to 45°, μ 0,5", "tick, b1=30, start, run 64, b1=45, b2=500, fresh", "45|0,5|3,46|0,64|1,00");
        form2("after 90°, to 60°: no heads on the wall", "tick, b1=90, b2=300, start, run 45, b1=60, fresh", "60|0,3|7,02|0,45|0,99");
        form2("after 10°, to the level with friction", "tick, b1=10, start, run 109, b1=0, b2=200, fresh", "0|0,2|0|1,09|1,01");

        // Nobody presses "Iniciar Movimiento": the first run starts by itself
        // at 120 ms a tick; 64 ticks take block 2 past the floor line.
        row("Form3 at load", WindowId::Form3, "", "50|50|0||4,9||245", "idle Timer1 120 ms");
        row("Form3's first run", WindowId::Form3, "run 64", "50|50|0|0,640|4,9|1,004|245");
        // Three decimals after a mass bar, two after the friction bar; a set-up
        // that cannot move leaves everything as it is, and the tick the first
        // run still has pending must not divide by m1 + m2 = 0, but stop.
        const auto form3 = [&](const char *name, const char *steps, const char *shown) { row(name, WindowId::Form3, steps, shown); };
        row("50/30, μ 0,2, block 2 moved last", WindowId::Form3, "b3=20, b2=31", "50|30|0,2||2,450||220,50", "idle Timer1 120 ms");
        row("50/30, μ 0,2, friction moved last", WindowId::Form3, "b2=31, b3=20", "50|30|0,2||2,45||220,50", "idle Timer1 120 ms");
        // A metre at 3,92 m/s²: ½·3,92·0,72² = 1,016 m.
        form3("40/50, μ 0,35: the hundredths, not a binary tail", "b3=35, b1=41, run 72", "40|50|0,35|0,720|3,920|1,016|294,00");
        // Block 2 of 10 kg falls 0,555·H, 1,078 m: ½·9,8·0,47² = 1,082 m.
        form3("0/10, μ 0,5: free fall, slack cord", "b3=50, b1=1, b2=1, b2=11, run 47", "0|10|0,5|0,470|9,800|1,082|0,00");
        form3("100/20, μ 0,2: held, the tension is block 2's weight", "b1=101, b2=21, b3=20, run 0, start, tick 0", "100|20|0,2||0||196,00");
        form3("both masses zero: no solución, the last tension kept", "b3=30, b1=1, b2=1, run 0, start, tick 0", "0|0|0,3||No solución||0,00");
        // After a run no block, cord, arrow or mark may be left, at the start
        // button or at a change before the first tick; block 1 ends its run
        // over the pulley's bracket, which its erasing must not cut.
        row("0/5 over the bracket, restarted, changed before its tick", WindowId::Form3,
            "b1=1, b2=6, run, start, fresh, b1=51, b2=51, fresh", "50|50|0|0,480|4,900|1,129|245,00", "idle Timer1 100 ms");
        // 100·100·9,8·1,99 / 200 = 975,1 N; a = 0,049 shown with two decimals.
        row("50/30 run, restarted, all changed before its tick", WindowId::Form3,
            "b2=31, b3=20, run, start, fresh, b1=101, b2=101, b3=99, fresh", "100|100|0,99|0,930|0,05|1,060|975,10", "idle Timer1 100 ms");

        // Fields of the design masses; the timer runs from the load.
        row("Form6 at load", WindowId::Form6, "", "50|50||0,000|490,00||0,000", "idle Timer1 360 ms");
        // Masses changed before its first tick move the blocks at 360 ms;
        // arrow keys move the bars the way they point.
        row("masses changed before the load's first tick", WindowId::Form6, "k1 Right, k2 Home, tick", "51|0|0,010|-9,800|0,00|0,000|9,800", "Command3 Timer1 360 ms");
        // Signs of both accelerations from the bars and from the start; both
        // masses zero write "No hay solución", the start only in the tension.
        const auto form6 = [&](const char *name, const char *steps, const char *shown) { row(name, WindowId::Form6, steps, shown); };
        form6("60/40: mass 1 sinks", "tick, b1=61, b2=41, type 4 x, start, run 100", "60|40|1,000|-1,960|470,40|0,980|1,960");
        form6("40/60: mass 2 sinks", "tick, b1=41, b2=61, type 7 x, start, run 100", "40|60|1,000|1,960|470,40|0,980|-1,960");
        form6("100/0: no tension", "tick, b1=101, b2=1, start, run 42, b1=1, fresh", "0|0|0,420|No hay solución|No hay solución|0,864|No hay solución");
        form6("0/0: the start writes only the tension", "tick, b1=1, b2=1, type 4 x, type 7 y, start, run 0, fresh", "0|0||x|No hay solución||y");
        // Equal masses never move: the first tick stops the timer and changes
        // nothing else.
        form6("40/40: halts at the first tick", "tick, b1=41, b2=41, start, run 0, fresh", "40|40||0,000|392,00||0,000");
    }

    void stepsShow()
    {
        QFETCH(WindowId, window);
        QFETCH(QString, steps);
        QWidget *w = open(window);
        perform(w, steps);
        QTEST(texts(w), "shown");
        QTEST(state(w), "state");
    }

    void aRunLeavesMarksEveryTenthTick_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("lastTick"); // the one that stops
        QTest::addColumn<QString>("rows"); // the data window: rows, then the last
        // ½·a·t² and a·t at the last mark: a = 3,2026 for 30°, μ 0,2; 4,9 for
        // the table's design masses; 3,92 for 70/30, T = 2·70·30·9,8 / 100.
        QTest::newRow("Form2 30°, μ 0,2") << WindowId::Form2 << "tick, b1=30, b2=200, start" << 80
                                          << "7: 0,70 0,7846 2,2418 | Aceleración: 3,203 m/s²";
        QTest::newRow("Form3's first run") << WindowId::Form3 << "" << 65
                                           << "6: 0,60 0,8820 2,9400 0,8820 2,9400 | Aceleración: 4,900 m/s² Tensión: 245,00 N";
        // Block 1 of 70 kg falls 0,27·H, 0,931 m at 0,29·H a metre.
        QTest::newRow("Form6 70/30") << WindowId::Form6 << "tick, b1=71, b2=31, start" << 70
                                     << "6: 0,60 0,7056 2,3520 0,7056 2,3520 | Aceleración: 3,920 m/s² Tensión: 411,60 N";
    }

    // Fault caught: a mark on a tick that is no tenth, one missing or left
    // where the body was not, a run a tick too long or short, a first tick
    // that draws the tension arrows as dots although the field shows 245 N,
    // a data window with a row per tick, from the wrong tick or with another
    // acceleration than the window's, or one only the window manager can close.
    void aRunLeavesMarksEveryTenthTick()
    {
        QFETCH(WindowId, window);
        QWidget *w = open(window);
        QFETCH(QString, steps);
        perform(w, steps);
        QList<int> marked;
        for (int tick = 1; timer(w)->isActive() && tick < 1000; ++tick) {
            FrameRecorder recorder;
            pictureBox(w)->setRecorder(&recorder);
            ticks(w, 1);
            pictureBox(w)->setRecorder(nullptr);
            // On the Atwood machine, each mark at the height of the bottom edge
            // its block was just drawn with: a box's last horizontal side.
            const std::vector<core::Shape> &shapes = recorder.drawn.shapes();
            const auto tension = std::find_if(shapes.begin(), shapes.end(), [](auto &s) { return s.colour == core::colour::red; });
            if (window == WindowId::Form3 && tick == 1) // the 245 N its field shows, not a dot
                QVERIFY(tension != shapes.end() && tension->b.x > tension->a.x + 250);
            double bottom[2] = {0, 0};
            bool marks = false;
            for (const core::Shape &shape : shapes) {
                if (shape.colour != core::colour::blue)
                    continue;
                double &edge = bottom[shape.a.x > 0.5 * 5535 ? 1 : 0];
                edge = shape.kind == core::Shape::Kind::Line && shape.a.y == shape.b.y ? shape.a.y : edge;
                marks = marks || shape.kind == core::Shape::Kind::Circle;
                QVERIFY(shape.kind != core::Shape::Kind::Circle || window != WindowId::Form6 || shape.a.y == edge);
            }
            if (marks || !timer(w)->isActive())
                marked.append(tick);
        }
        QFETCH(int, lastTick);
        QList<int> expected;
        for (int tick = 10; tick < lastTick; tick += 10)
            expected << tick;
        QCOMPARE(marked, expected << lastTick);
        QTEST(dataRows(w), "rows");
        // Closed with "Cerrar" or Esc, it comes back with the same rows.
        auto *data = driver::control<QWidget>(w, "DataWindow");
        if (window == WindowId::Form3)
            QTest::keyClick(driver::control<QWidget>(data, "Table"), Qt::Key_Escape);
        else
            driver::click(data, "Close");
        QVERIFY(!data->isVisible() && w->isVisible());
        QTEST(dataRows(w), "rows");
    }

    void stopAndStartAgain_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("steps"); // to the middle of a run
        QTest::addColumn<QString>("how");   // Detener, Regresar and back, or the close box
        for (const auto &[window, steps] : {std::pair{WindowId::Form2, "tick, b1=30, b2=200, start"},
                                            std::pair{WindowId::Form3, "b2=31, b3=20, start"},
                                            std::pair{WindowId::Form6, "tick, b1=71, b2=31, start"}}) {
            for (const char *how : {"stop", "back", "close"})
                QTest::addRow("Form%d, %s", int(window) + 1, how) << window << QString(steps) << QString(how);
        }
    }

    // Fault caught: a stop that leaves the timer going, the buttons wrong, or
    // moves the picture or the fields; a close box that does not end the
    // program; a restart that goes on from where it stopped, keeps the marks,
    // or leaves the stopped scene for the next change to erase wrongly.
    void stopAndStartAgain()
    {
        QFETCH(WindowId, window);
        QFETCH(QString, steps);
        QFETCH(QString, how);
        QWidget *w = open(window);
        perform(w, steps + ", tick 25");
        const QString moving = state(w);
        QVERIFY(moving.startsWith(QLatin1String("Command3 Timer1 100 ms")));
        const QImage running = picture(w);
        const QString shown = texts(w);
        if (how == u"close") {
            driver::closeWindow(w);
            QVERIFY(!timer(w)->isActive() && driver::ended() && driver::visibleWindows().isEmpty());
            return;
        }
        dataRows(w); // Regresar takes the data window away with its window
        perform(w, how);
        QVERIFY(driver::control<QWidget>(w, "DataWindow")->isVisible() == (how == u"stop"));
        const QString idle = window == WindowId::Form3 ? Idle3 : Idle2;
        QCOMPARE(state(w), idle);
        QCOMPARE(picture(w), running);
        QCOMPARE(texts(w), shown);
        if (how == u"back") {
            QCOMPARE(driver::visibleWindows(), QList<QWidget *>{ui::navigator().existing(WindowId::Form7)});
            QCOMPARE(open(window), w); // nothing loaded anew
        }
        // Again from the start at time 0; the fields wait for the first tick.
        // The inclined plane's start enables Detener at once; the others'
        // first tick does.
        perform(w, "start");
        QCOMPARE(texts(w), shown);
        QCOMPARE(state(w), idle + (window == WindowId::Form2 ? " Command3" : "") + " Timer1 100 ms");
        perform(w, "tick");
        QCOMPARE(texts(w).section(QLatin1Char('|'), window == WindowId::Form6 ? 2 : 3, window == WindowId::Form6 ? 2 : 3),
                 window == WindowId::Form2 ? "0,01" : "0,010");
        // A start after a run shows the start position at once, except on the
        // inclined plane, whose first tick does.
        perform(w, window == WindowId::Form2 ? "run, start" : "run, start, fresh");
        perform(w, "b1=11, fresh");
    }

    void problemValuesReachTheBars_data()
    {
        QTest::addColumn<WindowId>("problem");
        QTest::addColumn<bool>("visited"); // the simulation opened and left mid-run first
        QTest::addColumn<QString>("presses"); // per press: the given fields typed, unticked where empty
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<QString>("acceleration"); // its field
        QTest::addColumn<QString>("note");
        const auto row = [](const char *name, WindowId problem, bool visited, const char *presses, QList<int> bars,
                            const char *acceleration, const char *note) {
            QTest::newRow(name) << problem << visited << presses << bars << QString::fromUtf8(acceleration) << QString::fromUtf8(note); };
        // The note ends with what the g of the simulations, 9,8, changes.
        row("plane: θ and μ given, both between steps", WindowId::Form8, false, "|30,5|0,2345", {31, 235}, "3,07",
            "θ = 30,5° se muestra como 31°; μ = 0,2345 se muestra como 0,235. Aquí g = 9,8 m/s²: a = 3,07 m/s²; con 9,81 m/s², 3,08 m/s²");
        row("plane: μ computed, as its field shows it", WindowId::Form8, true, "2|30|", {30, 340}, "2,01",
            "Aquí g = 9,8 m/s²: a = 2,01 m/s²; con 9,81 m/s², 2,02 m/s²");
        row("plane: μ past the bar's end", WindowId::Form8, false, "|80|2", {80, 1000}, "7,95",
            "μ = 2 se muestra como 1 (el máximo). Aquí g = 9,8 m/s²: a = 7,95 m/s²; con 9,81 m/s², 7,96 m/s²");
        // A message about the given values still hands them over when they
        // fit the bars: the simulation shows what the message speaks of.
        row("plane: solved, then friction holds the block", WindowId::Form8, true, "|30,5|0,2 |10|0,5", {10, 500},
            "Fricción mayor", "");
        row("plane: an angle past the bar: as left", WindowId::Form8, true, "|95|0,5", {30, 200}, "3,20", "");
        // "|60|0,25|3" is case 8: m1 = 74,94 kg.
        row("table: a computed mass rounded, on a second visit", WindowId::Form9, true, "|60|0,25|3", {76, 61, 25}, "2,99",
            "m₁ = 74,94 kg se muestra como 75 kg. Aquí g = 9,8 m/s²: T = 408,33 N; con 9,81 m/s², 408,75 N");
        row("table: all three beyond their bars", WindowId::Form9, false, "150|200|0,125", {101, 101, 13}, "4,26",
            "m₁ = 150 kg se muestra como 100 kg (el máximo); m₂ = 200 kg se muestra como 100 kg (el máximo); "
            "μ = 0,125 se muestra como 0,13. Aquí g = 9,8 m/s²: T = 553,70 N; con 9,81 m/s², 554,26 N");
        row("table: solved, then two boxes: as left", WindowId::Form9, true, "|60|0,25|3 2|3", {31, 51, 20}, "5,390", "");
        row("table: held by friction, the message's data", WindowId::Form9, false, "10|1|0,5", {11, 2, 50}, "0",
            "Aquí g = 9,8 m/s²: T = 9,80 N; con 9,81 m/s², 9,81 N");
        // A half goes up; a computed mass is read with its grouped thousands.
        row("Atwood: a half up, 1,2 down", WindowId::Form10, false, "2,5|1,2", {4, 2}, "-4,900",
            "m₁ = 2,5 kg se muestra como 3 kg; m₂ = 1,2 kg se muestra como 1 kg. Aquí g = 9,8 m/s²: T = 14,70 N; con 9,81 m/s², 14,72 N");
        row("Atwood: m2 computed", WindowId::Form10, true, "3||1", {4, 3}, "-1,960",
            "m₂ = 2,44 kg se muestra como 2 kg. Aquí g = 9,8 m/s²: T = 23,52 N; con 9,81 m/s², 23,54 N");
        row("Atwood: a note too long for its line", WindowId::Form10, false, "12345,678|23456,789", {101, 101}, "0,000",
            "m₁ = 12.345,678 kg se muestra como 100 kg (el máximo); m₂ = 23.456,789 kg se muestra como 100 kg (el máximo). "
            "Aquí g = 9,8 m/s²: T = 980,00 N; con 9,81 m/s², 981,00 N");
        row("Atwood: then a message without m2: as left", WindowId::Form10, true, "3|2 3|||50", {71, 31}, "-3,920", "");
    }

    // Fault caught: values rounded the wrong way, clipped without a note or
    // read from the wrong fields; a note that overlaps a control, is cut
    // wrongly, is lost over a visit without a new press or outlives the
    // user's own move; a press that did not solve still sending the values of
    // an earlier one; a run left going with other values than it started
    // with, except the table's first run, which sets off with them; its marks
    // kept.
    void problemValuesReachTheBars()
    {
        QFETCH(WindowId, problem);
        QFETCH(bool, visited);
        const WindowId simulation = problem == WindowId::Form8 ? WindowId::Form2 : problem == WindowId::Form9 ? WindowId::Form3 : WindowId::Form6;
        QImage left;
        QList<int> leftBars;
        if (visited) {
            QWidget *w = open(simulation);
            perform(w, simulation == WindowId::Form2 ? "tick, b1=30, b2=200, start, tick 5"
                       : simulation == WindowId::Form3 ? "b1=31, b3=20, start, tick 5" : "tick, b1=71, b2=31, start, tick 5");
            left = picture(w);
            for (int n = 1; w->findChild<QScrollBar *>(driver::numbered("HScroll", n - 1)); ++n)
                leftBars << bar(w, n)->value();
            perform(w, "back");
        }
        QFETCH(QString, presses);
        QWidget *w = solveAndSimulate(problem, presses);
        const auto bars = [w] {
            QList<int> values;
            for (int n = 1; w->findChild<QScrollBar *>(driver::numbered("HScroll", n - 1)); ++n)
                values << bar(w, n)->value();
            return values;
        };
        QTEST(bars(), "bars");
        QTEST(shownNote(w), "note");
        QTEST(texts(w).section(QLatin1Char('|'), simulation == WindowId::Form2 ? 2 : simulation == WindowId::Form3 ? 4 : 3).section(QLatin1Char('|'), 0, 0), "acceleration");
        // The run the load started goes on, except on the Atwood machine.
        QCOMPARE(timer(w)->isActive(), !visited && simulation != WindowId::Form6);
        QCOMPARE(picture(w), visited && bars() == leftBars ? left : freshPicture(w));
        const QList<QWidget *> children = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *a : children)
            for (QWidget *b : children)
                QVERIFY2(a == b || !a->isVisible() || !b->isVisible() || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + QLatin1Char('/') + b->objectName()));
        perform(w, "back");
        QCOMPARE(solveAndSimulate(problem, {}), w);
        QTEST(bars(), "bars");
        QTEST(shownNote(w), "note");
        QTest::keyClick(bar(w, 2), Qt::Key_Right);
        QCOMPARE(shownNote(w), QString());
        const QList<int> moved = bars();
        perform(w, "back");
        QCOMPARE(solveAndSimulate(problem, {}), w);
        QCOMPARE(bars(), moved); // the values were handed once
    }

    void theDrawingAsItAlwaysWas_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("digest");
        // From the load through bar moves, a run to its end, a restart and a
        // change mid-run: every call, pinned as the windows have drawn them.
        QTest::newRow("Form2 30°, μ 0,2, then 60°") << WindowId::Form2 << "tick, b1=30, b2=200, start, run, b1=60, start, tick 20, stop, b2=50" << QByteArray("37ed8402372c854e");
        QTest::newRow("Form3 first run, 2/3 kg, μ 0,2") << WindowId::Form3 << "run, b1=3, b2=4, b3=20, start, run, start, tick 20, stop, b1=101" << QByteArray("8c84dd4c48ea26fd");
        QTest::newRow("Form6 2/3 kg, then 60/40") << WindowId::Form6 << "tick, b1=3, b2=4, start, run, b1=61, b2=41, start, tick 30, stop, b2=1" << QByteArray("36227b40d9340d4c");
    }

    // Fault caught: any change to what a window draws by default, a line,
    // a head, a mark or a title moved, added or drawn in another order.
    void theDrawingAsItAlwaysWas()
    {
        QFETCH(WindowId, window);
        QFETCH(QString, steps);
        const std::unique_ptr<ui::FormBase> form(app::createWindow(window));
        DrawingDigest digest;
        pictureBox(form.get())->setRecorder(&digest);
        form->load();
        form->show();
        perform(form.get(), steps);
        pictureBox(form.get())->setRecorder(nullptr);
        QTEST(digest.digest(), "digest");
    }

    void theEnlargedDrawing_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<double>("smallestSide"); // pixels at 100 %, at least
        QTest::addColumn<double>("shortestArrow");
        QTest::addColumn<QString>("scale");
        // Textbook masses: the blocks were lines, the arrows specks.
        QTest::newRow("Form3 2 kg and 3 kg") << WindowId::Form3 << "run, b1=3, b2=4" << 24.0 << 20.0 << "20 N";
        QTest::newRow("Form6 2 kg and 3 kg") << WindowId::Form6 << "tick, b1=3, b2=4" << 24.0 << 20.0 << "20 N";
        QTest::newRow("Form6 1 kg and 5 kg") << WindowId::Form6 << "tick, b1=2, b2=6" << 24.0 << 11.9 << "20 N";
        // The inclined plane's block has no mass: only its arrows change.
        QTest::newRow("Form2 30°, μ 0") << WindowId::Form2 << "tick, b1=30" << 40.0 << 20.0 << "5 N/kg";
        // Friction 1,7 N/kg against a weight of 9,8: the weight fills the
        // room left under the block at the end of the run.
        QTest::newRow("Form2 30°, μ 0,2") << WindowId::Form2 << "tick, b1=30, b2=200" << 40.0 << 10.5 << "5 N/kg";
    }

    // Fault caught: blocks or arrows that stay specks with "Ampliar dibujo",
    // no scale or a wrong one; a run that lasts otherwise, marks moved, an
    // arrow out of the picture or over the marks; anything of the enlarged
    // drawing left when it is turned off; the choice not kept for the other
    // windows.
    void theEnlargedDrawing()
    {
        QFETCH(WindowId, window);
        QFETCH(QString, steps);
        QWidget *w = open(window);
        perform(w, steps);
        const Run designed = runToTheEnd(w);
        const QImage designedEnd = picture(w);
        const QString shown = texts(w);

        FrameRecorder recorder;
        pictureBox(w)->setRecorder(&recorder);
        perform(w, "enlarge");
        pictureBox(w)->setRecorder(nullptr);
        const Drawn drawn = measured(recorder);
        QFETCH(double, smallestSide);
        QFETCH(double, shortestArrow);
        QVERIFY2(drawn.smallestSide >= smallestSide - 1e-6, qPrintable(QString::number(drawn.smallestSide)));
        QVERIFY2(drawn.shortestArrow >= shortestArrow - 1e-6, qPrintable(QString::number(drawn.shortestArrow)));
        QFETCH(QString, scale);
        QCOMPARE(drawn.printed, (QStringList{"Escala", scale}));

        const Run enlarged = runToTheEnd(w);
        QCOMPARE(enlarged.marks, designed.marks);
        QCOMPARE(texts(w), shown);
        QVERIFY(enlarged.inside);
        perform(w, "plain");
        QCOMPARE(picture(w), designedEnd);

        perform(w, "enlarge");
        const WindowId other = window == WindowId::Form6 ? WindowId::Form3 : WindowId::Form6;
        QVERIFY(driver::control<QCheckBox>(open(other), "Check1")->isChecked());
    }

    void typingMovesTheBar_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown"); // Text1, Text2, …
        QTest::addColumn<QString>("note");
        const auto row = [](const char *name, WindowId window, const char *steps, const char *shown, const char *note) {
            QTest::newRow(name) << window << steps << shown << QString::fromUtf8(note); };
        row("Form2: an angle", WindowId::Form2, "tick, enter 1 30", "30|0|4,90||", "");
        row("Form2: μ between two steps", WindowId::Form2, "tick, enter 1 30, enter 2 0,2345", "30|0,235|2,91||",
            "μ = 0,2345 se muestra como 0,235");
        row("Form2: an angle past the bar, put back", WindowId::Form2, "tick, enter 1 30, enter 1 95", "30|0|4,90||",
            "θ = 95° no cabe en la barra (de 0° a 90°); sigue en 30°");
        row("Form3: a word, put back", WindowId::Form3, "run, enter 1 dos", "50|50|0|0,640|4,9|1,004|245",
            "«dos» no es un número; m₁ sigue en 50 kg");
        row("Form3: the other decimal separator", WindowId::Form3, "run, enter 3 0.2", "50|50|0|0,640|4,9|1,004|245",
            "«0.2» no es un número (escribe 0,2); μ sigue en 0");
        row("Form3: μ, then the field left", WindowId::Form3, "run, leave 3 0,2", "50|50|0,2|0,640|3,92|1,004|294,00", "");
        row("Form6: both masses, the fields left", WindowId::Form6, "tick, leave 1 2, leave 2 3",
            "2|3||1,960|23,52||-1,960", "");
        row("Form6: half a kilogram up", WindowId::Form6, "tick, enter 1 2,5", "3|50||8,691|55,47||-8,691",
            "m₁ = 2,5 kg se muestra como 3 kg");
        row("Form6: nothing typed counts during a run", WindowId::Form6, "tick, b1=3, start, tick 5, enter 1 9",
            "2|50|0,050|9,046|37,69|0,011|-9,046", "");
    }

    // Fault caught: a field that shows a mass the simulation does not use;
    // a typed value not rounded to the bar, or clipped without a word; a
    // text that is no value on the bar kept in the field; a bar moved in
    // the middle of a run.
    void typingMovesTheBar()
    {
        QFETCH(WindowId, window);
        QFETCH(QString, steps);
        QWidget *w = open(window);
        perform(w, steps);
        QTEST(texts(w), "shown");
        QTEST(shownNote(w), "note");
    }

    void zoomMidRunDrawsTheSamePicture_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("Form2 45°, μ 0,5, 100 → 150 %") << WindowId::Form2 << "b1=45, b2=500, start" << 100 << 150;
        // After a first run: its marks are gone from the picture made anew.
        QTest::newRow("Form3 50/30, μ 0,2, after its first run, 100 → 150 %") << WindowId::Form3 << "run, b2=31, b3=20, start" << 100 << 150;
        QTest::newRow("Form6 75/50, 200 → 125 %") << WindowId::Form6 << "b1=76, b2=51, start" << 200 << 125;
        // The scale line too.
        QTest::newRow("Form3 2/3, enlarged, 100 → 200 %") << WindowId::Form3 << "run, b1=3, b2=4, enlarge, start" << 100 << 200;
    }

    // Fault caught: marks, bodies, the title or the fixed parts lost or left
    // twice when the picture is made anew at a new scale mid-run.
    void zoomMidRunDrawsTheSamePicture()
    {
        QFETCH(WindowId, window);
        QFETCH(QString, steps);
        QFETCH(int, from);
        QFETCH(int, to);
        const auto run = [&](bool switching) {
            driver::resetProgram(); // "Ampliar dibujo" off again
            ui::setZoom(switching ? from : to);
            const std::unique_ptr<ui::FormBase> form(app::createWindow(window));
            form->load();
            form->show();
            perform(form.get(), steps + ", tick 25");
            ui::setZoom(to);
            perform(form.get(), "tick 20");
            return picture(form.get());
        };
        const QImage switched = run(true);
        const QImage fresh = run(false);
        ui::setZoom(100);
        QCOMPARE(switched, fresh);
    }
};

QTEST_MAIN(TestSimulationWindows)
#include "tst_simulation_windows.moc"
