#include "simulations/horizontal_plane/horizontal_plane_scene.h"
#include "support/recording_canvas.h"

#include <QTest>

using namespace horizontal;

Q_DECLARE_METATYPE(horizontal::Setup)

// The picture as a whole is checked pixel by pixel in the window test; here
// only the friction arrow, whose force the window shows nowhere else.
class HorizontalPlaneSceneTest : public QObject
{
    Q_OBJECT

private slots:
    void frictionArrowToScale_data();
    void frictionArrowToScale();
};

void HorizontalPlaneSceneTest::frictionArrowToScale_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<double>("newtons");
    QTest::newRow("50/30, μ 0,2 sliding: μ m1 g") << Setup{50, 30, 20} << 98.0;
    QTest::newRow("100/10, μ 0,5 held: the pull m2 g, not μ m1 g = 490") << Setup{100, 10, 50} << 98.0;
}

// Arrows run from the block centre, 0,00015 of the picture's width per newton.
void HorizontalPlaneSceneTest::frictionArrowToScale()
{
    QFETCH(Setup, setup);
    QFETCH(double, newtons);
    RecordingCanvas canvas(7080, 6000);
    Run run;
    Scene(canvas).drawStart(run, setup, 100, Cap::HalfCircle);
    const DrawOp friction = canvas.inColour(core::colour::yellow).first();
    QCOMPARE(friction.kind, DrawOp::Line);
    QCOMPARE(friction.a[0], run.block1Now.centreX());
    QCOMPARE(friction.a[0] - friction.a[2], 0.00015 * 7080 * newtons);
}

QTEST_GUILESS_MAIN(HorizontalPlaneSceneTest)
#include "tst_horizontal_plane_scene.moc"
