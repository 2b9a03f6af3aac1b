// A throw-away check for reshaping the inclined-plane window: drives it
// through scroll changes, runs, stops, "Regresar" and returns, and saves the
// picture, the fields and the enabled states after every step into
// $CUESTAVAL_PICTURES_OUT. With $CUESTAVAL_PICTURES_REF set it compares each
// picture with the one saved there, pixel by pixel. Skips without them.

#include "app/windows.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/navigator.h"
#include "ui/picture_box.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextStream>
#include <QTimer>

namespace {

QTimer *timer(QWidget *w) { return driver::control<QTimer>(w, "Timer1"); }

class Recorder
{
public:
    Recorder(QString out, QString ref) : m_out(std::move(out)), m_ref(std::move(ref)) {}

    void save(QWidget *w, const QString &label)
    {
        const QImage image = driver::control<ui::PictureBox>(w, "Picture1")->image().convertToFormat(QImage::Format_RGB32);
        const QString name = QStringLiteral("%1_%2.png").arg(m_count++, 4, 10, QLatin1Char('0')).arg(label);
        QVERIFY(image.save(m_out + QLatin1Char('/') + name));
        QStringList line{name};
        for (const char *field : {"Text1", "Text2", "Text3", "Text4", "Text5"})
            line << driver::text(w, field);
        for (const char *control : {"HScroll1", "HScroll2", "Command1", "Command3"})
            line << QString::number(driver::control<QWidget>(w, control)->isEnabled());
        line << QString::number(timer(w)->isActive()) << QString::number(timer(w)->interval());
        m_log << line.join(QLatin1Char('|'));
        if (m_ref.isEmpty())
            return;
        QImage old(m_ref + QLatin1Char('/') + name);
        old = old.convertToFormat(QImage::Format_RGB32);
        if (old.size() != image.size()) {
            m_differences << name + QStringLiteral(": size");
            return;
        }
        int differing = 0;
        QString where;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (old.pixel(x, y) != image.pixel(x, y) && ++differing <= 4)
                    where += QStringLiteral(" (%1,%2) %3->%4").arg(x).arg(y).arg(old.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0')).arg(image.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        m_compared++;
        if (differing)
            m_differences << QStringLiteral("%1: %2 pixels%3").arg(name).arg(differing).arg(where);
    }

    void finish()
    {
        QFile log(m_out + QStringLiteral("/log.txt"));
        QVERIFY(log.open(QIODevice::WriteOnly));
        QTextStream(&log) << m_log.join(QLatin1Char('\n')) << '\n';
        log.close();
        if (m_ref.isEmpty())
            return;
        QFile oldLog(m_ref + QStringLiteral("/log.txt"));
        QVERIFY(oldLog.open(QIODevice::ReadOnly));
        const QStringList oldLines = QString::fromUtf8(oldLog.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        qInfo("compared %d pictures, %lld differ", m_compared, qlonglong(m_differences.size()));
        for (const QString &d : m_differences)
            qInfo("%s", qPrintable(d));
        QCOMPARE(m_log, oldLines);
        QVERIFY(m_differences.isEmpty());
    }

private:
    QString m_out, m_ref;
    int m_count = 0;
    int m_compared = 0;
    QStringList m_log, m_differences;
};

} // namespace

class TestInclinedPlanePictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }

    void pictures()
    {
        const QString out = qEnvironmentVariable("CUESTAVAL_PICTURES_OUT");
        if (out.isEmpty())
            QSKIP("no CUESTAVAL_PICTURES_OUT");
        QDir().mkpath(out);
        Recorder rec(out, qEnvironmentVariable("CUESTAVAL_PICTURES_REF"));

        ui::navigator().goTo(ui::WindowId::Form2);
        QWidget *w = ui::navigator().current();
        auto *angle = driver::control<QScrollBar>(w, "HScroll1");
        auto *friction = driver::control<QScrollBar>(w, "HScroll2");
        const auto tickAll = [&](const QString &label, bool each) {
            int n = 0;
            while (timer(w)->isActive() && n < 2000) {
                QMetaObject::invokeMethod(timer(w), "timeout");
                ++n;
                if (each || !timer(w)->isActive())
                    rec.save(w, QStringLiteral("%1_tick%2").arg(label).arg(n));
            }
            // A run too slow to wait for is stopped as a user would.
            if (timer(w)->isActive()) {
                driver::click(w, "Command3");
                rec.save(w, QStringLiteral("%1_stopped").arg(label));
            }
        };
        const auto ticks = [&](const QString &label, int count) {
            for (int n = 1; n <= count && timer(w)->isActive(); ++n) {
                QMetaObject::invokeMethod(timer(w), "timeout");
                rec.save(w, QStringLiteral("%1_tick%2").arg(label).arg(n));
            }
        };
        const auto set = [&](int a, int mu) {
            angle->setValue(a);
            rec.save(w, QStringLiteral("angle%1").arg(a));
            friction->setValue(mu);
            rec.save(w, QStringLiteral("angle%1_mu%2").arg(a).arg(mu));
        };

        rec.save(w, QStringLiteral("load"));
        tickAll(QStringLiteral("loadtimer"), true);

        // Every pair of the angles and frictions, in two orders.
        for (int a : {0, 30, 45, 90})
            for (int mu : {0, 200, 500, 1000})
                set(a, mu);
        for (int mu : {1000, 500, 200, 0})
            for (int a : {90, 45, 30, 0}) {
                friction->setValue(mu);
                angle->setValue(a);
                rec.save(w, QStringLiteral("mu%1_angle%2").arg(mu).arg(a));
            }

        // Whole runs, every tick, then a scroll change after each.
        const int runs[][2] = {{30, 0}, {45, 500}, {90, 300}, {10, 0}, {60, 200}, {89, 1000}, {1, 0}, {90, 0},
                               {45, 1000}, {5, 50}};
        for (const auto &run : runs) {
            set(run[0], run[1]);
            driver::click(w, "Command1");
            rec.save(w, QStringLiteral("start%1_%2").arg(run[0]).arg(run[1]));
            tickAll(QStringLiteral("run%1_%2").arg(run[0]).arg(run[1]), true);
            driver::click(w, "Command1");
            rec.save(w, QStringLiteral("restartrefused_or_armed"));
            tickAll(QStringLiteral("rerun%1_%2").arg(run[0]).arg(run[1]), false);
        }
        set(20, 100);

        // Stop after ten ticks, start again, run to the end.
        driver::click(w, "Command1");
        ticks(QStringLiteral("stop"), 10);
        driver::click(w, "Command3");
        rec.save(w, QStringLiteral("stopped"));
        driver::click(w, "Command1");
        rec.save(w, QStringLiteral("restarted"));
        tickAll(QStringLiteral("restart"), true);

        // "Regresar" mid-run, back, the picture as left, and a new run.
        set(45, 200);
        driver::click(w, "Command1");
        ticks(QStringLiteral("beforeregresar"), 15);
        driver::click(w, "Command2");
        rec.save(w, QStringLiteral("regresar"));
        ui::navigator().goTo(ui::WindowId::Form2);
        w = ui::navigator().current();
        rec.save(w, QStringLiteral("returned"));
        driver::click(w, "Command1");
        tickAll(QStringLiteral("afterreturn"), true);
        set(70, 400);

        // Changes between a start and its first tick.
        driver::click(w, "Command1");
        angle->setValue(90);
        rec.save(w, QStringLiteral("armed_to90"));
        tickAll(QStringLiteral("armed90"), true);
        set(30, 500);
        driver::click(w, "Command1");
        friction->setValue(600);
        rec.save(w, QStringLiteral("armed_held"));
        tickAll(QStringLiteral("armedheld"), true);
        driver::click(w, "Command1");
        rec.save(w, QStringLiteral("refused"));
        set(0, 0);
        driver::click(w, "Command1");
        rec.save(w, QStringLiteral("refused_level"));

        rec.finish();
    }
};

QTEST_MAIN(TestInclinedPlanePictures)
#include "tst_inclined_plane_pictures.moc"
