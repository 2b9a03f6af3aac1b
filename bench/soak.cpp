#include "app/windows.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/window_id.h"
#include "core/text/number_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

using ui::WindowId;

namespace {

// Every way from one window to another, with the caption of the button that
// takes it. "Salir" and the close box end the program and are not edges.
struct Edge {
    WindowId from;
    const char *button;
    const char *caption;
    WindowId to;
};

const Edge Graph[] = {
    {WindowId::Form1, "Command2", "Continuar", WindowId::Form7},
    {WindowId::Form7, "Command1", "Cuestaval", WindowId::Form8},
    {WindowId::Form7, "Command2", "Plano Horizontal", WindowId::Form9},
    {WindowId::Form7, "Command3", "Máquina de Atwood", WindowId::Form10},
    {WindowId::Form7, "Command5", "Ejercicios", WindowId::Form11},
    {WindowId::Form11, "Command2", "Regresar", WindowId::Form7},
    {WindowId::Form8, "Command2", "Regresar", WindowId::Form7},
    {WindowId::Form8, "Command3", "Simulación", WindowId::Form2},
    {WindowId::Form9, "Command2", "Regresar", WindowId::Form7},
    {WindowId::Form9, "Command3", "Simulación", WindowId::Form4},
    {WindowId::Form10, "Command2", "Regresar", WindowId::Form7},
    {WindowId::Form10, "Command3", "Simulación", WindowId::Form5},
    {WindowId::Form4, "Command2", "Continuar", WindowId::Form3},
    {WindowId::Form5, "Command2", "Continuar", WindowId::Form6},
    {WindowId::Form2, "Command2", "Regresar", WindowId::Form7},
    {WindowId::Form3, "Command2", "Regresar", WindowId::Form7},
    {WindowId::Form6, "Command2", "Regresar", WindowId::Form7},
};

// A simulation with scroll values that give a motion to the floor line, and
// the fields where it shows the simulated time and the distance.
struct Simulation {
    WindowId id;
    std::vector<std::pair<const char *, int>> scrolls;
    const char *timeField;
    const char *distanceField;
};

const Simulation Simulations[] = {
    // 30°, μ = 0,2: the block slides.
    {WindowId::Form2, {{"HScroll1", 30}, {"HScroll2", 200}}, "Text4", "Text5"},
    // 10 kg on the table, 40 kg hanging, μ = 0,2.
    {WindowId::Form3, {{"HScroll1", 11}, {"HScroll2", 41}, {"HScroll3", 20}}, "Text4", "Text6"},
    // 30 kg against 70 kg.
    {WindowId::Form6, {{"HScroll1", 31}, {"HScroll2", 71}}, "Text3", "Text6"},
};

constexpr int Switches = 10000;
constexpr int WarmUpSwitches = 1000;
constexpr int RunsEach = 5;
// Far more ticks than any of the runs above needs.
constexpr int TickBound = 20000;
constexpr qint64 AllowedGrowth = 1024 * 1024;

// AddressSanitizer keeps freed memory in quarantine, so the resident size
// grows there without any leak; that build checks for leaks at exit instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool ResidentSizeTellsLeaks = false;
#else
constexpr bool ResidentSizeTellsLeaks = true;
#endif

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    // size resident shared text lib data dt, in pages
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

double mebibytes(qint64 bytes)
{
    return bytes / (1024.0 * 1024.0);
}

} // namespace

// Thousands of window switches along the real buttons and repeated runs of
// every simulation: exactly one window stays visible, and memory stays flat.
// A measurement more than a check of one rule, so it runs apart from the
// test suite (`make soak`, label "soak") and reports its time and memory.
class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void switchesAndRunsWithoutLeaking();
    // The windows go as at the program's end, so a leak checker sees only
    // what is really lost.
    void cleanupTestCase() { driver::resetProgram(); }

private:
    // Takes one edge out of the current window, chosen by the generator.
    void step();
    // Runs the simulation shown now if it is due for another run.
    void runIfDue(int runsDue);
    void runToTheEnd(const Simulation &simulation, int run);

    ui::FormBase *window(WindowId id) { return ui::navigator().window(id); }

    std::mt19937 m_random{20240611};
    WindowId m_here = WindowId::Form1;
    int m_switches = 0;
    std::map<WindowId, int> m_runs;
    qint64 m_ticks = 0;
};

void TestSoak::initTestCase()
{
    driver::installSpanishTestEnvironment();
    app::installWindows();
    driver::resetProgram();
    ui::navigator().goTo(WindowId::Form1);
}

void TestSoak::step()
{
    std::vector<const Edge *> ways;
    for (const Edge &edge : Graph) {
        if (edge.from == m_here)
            ways.push_back(&edge);
    }
    QVERIFY(!ways.empty());
    const Edge &edge = *ways[m_random() % ways.size()];

    QWidget *from = window(m_here);
    auto *button = driver::control<QAbstractButton>(from, edge.button);
    QCOMPARE(button->text(), QString::fromUtf8(edge.caption));
    QVERIFY(button->isEnabled());
    driver::click(from, edge.button);
    // What the event loop would do between two clicks of the user: paint,
    // deliver posted events, let due timers tick.
    QCoreApplication::processEvents();
    ++m_switches;
    m_here = edge.to;

    const QList<QWidget *> visible = driver::visibleWindows();
    if (visible.size() != 1 || visible.first() != ui::navigator().existing(m_here)) {
        QStringList names;
        for (const QWidget *w : visible)
            names << w->objectName();
        QFAIL(qPrintable(QStringLiteral("after switch %1 (%2 on the way to %3) visible: [%4]")
                             .arg(m_switches)
                             .arg(QString::fromUtf8(edge.caption), window(m_here)->objectName(),
                                  names.join(QStringLiteral(", ")))));
    }
    QVERIFY(!driver::ended());
}

void TestSoak::runIfDue(int runsDue)
{
    for (const Simulation &simulation : Simulations) {
        if (simulation.id == m_here && m_runs[m_here] < runsDue) {
            runToTheEnd(simulation, m_runs[m_here]);
            ++m_runs[m_here];
        }
    }
}

void TestSoak::runToTheEnd(const Simulation &simulation, int run)
{
    ui::FormBase *form = window(simulation.id);
    // A slightly different motion each time, all of them reaching the floor.
    for (const auto &[name, value] : simulation.scrolls)
        driver::control<QScrollBar>(form, name)->setValue(value + run);
    auto *timer = driver::control<QTimer>(form, "Timer1");
    auto *start = driver::control<QAbstractButton>(form, "Command1");
    QCOMPARE(start->text(), QStringLiteral("Iniciar Movimiento"));
    driver::click(form, "Command1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 100);

    int ticks = 0;
    int moves = 0;
    while (timer->isActive()) {
        QVERIFY2(ticks < TickBound, qPrintable(QStringLiteral("%1 run %2 still moving after %3 ticks")
                                                   .arg(form->objectName())
                                                   .arg(run + 1)
                                                   .arg(ticks)));
        const QString before = driver::text(form, simulation.timeField);
        QVERIFY(QMetaObject::invokeMethod(form, "Timer1_Timer"));
        ++ticks;
        if (driver::text(form, simulation.timeField) != before)
            ++moves;
    }
    m_ticks += ticks;

    // Stopped by itself at the floor line, ready for the next run.
    QVERIFY(start->isEnabled());
    QVERIFY(!driver::control<QAbstractButton>(form, "Command3")->isEnabled());
    QVERIFY2(moves > 10, qPrintable(QStringLiteral("%1 run %2 moved only %3 ticks")
                                        .arg(form->objectName())
                                        .arg(run + 1)
                                        .arg(moves)));
    QVERIFY(core::parseNumber(driver::text(form, simulation.distanceField)).value_or(0) > 0);
}

void TestSoak::switchesAndRunsWithoutLeaking()
{
    QElapsedTimer clock;
    clock.start();

    while (m_switches < WarmUpSwitches) {
        runIfDue(1);
        step();
        if (QTest::currentTestFailed())
            return;
    }
    for (const Simulation &simulation : Simulations)
        QVERIFY2(m_runs[simulation.id] == 1, "every simulation runs once during the warm-up");
    const qint64 warmUpMs = clock.elapsed();
    const qint64 warm = residentBytes();
    QVERIFY(warm > 0);
    // Hidden windows are kept, never made again: a switch that built a new
    // top-level widget each time would show here.
    const qsizetype topLevels = QApplication::topLevelWidgets().size();

    // Runs 2 to 5 of each simulation are spread over the rest of the walk.
    const int spread = (Switches - WarmUpSwitches) / (RunsEach - 1);
    while (m_switches < Switches) {
        runIfDue(std::min(RunsEach, 2 + (m_switches - WarmUpSwitches) / spread));
        step();
        if (QTest::currentTestFailed())
            return;
    }
    const qint64 totalMs = clock.elapsed();
    const qint64 end = residentBytes();

    for (const Simulation &simulation : Simulations)
        QCOMPARE(m_runs[simulation.id], RunsEach);
    qInfo("%d switches and %d runs (%lld ticks) in %lld ms; warm-up %lld ms", m_switches,
          RunsEach * int(std::size(Simulations)), m_ticks, totalMs, warmUpMs);
    qInfo("resident after warm-up %.2f MiB, at the end %.2f MiB, growth %lld bytes", mebibytes(warm),
          mebibytes(end), end - warm);
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    if (!ResidentSizeTellsLeaks)
        return;
    QVERIFY2(end - warm <= AllowedGrowth,
             qPrintable(QStringLiteral("resident size grew by %1 bytes").arg(end - warm)));
}

QTEST_MAIN(TestSoak)
#include "soak.moc"
