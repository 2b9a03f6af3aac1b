#include "simulations/horizontal_plane/horizontal_plane_model.h"

#include <QTest>

using namespace simulation::horizontal_plane;

Q_DECLARE_METATYPE(simulation::horizontal_plane::Setup)
Q_DECLARE_METATYPE(simulation::horizontal_plane::Regime)

class HorizontalPlaneModelTest : public QObject
{
    Q_OBJECT

private slots:
    void regimeAtTheBoundaries_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Regime>("regime");
        QTest::newRow("both masses zero: no solution") << Setup{0, 0, 0.3} << Regime::NoSolution;
        QTest::newRow("block 1 massless: it moves") << Setup{0, 10, 0.5} << Regime::Moving;
        QTest::newRow("block 2 massless: held") << Setup{10, 0, 0} << Regime::Held;
        QTest::newRow("100/20, μ 0,2: D = 0, held") << Setup{100, 20, 0.2} << Regime::Held;
        QTest::newRow("100/21, μ 0,2: D = 0,01 kg, the least that moves") << Setup{100, 21, 0.2} << Regime::Moving;
        // μ m1 rounded a hair below m2 in these; they ran for ever at a ≈ 0.
        QTest::newRow("29/29, μ 1: balanced, held") << Setup{29, 29, 1} << Regime::Held;
        QTest::newRow("58/29, μ 0,5: balanced, held") << Setup{58, 29, 0.5} << Regime::Held;
        QTest::newRow("58/58, μ 1: balanced, held") << Setup{58, 58, 1} << Regime::Held;
    }

    void regimeAtTheBoundaries()
    {
        QFETCH(Setup, setup);
        QTEST(regime(setup), "regime");
    }
};

QTEST_GUILESS_MAIN(HorizontalPlaneModelTest)
#include "tst_horizontal_plane_model.moc"
