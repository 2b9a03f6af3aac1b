#include "ui/picture_box.h"

#include <QApplication>
#include <QTest>

using namespace ui;

// On a screen with two device pixels to a logical pixel, the picture is drawn
// at full resolution, not drawn small and scaled up.
class TestPictureBoxHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void drawsAtFullResolution();
};

void TestPictureBoxHiDpi::drawsAtFullResolution()
{
    PictureBox box;
    box.resize(100, 100);
    box.setBackground(colour::cyan);
    QCOMPARE(box.devicePixelRatioF(), 2.0);
    box.setLineWidth(2);
    box.line(0, 750, 1500, 750, colour::red);
    box.circle(750, 300, 30, colour::blue);
    const QImage image = box.image();
    QCOMPARE(image.size(), QSize(200, 200));

    // The line is 2 logical pixels, so 4 device rows, and a circle of radius
    // 2 logical pixels is 4 device pixels from its centre: both show detail
    // finer than one logical pixel.
    int redRows = 0;
    for (int y = 90; y < 110; ++y)
        redRows += (image.pixel(100, y) & 0xFFFFFF) == colour::red;
    QCOMPARE(redRows, 4);
    QCOMPARE(image.pixel(100, 40) & 0xFFFFFF, colour::cyan);
    QCOMPARE(image.pixel(100, 36) & 0xFFFFFF, colour::blue);
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestPictureBoxHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picture_box_hidpi.moc"
