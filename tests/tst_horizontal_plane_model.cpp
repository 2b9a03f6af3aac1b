#include "simulations/horizontal_plane/horizontal_plane_model.h"
#include "core/run_clock.h"

#include <QTest>

using namespace simulation::horizontal_plane;

class HorizontalPlaneModelTest : public QObject
{
    Q_OBJECT

private slots:
    void strobeMarksEveryTenthTickDespiteRoundingError();
};

// Slow runs last hundreds of ticks; 0,01 added up drifts from exact tenths.
void HorizontalPlaneModelTest::strobeMarksEveryTenthTickDespiteRoundingError()
{
    core::RunClock clock;
    for (int tick = 1; tick <= 700; ++tick) {
        clock.tick();
        QVERIFY2(clock.strobeDue() == (tick % 10 == 0), qPrintable(QString::number(tick)));
    }
}

QTEST_GUILESS_MAIN(HorizontalPlaneModelTest)
#include "tst_horizontal_plane_model.moc"
