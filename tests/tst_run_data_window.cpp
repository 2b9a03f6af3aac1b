#include "app/windows.h"
#include "core/physics/atwood_model.h"
#include "core/physics/horizontal_plane_model.h"
#include "core/physics/inclined_plane_model.h"
#include "core/simulations/run_clock.h"
#include "gui/simulations/data_window.h"
#include "core/simulations/run_table.h"
#include "gui/ui/form_base.h"
#include "gui/window_id.h"
#include "support/gui_driver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

using run_data::DataWindow;
using run_data::Recorder;
using run_data::RunRecord;
using ui::WindowId;

Q_DECLARE_METATYPE(WindowId)

namespace {

// What a user reads as a number: "1.234,56" in Spanish.
double shownNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    return ok ? value : qQNaN();
}

// A simulation window's timer, ticked as the event loop would while it runs;
// `each` after every tick.
void tickWhileRunning(QWidget *window, const std::function<void()> &each = {})
{
    auto *timer = driver::control<QTimer>(window, "Timer1");
    for (int tick = 0; timer->isActive() && tick < 1000; ++tick) {
        QMetaObject::invokeMethod(timer, "timeout");
        if (each)
            each();
    }
}

// The energy columns of a table row, in hundredths of a joule, so that sums
// are exact: W, then each Ec and Q, then each ΔEp, then the cord's work.
QList<long long> energyCells(QTableWidget *table, int row, int bodies)
{
    QList<long long> cells;
    for (int column = 1 + 2 * bodies; column < table->columnCount(); ++column)
        cells.append(std::llround(shownNumber(table->item(row, column)->text()) * 100));
    return cells;
}

// The simulation's picture at ratio 2, as on a high-density screen.
QImage simulationPicture()
{
    QImage image(QSize(400, 400) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(QColor(0, 255, 255));
    return image;
}

} // namespace

// "Datos y gráficas", driven by synthetic runs as a simulation window would
// drive it: start, a tick at a time, finish.
class TestRunDataWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
        QVERIFY(m_folder.isValid());
        run_data::setSavePathChooser([this](QWidget *, const QString &, const QString &) { return m_answer; });
    }

    void init()
    {
        driver::messages().clear();
        m_simulation = new QWidget;
        m_simulation->setWindowTitle(QStringLiteral("Plano Horizontal."));
        m_simulation->setGeometry(20, 20, 300, 300);
        m_simulation->show();
        m_recorder = new Recorder(m_simulation, simulationPicture, QStringLiteral("Plano horizontal"));
        m_clock.reset();
    }

    void cleanup()
    {
        delete m_recorder;
        delete m_simulation;
    }

    void placedBesideItsSimulation_data()
    {
        QTest::addColumn<QRect>("simulation");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("room on the right") << QRect(100, 200, 725, 560) << QPoint(833, 200);
        QTest::newRow("room only on the left") << QRect(1000, 200, 725, 560) << QPoint(192, 200);
        QTest::newRow("room on neither side: as far right as it goes") << QRect(600, 200, 725, 560) << QPoint(1120, 200);
        QTest::newRow("low on the screen: lifted to fit") << QRect(100, 700, 725, 560) << QPoint(833, 480);
    }

    // 1920 × 1080 screen, an 800 × 600 companion.
    void placedBesideItsSimulation()
    {
        QFETCH(QRect, simulation);
        QFETCH(QPoint, position);
        QCOMPARE(run_data::besidePosition(simulation, QSize(800, 600), QRect(0, 0, 1920, 1080)), position);
    }

    void followsTheRunLive()
    {
        m_recorder->start(RunRecord::horizontalPlane({50, 30, 0.2}));
        DataWindow *window = m_recorder->openWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY2(window->hasGraphs(), "the charts plugin did not load");

        runTicks(35);
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(table()->item(2, 0)->text(), QStringLiteral("0,30"));
        QCOMPARE(driver::control<QLabel>(window, "Status")->text(), QStringLiteral("Movimiento en curso"));

        runTicks(56); // a metre at 2,45 m/s² takes 0,91 s
        m_recorder->finish();
        QCOMPARE(table()->rowCount(), 9);
        QVERIFY(driver::control<QLabel>(window, "Status")->text().startsWith(QStringLiteral("Último movimiento")));
        QVERIFY(driver::control<QLabel>(window, "Summary")->text().contains(QStringLiteral("Tensión: 220,50 N")));

        // A new start clears the last run.
        m_recorder->start(RunRecord::horizontalPlane({50, 50, 0}));
        m_clock.reset();
        runTicks(10);
        QCOMPARE(table()->rowCount(), 1);
    }

    // Opened only after a run, it is caught up by the simulation windows' own
    // tests; here the ticks run while the user had closed it.
    void catchesUpWhenOpenedAfterTheRun()
    {
        m_recorder->start(RunRecord::atwood({40, 60}));
        m_recorder->openWindow()->close();
        runTicks(20);
        DataWindow *window = m_recorder->openWindow();
        QCOMPARE(table()->rowCount(), 2);

        // It hides and returns with its simulation; closed by the user, it stays closed.
        m_simulation->hide();
        QVERIFY(!window->isVisible());
        m_simulation->show();
        QVERIFY(window->isVisible());
        window->close();
        m_simulation->hide();
        m_simulation->show();
        QVERIFY(!window->isVisible());
    }

    void copiesTheTableForASpreadsheet()
    {
        m_recorder->start(RunRecord::inclinedPlane({30, 0}));
        runTicks(64);
        m_recorder->finish();
        DataWindow *window = m_recorder->openWindow();
        driver::click(window, "Copy");
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 6);
        const QStringList firstRow = run_data::rowTexts(m_recorder->run(), m_recorder->run().strobes().first());
        QCOMPARE(lines.at(1).split(QLatin1Char('\t')).mid(0, firstRow.size()), firstRow);
        // Pasting goes into the user's own spreadsheet, which reads the user's
        // decimal separator.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        driver::click(window, "Copy");
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QVERIFY(QGuiApplication::clipboard()->text().section(QLatin1Char('\n'), 1, 1).startsWith(QStringLiteral("0.10\t")));
    }

    // Root may write anywhere a folder exists, but no one can make a folder
    // inside a plain file: there a save is one message and no file.
    void savesWholeFilesOrNone()
    {
        m_recorder->start(RunRecord::atwood({60, 40}));
        runTicks(50);
        m_recorder->finish();
        DataWindow *window = m_recorder->openWindow();
        QFile plainFile(m_folder.filePath(QStringLiteral("no-es-carpeta")));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        m_answer = plainFile.fileName() + QStringLiteral("/tabla.csv");
        driver::click(window, "SaveCsv");
        m_answer = plainFile.fileName() + QStringLiteral("/graficas.svg");
        driver::control<QAction>(window, "SaveGraphsSvg")->trigger();
        QCOMPARE(driver::messages().size(), 2);
        QVERIFY(driver::messages().first().startsWith(QStringLiteral("No se pudo guardar «tabla.csv»")));
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList{"no-es-carpeta"});
        QCOMPARE(plainFile.size(), 0);
        driver::messages().clear();

        m_answer = m_folder.filePath(QStringLiteral("tabla")); // the suffix is added
        driver::click(window, "SaveCsv");
        QCOMPARE(readAll(m_answer + QStringLiteral(".csv")), run_data::toCsv(m_recorder->run()));
        // With a byte-order mark, which some spreadsheets need to read UTF-8;
        // an English one splits on "," and reads decimal points.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QByteArray english = run_data::toCsv(m_recorder->run());
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QVERIFY(english.startsWith("\xEF\xBB\xBF"));
        const QList<QByteArray> lines = english.mid(3).split('\n');
        QCOMPARE(lines.at(0).count(','), lines.at(1).count(','));
        QVERIFY(lines.at(1).startsWith("0.10,"));

        m_answer = m_folder.filePath(QStringLiteral("dibujo.png"));
        driver::control<QAction>(window, "SavePicturePng")->trigger();
        QCOMPARE(QImage(m_answer).size(), simulationPicture().size()); // device pixels, not logical

        m_answer = m_folder.filePath(QStringLiteral("graficas.svg"));
        driver::control<QAction>(window, "SaveGraphsSvg")->trigger();
        QVERIFY2(readAll(m_answer).contains("Tiempo (s)"), "the axes' titles are missing from the SVG");
        QVERIFY2(readAll(m_answer).contains("Trabajo de los pesos"), "the energy graph is missing from the SVG");

        m_answer = m_folder.filePath(QStringLiteral("graficas.png"));
        driver::control<QAction>(window, "SaveGraphsPng")->trigger();
        QVERIFY(!QImage(m_answer).isNull());
        QVERIFY(driver::messages().isEmpty());
    }

    void energyBalancesInRealRuns_data()
    {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QList<int>>("bars");
        QTest::addColumn<QString>("mass"); // typed for the inclined plane's energies
        QTest::addColumn<int>("bodies");
        QTest::addColumn<int>("heat");     // 1 where something rubs
        QTest::newRow("Form2 30°, μ 0,2, a block of 2,5 kg")
            << WindowId::Form2 << QList<int>{30, 200} << "2,5" << 1 << 1;
        QTest::newRow("Form2 60°, μ 0,9: 1 kg unless told") << WindowId::Form2 << QList<int>{60, 900} << "" << 1 << 1;
        QTest::newRow("Form3 40/60, μ 0,35") << WindowId::Form3 << QList<int>{41, 61, 35} << "" << 2 << 1;
        QTest::newRow("Form6 70/30: mass 1 sinks") << WindowId::Form6 << QList<int>{71, 31} << "" << 2 << 0;
        QTest::newRow("Form6 13/100: mass 2 sinks") << WindowId::Form6 << QList<int>{14, 101} << "" << 2 << 0;
    }

    // A run as a student makes it, with "Datos y gráficas" open: at every
    // strobe instant the table's row and the balance line under the bars add
    // up in the numbers shown, and the line shows the table's last row.
    // Fault caught: shown energies that do not add up or stray from the
    // textbook's (a rising body that loses potential energy, the masses
    // swapped, the problems' g), a cord whose work does not cancel, a
    // balance from another instant than the last row, bars or rows that stop
    // following the run, a mass typed for the inclined plane that the
    // energies ignore or that changes the motion, a CSV without the energies
    // or their units.
    void energyBalancesInRealRuns()
    {
        QFETCH(WindowId, window);
        QFETCH(QList<int>, bars);
        QFETCH(QString, mass);
        QFETCH(int, bodies);
        QFETCH(int, heat);
        driver::resetProgram();
        ui::navigator().goTo(window);
        QWidget *form = ui::navigator().current();
        tickWhileRunning(form); // the run or the settling tick of the load
        for (int i = 0; i < bars.size(); ++i)
            driver::control<QScrollBar>(form, driver::numbered("HScroll", i))->setValue(bars.at(i));
        driver::click(form, "Command4");
        auto *data = driver::control<QWidget>(form, "DataWindow");
        QVERIFY(QTest::qWaitForWindowExposed(data));
        // The inclined plane's model has no mass: its box is there before
        // the first run.
        QCOMPARE(driver::control<QWidget>(data, "Mass")->isVisible(), window == WindowId::Form2);
        driver::click(form, "Command1");
        if (!mass.isEmpty())
            driver::type(data, "Mass", mass);

        const double kilograms = mass.isEmpty() ? 1 : shownNumber(mass);
        auto *table = driver::control<QTableWidget>(data, "Table");
        auto *balance = driver::control<QLabel>(data, "EnergyBalance");
        static const QRegularExpression joules(QStringLiteral("(-?[0-9.]+,[0-9]{2}) J"));
        int checked = 0;
        const auto checkLastRow = [&] {
            if (table->rowCount() == checked)
                return;
            checked = table->rowCount();
            const QList<long long> cells = energyCells(table, checked - 1, bodies);
            long long destinations = 0;
            for (int i = 1; i <= bodies + heat; ++i)
                destinations += cells.at(i);
            QCOMPARE(destinations, cells.at(0));
            // As a textbook writes them from the row's own d and v: the
            // weights' work, each ½·m·v² and m·g·Δh; the cord's work cancels.
            const double d = shownNumber(table->item(checked - 1, 1)->text());
            const double v = shownNumber(table->item(checked - 1, 2)->text());
            const double g = 9.8, m1 = bodies == 1 ? kilograms : bars.at(0) - 1, m2 = bars.at(1) - 1;
            const QList<double> rises = window == WindowId::Form2 ? QList<double>{-std::sin(bars.at(0) * 3.1416 / 180)}
                                        : window == WindowId::Form3 ? QList<double>{0, -1}
                                        : QList<double>{m1 > m2 ? -1.0 : 1.0, m1 > m2 ? 1.0 : -1.0};
            QList<double> book{0}, potentials;
            for (int i = 0; i < bodies; ++i) {
                const double mass = i == 0 ? m1 : m2;
                book[0] -= mass * g * rises.at(i) * d;
                book << mass * v * v / 2;
                potentials << mass * g * rises.at(i) * d;
            }
            book << potentials;
            const QList<long long> shown = cells.mid(0, 1 + bodies) + cells.mid(1 + bodies + heat, bodies);
            const double slack = 2 + 0.005 * (m1 + (bodies == 2 ? m2 : 0)) * (g + v); // hundredths
            for (int i = 0; i < book.size(); ++i)
                QVERIFY2(std::abs(shown.at(i) - 100 * book.at(i)) <= slack, qPrintable(QString::number(i)));
            long long cord = 0;
            for (int i = 1 + 2 * bodies + heat; i < cells.size(); ++i)
                cord += cells.at(i);
            QCOMPARE(cord, 0LL);
            QCOMPARE(cells.size(), 1 + heat + (bodies == 2 ? 3 * bodies : 2));
            QList<long long> said;
            const QString line = balance->text().replace(QChar(QChar::Nbsp), QLatin1Char(' '));
            for (const QRegularExpressionMatch &match : joules.globalMatch(line))
                said.append(std::llround(shownNumber(match.captured(1)) * 100));
            QCOMPARE(said, cells.mid(0, 1 + bodies + heat));
        };
        tickWhileRunning(form, checkLastRow);
        QVERIFY(checked >= 4);
        QVERIFY(balance->text().replace(QChar(QChar::Nbsp), QLatin1Char(' '))
                    .startsWith(window == WindowId::Form6 ? "Trabajo de los pesos " : "Trabajo del peso "));

        auto *graph = driver::control<QWidget>(data, "EnergyGraph");
        QVERIFY(graph->isVisible());
        if (window == WindowId::Form2) {
            // The energies follow the mass; the motion does not.
            const QList<long long> before = energyCells(table, checked - 1, bodies);
            const QString motion = table->item(checked - 1, 1)->text();
            driver::type(data, "Mass", QStringLiteral("5"));
            const QList<long long> after = energyCells(table, checked - 1, bodies);
            QCOMPARE(table->item(checked - 1, 1)->text(), motion);
            QVERIFY(std::abs(after.at(0) - before.at(0) * 5 / kilograms) <= 1 + 5 / kilograms);
        }

        m_answer = m_folder.filePath(QStringLiteral("energia.csv"));
        driver::click(data, "SaveCsv");
        QStringList lines =
            QString::fromUtf8(readAll(m_answer).mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + table->rowCount());
        const QStringList header = lines.takeFirst().split(QLatin1Char(';'));
        QCOMPARE(header.at(1 + 2 * bodies), window == WindowId::Form6 ? "W pesos (J)" : "W peso (J)");
        for (int column = 0; column < table->columnCount(); ++column) {
            QVERIFY(column <= 2 * bodies || header.at(column).endsWith(QStringLiteral(" (J)")));
            for (int row = 0; row < lines.size(); ++row)
                QCOMPARE(shownNumber(lines.at(row).split(QLatin1Char(';')).at(column)),
                         shownNumber(table->item(row, column)->text()));
        }
        driver::resetProgram();
    }

    void withoutThePluginTheTableStays()
    {
        m_recorder->start(RunRecord::inclinedPlane({45, 0.5}));
        runTicks(30);
        DataWindow window(m_simulation, &m_recorder->run(), simulationPicture, QStringLiteral("Plano inclinado"),
                          QStringLiteral("no_such_plugin"));
        window.open();
        QVERIFY(!window.hasGraphs());
        QVERIFY(driver::control<QLabel>(&window, "GraphsUnavailable")->isVisible());
        QCOMPARE(driver::control<QTableWidget>(&window, "Table")->rowCount(), 3);
        QVERIFY(!driver::control<QAction>(&window, "SaveGraphsPng")->isEnabled());
    }

private:
    void runTicks(int ticks)
    {
        for (int i = 0; i < ticks; ++i) {
            m_clock.tick();
            const double a = m_recorder->run().acceleration(), t = m_clock.time();
            m_recorder->advance({t, a * t * t / 2, a * t}, m_clock.strobeDue());
        }
    }
    QTableWidget *table() const { return driver::control<QTableWidget>(m_recorder->window(), "Table"); }
    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QWidget *m_simulation = nullptr;
    Recorder *m_recorder = nullptr;
    core::RunClock m_clock;
    QTemporaryDir m_folder;
    QString m_answer; // what the save dialog answers
};

QTEST_MAIN(TestRunDataWindow)
#include "tst_run_data_window.moc"
