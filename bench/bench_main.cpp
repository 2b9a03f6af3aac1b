// Measures what a teacher feels: the cost of a timer tick, a scroll-bar
// change, a "Resolver" press and a window switch, and the program's start-up
// time and memory, each beside the floor it is compared with. Prints one
// Markdown table of medians.

#include "measure.h"
#include "raw_painting.h"

#include "app/windows.h"
#include "core/physics/atwood_model.h"
#include "gui/simulations/data_window.h"
#include "recording_canvas.h"
#include "gui/ui/form_base.h"
#include "gui/ui/message.h"
#include "gui/window_id.h"
#include "gui/ui/picture_box.h"
#include "gui/ui/zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using ui::WindowId;

namespace {

template<typename T>
T *child(QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s in %s", name, qPrintable(window->objectName()));
    return found;
}

// A simulation window and how to drive it.
struct Simulation {
    const char *title;
    WindowId id;
    const char *scrollBar;   // moved back and forth for the scroll benchmark
    int scrollValues[2];
    QList<QPair<const char *, int>> runSettings; // scroll values for a telling run
};

// A problem window and one press of "Resolver" that solves a case.
struct Problem {
    const char *title;
    WindowId id;
    QList<const char *> checks;
    QList<QPair<const char *, const char *>> texts;
};

const QList<Simulation> simulations = {
    {"inclined plane (Form2)", WindowId::Form2, "HScroll1", {30, 31}, {{"HScroll1", 30}, {"HScroll2", 100}}},
    {"horizontal plane (Form3)", WindowId::Form3, "HScroll1", {50, 51}, {{"HScroll1", 30}, {"HScroll2", 60}, {"HScroll3", 10}}},
    {"Atwood machine (Form6)", WindowId::Form6, "HScroll1", {60, 61}, {{"HScroll1", 60}, {"HScroll2", 40}}},
};

const QList<Problem> problems = {
    {"inclined plane (Form8)", WindowId::Form8, {"Check2", "Check3"}, {{"Text2", "30"}, {"Text3", "0,2"}}},
    {"horizontal plane (Form9)", WindowId::Form9, {"Check1", "Check2", "Check3"},
     {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "0,2"}}},
    {"Atwood machine (Form10)", WindowId::Form10, {"Check1", "Check2"}, {{"Text1", "2"}, {"Text2", "3"}}},
};

bool running(QWidget *form)
{
    return child<QTimer>(form, "Timer1")->isActive();
}

// One advancing tick of a run in progress: starts a new run when the last
// one has ended, so every timed tick moves the bodies.
void prepareTick(QWidget *form)
{
    if (!running(form) || child<QAbstractButton>(form, "Command1")->isEnabled()) {
        if (running(form))
            QMetaObject::invokeMethod(form, "Timer1_Timer");
        child<QAbstractButton>(form, "Command1")->click();
        QMetaObject::invokeMethod(form, "Timer1_Timer");
    }
}

void tick(QWidget *form)
{
    QMetaObject::invokeMethod(form, "Timer1_Timer");
}

void stopRun(QWidget *form)
{
    auto *stop = child<QAbstractButton>(form, "Command3");
    if (stop->isEnabled())
        stop->click();
    child<QTimer>(form, "Timer1")->stop();
}

// The simulation's window on screen, stopped, its bars set for a telling run.
QWidget *showForRuns(const Simulation &simulation)
{
    QWidget *form = ui::navigator().window(simulation.id);
    ui::navigator().goTo(simulation.id);
    QCoreApplication::processEvents();
    stopRun(form);
    for (const auto &[name, value] : simulation.runSettings)
        child<QScrollBar>(form, name)->setValue(value);
    return form;
}

struct StartUp {
    double millis;
    double peakMiB;
};

// This process's resident memory now.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return match.captured(1).toDouble() / 1024.0;
}

StartUp measureStartUp(const QString &probe, const QStringList &arguments, int runs, const QString &language = {})
{
    std::vector<double> millis;
    std::vector<double> mib;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LANGUAGE"), language.isEmpty() ? QStringLiteral("es") : language);
        process.setProcessEnvironment(environment);
        const qint64 started = bench::monotonicNanos();
        process.start(probe, arguments);
        if (!process.waitForFinished(20000))
            qFatal("%s did not finish", qPrintable(probe));
        const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("painted_ns=(\\d+) maxrss_kb=(\\d+)")).match(output);
        if (!match.hasMatch())
            qFatal("%s printed: %s", qPrintable(probe), qPrintable(output));
        millis.push_back((match.captured(1).toLongLong() - started) / 1e6);
        mib.push_back(match.captured(2).toDouble() / 1024.0);
    }
    return {bench::median(millis), bench::median(mib)};
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication application(argc, argv);
    // The windows' kept choices ("Ampliar dibujo") are the bench's own, not
    // the user's.
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    ui::setMessageHook([](const QString &) {});
    ui::navigator().setEndHandler([] {});
    ui::installZoom();
    app::installWindows();

    bench::Table table;
    const QString dir = QCoreApplication::applicationDirPath();

    // Start-up and memory, against a bare Qt window process.
    // Taken in turns, so that a busy moment of the machine hits all three.
    std::vector<double> bareMillis, textMillis, ourMillis, bareMiB, textMiB, ourMiB, catalanMillis, catalanMiB;
    for (int i = 0; i < 21; ++i) {
        const StartUp catalan = measureStartUp(dir + QStringLiteral("/startup_probe"), {}, 1, QStringLiteral("ca"));
        catalanMillis.push_back(catalan.millis);
        catalanMiB.push_back(catalan.peakMiB);
        const StartUp bare = measureStartUp(dir + QStringLiteral("/bare_window_probe"), {}, 1);
        const StartUp text = measureStartUp(dir + QStringLiteral("/bare_window_probe"), {QStringLiteral("--text")}, 1);
        const StartUp ours = measureStartUp(dir + QStringLiteral("/startup_probe"), {}, 1);
        bareMillis.push_back(bare.millis);
        textMillis.push_back(text.millis);
        ourMillis.push_back(ours.millis);
        bareMiB.push_back(bare.peakMiB);
        textMiB.push_back(text.peakMiB);
        ourMiB.push_back(ours.peakMiB);
    }
    table.add({"Start-up to the first window painted", bench::median(ourMillis), "ms", bench::median(bareMillis),
               "bare Qt window", 1.3, std::nullopt});
    table.add({"Start-up, against a window with one line of text", bench::median(ourMillis), "ms", bench::median(textMillis),
               "Qt window with text", std::nullopt, std::nullopt});
    table.add({"Peak resident memory", bench::median(ourMiB), "MiB", bench::median(bareMiB), "bare Qt window",
               1.2, std::nullopt});
    table.add({"Start-up in Catalan (both catalogues loaded)", bench::median(catalanMillis), "ms",
               bench::median(bareMillis), "bare Qt window", 1.3, std::nullopt});
    table.add({"Peak resident memory in Catalan", bench::median(catalanMiB), "MiB", bench::median(bareMiB),
               "bare Qt window", 1.2, std::nullopt});
    table.add({"Peak resident memory, against a window with text", bench::median(ourMiB), "MiB", bench::median(textMiB),
               "Qt window with text", std::nullopt, std::nullopt});

    ui::navigator().goTo(WindowId::Form1);

    QHash<WindowId, double> closedTicks; // µs
    for (const Simulation &simulation : simulations) {
        QWidget *form = showForRuns(simulation);
        auto *enlarge = child<QCheckBox>(form, "Check1");
        enlarge->setChecked(false);

        // What one advancing tick draws, replayed straight onto an image of
        // the same size: the floor of a tick.
        prepareTick(form);
        auto *picture = child<ui::PictureBox>(form, "Picture1");
        RecordingCanvas recording(picture->widthTwips(), picture->heightTwips());
        picture->setRecorder(&recording);
        tick(form);
        picture->setRecorder(nullptr);
        const bench::RawPainting raw(picture->image().size(), picture->devicePixelRatioF(), recording.ops);
        const double floor = bench::medianMicros(2000, [&] { raw.paint(); });

        // Between two ticks the window is painted, which closes the
        // picture's painter: image() does the same here.
        const double tickMicros = bench::medianMicros(2000, [&] {
            prepareTick(form);
            picture->image();
        }, [&] { tick(form); });
        table.add({QStringLiteral("Timer tick, %1 (%2)").arg(QString::fromUtf8(simulation.title)).arg(raw.summary()),
                   tickMicros, "µs", floor, "same drawing, bare QPainter", 2.0, 100.0});
        closedTicks.insert(simulation.id, tickMicros);

        // The same with "Ampliar dibujo": longer lines, the same shapes.
        enlarge->setChecked(true);
        const double enlargedMicros = bench::medianMicros(2000, [&] {
            prepareTick(form);
            picture->image();
        }, [&] { tick(form); });
        table.add({QStringLiteral("Timer tick with \"Ampliar dibujo\", %1").arg(QString::fromUtf8(simulation.title)),
                   enlargedMicros, "µs", tickMicros, "the same tick, drawn as laid out", 2.0, 100.0});
        enlarge->setChecked(false);

        stopRun(form);
        auto *scroll = child<QScrollBar>(form, simulation.scrollBar);
        int flip = 0;
        const double scrollMicros = bench::medianMicros(2000, [&] {
            scroll->setValue(simulation.scrollValues[flip]);
            flip = 1 - flip;
        });
        table.add({QStringLiteral("Scroll-bar change, %1").arg(QString::fromUtf8(simulation.title)),
                   scrollMicros, "µs", std::nullopt, {}, std::nullopt, 200.0});
        stopRun(form);
    }

    // At 200 %: a tick, and the zoom changed mid-run (every window laid out
    // again, the simulation's picture drawn anew from what it shows).
    for (const Simulation &simulation : simulations) {
        QWidget *form = ui::navigator().window(simulation.id);
        ui::navigator().goTo(simulation.id);
        for (const auto &[name, value] : simulation.runSettings)
            child<QScrollBar>(form, name)->setValue(value);
        ui::setZoom(200);
        auto *picture = child<ui::PictureBox>(form, "Picture1");
        table.add({QStringLiteral("Timer tick at 200 %, %1").arg(QString::fromUtf8(simulation.title)),
                   bench::medianMicros(1000, [&] {
                       prepareTick(form);
                       picture->image();
                   }, [&] { tick(form); }),
                   "µs", std::nullopt, {}, std::nullopt, 250.0});
        bool larger = false;
        prepareTick(form);
        tick(form);
        table.add({QStringLiteral("Zoom change 200 ↔ 150 % mid-run and the window painted, %1")
                       .arg(QString::fromUtf8(simulation.title)),
                   bench::medianMicros(41, [&] {
                       ui::setZoom(larger ? 200 : 150);
                       larger = !larger;
                       form->grab();
                   }) / 1000.0,
                   "ms", std::nullopt, {}, std::nullopt, 50.0});
        ui::setZoom(100);
        stopRun(form);
    }

    // "Datos y gráficas": opening it the first time loads the charts plugin;
    // then every tick of a run appends to its graphs (and every tenth to its
    // table).
    {
        QWidget host;
        host.resize(725, 533);
        host.show();
        run_data::Recorder recorder(&host, [] { return QImage(); }, QStringLiteral("Banco"));
        const double rssBefore = residentMiB();
        const qint64 openStart = bench::monotonicNanos();
        run_data::DataWindow *window = recorder.openWindow();
        QCoreApplication::processEvents();
        const double openMillis = (bench::monotonicNanos() - openStart) / 1e6;
        table.add({"Data window, first opening (loads the charts plugin)", openMillis, "ms", std::nullopt, {},
                   std::nullopt, std::nullopt});
        table.add({"Data window, resident memory it adds", residentMiB() - rssBefore, "MiB", std::nullopt, {},
                   std::nullopt, std::nullopt});
        if (!window->hasGraphs())
            qFatal("the charts plugin did not load");

        // Runs of 100 ticks (one second of the Atwood machine at 60/40 kg).
        double time = 0;
        int ticks = 100;
        const auto restartWhenOver = [&] {
            if (ticks == 100) {
                recorder.start(run_data::RunRecord::atwood({60, 40}));
                QCoreApplication::processEvents();
                time = 0;
                ticks = 0;
            }
        };
        const auto advance = [&] {
            time += 0.01;
            ++ticks;
            recorder.advance({time, 0.98 * time * time, 1.96 * time}, ticks % 10 == 0);
        };
        table.add({"Data window, one tick appended (graphs; table every tenth)",
                   bench::medianMicros(3000, restartWhenOver, advance), "µs", std::nullopt, {}, std::nullopt,
                   100.0});
        // A strobe tick adds a table row, and the energy bars and balance
        // of that instant.
        table.add({"Data window, a strobe tick appended (row, energy bars, balance)",
                   bench::medianMicros(300,
                                       [&] {
                                           restartWhenOver();
                                           while (ticks % 10 != 9) {
                                               advance();
                                               restartWhenOver();
                                           }
                                       },
                                       advance),
                   "µs", std::nullopt, {}, std::nullopt, std::nullopt});
        table.add({"Data window, one tick appended and the graphs repainted",
                   bench::medianMicros(3000, restartWhenOver, [&] {
                       advance();
                       QCoreApplication::processEvents();
                   }),
                   "µs", std::nullopt, {}, std::nullopt, std::nullopt});
    }

    // The ticks again with "Datos y gráficas" open beside the window: its
    // graphs follow every tick, its table and energy bars every tenth. After
    // the data window's first opening above, which loads the plugin.
    for (const Simulation &simulation : simulations) {
        QWidget *form = showForRuns(simulation);
        child<QAbstractButton>(form, "Command4")->click();
        QCoreApplication::processEvents();
        auto *picture = child<ui::PictureBox>(form, "Picture1");
        const double withData = bench::medianMicros(2000, [&] {
            prepareTick(form);
            picture->image();
        }, [&] { tick(form); });
        table.add({QStringLiteral("Timer tick with the data window open, %1").arg(QString::fromUtf8(simulation.title)),
                   withData, "µs", closedTicks.value(simulation.id), "the same tick, data window closed",
                   std::nullopt, 200.0});
        child<QWidget>(form, "DataWindow")->hide();
        stopRun(form);
    }

    for (const Problem &problem : problems) {
        QWidget *form = ui::navigator().window(problem.id);
        for (auto *box : form->findChildren<QCheckBox *>())
            box->setChecked(problem.checks.contains(box->objectName().toLatin1()));
        for (const auto &[name, text] : problem.texts)
            child<QLineEdit>(form, name)->setText(QString::fromUtf8(text));
        auto *solve = child<QAbstractButton>(form, "Command1");
        table.add({QStringLiteral("\"Resolver\" press, %1").arg(QString::fromUtf8(problem.title)),
                   bench::medianMicros(5000, [&] { solve->click(); }), "µs", std::nullopt, {}, std::nullopt,
                   std::nullopt});
    }

    // A class set as a teacher's script writes it: the program started with
    // no display, sixty variants of every problem, the sheet, the key and
    // the question bank.
    {
        QTemporaryDir folder;
        std::vector<double> millis;
        for (int run = 0; run < 7; ++run) {
            QProcess program;
            program.setWorkingDirectory(folder.path());
            const qint64 started = bench::monotonicNanos();
            program.start(QStringLiteral(CUESTAVAL_PROGRAM),
                          {"--exercises", "60", "--problem", "any", "--seed", QString::number(100 * run), "--sheet",
                           "hoja.pdf", "--key", "clave.pdf", "--moodle", "banco.xml"});
            if (!program.waitForFinished(60000) || program.exitCode() != 0)
                qFatal("the class set was not written: %s", program.readAllStandardError().constData());
            millis.push_back((bench::monotonicNanos() - started) / 1e6);
        }
        table.add({"Class set: 60 variants, sheet + key + Moodle XML, from the command line", bench::median(millis),
                   "ms", std::nullopt, {}, std::nullopt, 2000.0});
    }

    // The practice: its window opened the first time (built, an exercise
    // posed and the window painted), then "Nuevo ejercicio" and "Comprobar"
    // as a student presses them; each press poses or judges one exercise.
    {
        std::vector<double> openMillis;
        for (int i = 0; i < 21; ++i) {
            ui::navigator().reset();
            ui::navigator().goTo(WindowId::Form7);
            const qint64 start = bench::monotonicNanos();
            ui::navigator().goTo(WindowId::Form11);
            ui::navigator().current()->grab();
            openMillis.push_back((bench::monotonicNanos() - start) / 1e6);
        }
        table.add({"Practice window (Form11), first opening and painted", bench::median(openMillis), "ms",
                   std::nullopt, {}, std::nullopt, 50.0});
        QWidget *form = ui::navigator().current();
        auto *pose = child<QAbstractButton>(form, "Command5");
        table.add({"\"Nuevo ejercicio\" press, any problem (Form11)", bench::medianMicros(2000, [&] { pose->click(); }),
                   "µs", std::nullopt, {}, std::nullopt, 5000.0});
        // Wrong answers, so every check also looks for the mistake that gives them.
        auto *check = child<QAbstractButton>(form, "Command1");
        table.add({"\"Comprobar\" press, wrong answers (Form11)",
                   bench::medianMicros(2000,
                                       [&] {
                                           pose->click();
                                           for (auto *field : {"Text1", "Text2"})
                                               child<QLineEdit>(form, field)->setText(QStringLiteral("1"));
                                       },
                                       [&] { check->click(); }),
                   "µs", std::nullopt, {}, std::nullopt, 5000.0});
    }

    ui::navigator().goTo(WindowId::Form7);
    bool toProblem = true;
    table.add({"Window switch (menu ↔ problem)", bench::medianMicros(2000, [&] {
                   ui::navigator().goTo(toProblem ? WindowId::Form8 : WindowId::Form7);
                   toProblem = !toProblem;
               }),
               "µs", std::nullopt, {}, std::nullopt, std::nullopt});

    std::printf("%s", table.markdown(QSysInfo::prettyProductName(), bench::cpuModel()).toUtf8().constData());
    ui::navigator().reset();
    return 0;
}
