#include "core/simulations/run_clock.h"
#include "core/simulations/run_table.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using run_data::RunRecord;

Q_DECLARE_METATYPE(RunRecord)

namespace {

const QLocale Spanish(QLocale::Spanish, QLocale::Spain);

// A run fed as a window feeds it: the run clock's time, the distance and
// speed of a body that starts from rest, a mark every tenth tick.
RunRecord ran(RunRecord run, int ticks)
{
    core::RunClock clock;
    for (int i = 0; i < ticks; ++i) {
        clock.tick();
        const double t = clock.time();
        run.advance({t, run.acceleration() * t * t / 2, run.acceleration() * t}, clock.strobeDue());
    }
    run.finish();
    return run;
}

double fileNumber(const QString &text, const QLocale &locale = Spanish)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok)
        qFatal("not a number in %s: %s", qPrintable(locale.name()), qPrintable(text));
    return value;
}

} // namespace

// The run as numbers: the table, the clipboard and the CSV file.
class TestRunData : public QObject
{
    Q_OBJECT

private slots:
    // Some tests switch to English; every test starts in Spanish.
    void init() { QLocale::setDefault(Spanish); }

    void tableAndCsvFollowTheModel_data()
    {
        QTest::addColumn<RunRecord>("run");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("bodies");
        QTest::newRow("inclined plane 30°, μ 0: 64 ticks, marks up to 0,60 s")
            << ran(RunRecord::inclinedPlane(4.90001), 64) << 64 << 1;
        QTest::newRow("table 50/30 kg, μ 0,2: two blocks") << ran(RunRecord::horizontalPlane(2.45, 220.5), 64) << 64 << 2;
        // A hundred summed steps drift below 1,00: the tenth mark must not be lost.
        QTest::newRow("Atwood 60/40 kg: 100 ticks, mark at 1,00 s")
            << ran(RunRecord::atwood(-1.96, 470.4), 100) << 100 << 2;
        QTest::newRow("Atwood 51/50 kg: slow, 45 marks") << ran(RunRecord::atwood(-0.097, 490), 450) << 450 << 2;
    }

    // Every row at t = 0,1·k holds the time, then the distance a·t²/2 and
    // the speed a·t of each body, to the precision shown. A spreadsheet splits on ";" and reads decimal commas
    // (in English on "," and points): the file must read back to the numbers
    // of the table.
    void tableAndCsvFollowTheModel()
    {
        QFETCH(RunRecord, run);
        QFETCH(int, ticks);
        QFETCH(int, bodies);
        QCOMPARE(run.strobes().size(), ticks / 10);
        QCOMPARE(run.samples().size(), 1 + ticks);
        QVERIFY(std::fabs(run.lastTime() - ticks * 0.01) < 1e-12);
        for (const QLocale &locale : {Spanish, QLocale(QLocale::English, QLocale::UnitedStates)}) {
            QLocale::setDefault(locale);
            const QByteArray csv = run_data::toCsv(run);
            QLocale::setDefault(Spanish);
            const QChar separator = locale == Spanish ? QLatin1Char(';') : QLatin1Char(',');

            QVERIFY2(csv.startsWith("\xEF\xBB\xBF"), "without a byte-order mark some spreadsheets misread UTF-8");
            QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
            QCOMPARE(lines.takeLast(), QString());
            QCOMPARE(lines.size(), 1 + run.strobes().size());
            const QStringList header = lines.takeFirst().split(separator);
            QCOMPARE(header.mid(0, 1 + 2 * bodies), run_data::headings(run));
            QCOMPARE(header.contains(QStringLiteral("Tensión (N)")), run.tension().has_value());

            const double a = run.acceleration();
            for (int i = 0; i < lines.size(); ++i) {
                const QStringList cells = lines.at(i).split(separator);
                QCOMPARE(cells.size(), header.size());
                const QStringList shown = run_data::rowTexts(run, run.strobes().at(i));
                QCOMPARE(shown.size(), 1 + 2 * bodies);
                const double t = 0.1 * (i + 1);
                for (int c = 0; c < shown.size(); ++c) {
                    QCOMPARE(fileNumber(cells.at(c), locale), fileNumber(shown.at(c)));
                    QVERIFY(std::fabs(fileNumber(shown.at(c)) - (c == 0 ? t : c % 2 ? a * t * t / 2 : a * t))
                            <= 0.5e-4 + 1e-12);
                }
                QVERIFY(std::fabs(fileNumber(cells.at(shown.size()), locale) - a) <= 0.5e-3);
                if (run.tension())
                    QVERIFY(std::fabs(fileNumber(cells.last(), locale) - *run.tension()) <= 0.5e-2);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRunData)
#include "tst_run_data.moc"
