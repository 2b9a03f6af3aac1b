#include "core/simulations/run_clock.h"
#include "gui/simulations/data_window.h"
#include "core/simulations/run_table.h"
#include "support/gui_driver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using run_data::DataWindow;
using run_data::Recorder;
using run_data::RunRecord;

namespace {

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
        m_recorder->start(RunRecord::horizontalPlane(2.45, 220.5));
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
        m_recorder->start(RunRecord::horizontalPlane(4.9, 245));
        m_clock.reset();
        runTicks(10);
        QCOMPARE(table()->rowCount(), 1);
    }

    // Opened only after a run, it is caught up by the simulation windows' own
    // tests; here the ticks run while the user had closed it.
    void catchesUpWhenOpenedAfterTheRun()
    {
        m_recorder->start(RunRecord::atwood(1.96, 470.4));
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
        m_recorder->start(RunRecord::inclinedPlane(4.90001));
        runTicks(64);
        m_recorder->finish();
        DataWindow *window = m_recorder->openWindow();
        driver::click(window, "Copy");
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 6);
        QCOMPARE(lines.at(1).split(QLatin1Char('\t')).mid(0, 3),
                 run_data::rowTexts(m_recorder->run(), m_recorder->run().strobes().first()));
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
        m_recorder->start(RunRecord::atwood(-1.96, 470.4));
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

        m_answer = m_folder.filePath(QStringLiteral("dibujo.png"));
        driver::control<QAction>(window, "SavePicturePng")->trigger();
        QCOMPARE(QImage(m_answer).size(), simulationPicture().size()); // device pixels, not logical

        m_answer = m_folder.filePath(QStringLiteral("graficas.svg"));
        driver::control<QAction>(window, "SaveGraphsSvg")->trigger();
        QVERIFY2(readAll(m_answer).contains("Tiempo (s)"), "the axes' titles are missing from the SVG");

        m_answer = m_folder.filePath(QStringLiteral("graficas.png"));
        driver::control<QAction>(window, "SaveGraphsPng")->trigger();
        QVERIFY(!QImage(m_answer).isNull());
        QVERIFY(driver::messages().isEmpty());
    }

    void withoutThePluginTheTableStays()
    {
        m_recorder->start(RunRecord::inclinedPlane(3.46));
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
