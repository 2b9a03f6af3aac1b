#include "ui/picture_box.h"

#include <QTest>

using namespace ui;

// The drawing surface of the simulations: shapes land where the twips say,
// arcs turn the right way, and drawing again in cyan leaves no trace.
class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void measuresItselfInTwips();
    void drawsLinesTwoPixelsWideWithoutBlending();
    void arcsRunCounterClockwiseFromStartToEnd_data();
    void arcsRunCounterClockwiseFromStartToEnd();
    void overdrawingInTheBackgroundErasesExactly();
    void keepsWhatIsDrawnBeforeBeingShown();

private:
    static QRgb at(const QImage &image, double xTwips, double yTwips);
};

QRgb TestPictureBox::at(const QImage &image, double xTwips, double yTwips)
{
    const double ratio = image.devicePixelRatio();
    return image.pixel(int(xTwips / 15 * ratio), int(yTwips / 15 * ratio)) & 0xFFFFFF;
}

void TestPictureBox::measuresItselfInTwips()
{
    PictureBox box;
    box.resize(400, 300);
    QCOMPARE(box.widthTwips(), 6000.0);
    QCOMPARE(box.heightTwips(), 4500.0);
}

void TestPictureBox::drawsLinesTwoPixelsWideWithoutBlending()
{
    PictureBox box;
    box.resize(100, 100);
    box.setBackground(colour::cyan);
    box.setLineWidth(2);
    box.line(150, 750, 1350, 750, colour::red);
    const QImage image = box.image();

    int redRows = 0;
    for (int y = 40; y < 60; ++y) {
        const QRgb pixel = image.pixel(50, y) & 0xFFFFFF;
        QVERIFY2(pixel == colour::red || pixel == colour::cyan, qPrintable(QString::number(pixel, 16)));
        redRows += pixel == colour::red;
    }
    QCOMPARE(redRows, 2);
}

void TestPictureBox::arcsRunCounterClockwiseFromStartToEnd_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    const double pi = 3.1416;
    QTest::newRow("0 to π is the upper half") << 0.0 << pi << true << false << true << true;
    QTest::newRow("π to 0 passes through 3π/2: the lower half") << pi << 0.0 << false << true << true << true;
    QTest::newRow("3π/2 to π/2 passes through 0: the right half") << 3 * pi / 2 << pi / 2 << true << true << false << true;
    QTest::newRow("π/2 to 3π/2 is the left half") << pi / 2 << 3 * pi / 2 << true << true << true << false;
}

void TestPictureBox::arcsRunCounterClockwiseFromStartToEnd()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(bool, top);
    QFETCH(bool, bottom);
    QFETCH(bool, left);
    QFETCH(bool, right);

    PictureBox box;
    box.resize(100, 100);
    box.setBackground(colour::cyan);
    box.setLineWidth(2);
    box.arc(750, 750, 450, colour::blue, start, end); // centre (50, 50), radius 30 px
    const QImage image = box.image();

    const auto inked = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == colour::blue)
                    return true;
        return false;
    };
    QCOMPARE(inked(48, 17, 52, 23), top);
    QCOMPARE(inked(48, 77, 52, 83), bottom);
    QCOMPARE(inked(17, 48, 23, 52), left);
    QCOMPARE(inked(77, 48, 83, 52), right);
}

void TestPictureBox::overdrawingInTheBackgroundErasesExactly()
{
    PictureBox box;
    box.resize(200, 200);
    box.setBackground(colour::cyan);
    box.setLineWidth(2);
    const QImage blank = box.image();

    box.line(123.4, 456.7, 2890.1, 1789.3, colour::blue);
    box.circle(1500.5, 1500.5, 30, colour::blue);
    box.arc(1000, 2000, 60, colour::yellow, 4.3, 1.2);
    box.fillRect(60, 60, 90, 2900, colour::green);
    QVERIFY(box.image() != blank);

    box.line(123.4, 456.7, 2890.1, 1789.3, colour::cyan);
    box.circle(1500.5, 1500.5, 30, colour::cyan);
    box.arc(1000, 2000, 60, colour::cyan, 4.3, 1.2);
    box.fillRect(60, 60, 90, 2900, colour::cyan);
    QCOMPARE(box.image(), blank);
}

void TestPictureBox::keepsWhatIsDrawnBeforeBeingShown()
{
    QWidget window;
    window.resize(300, 300);
    auto *box = new PictureBox(&window);
    box->setGeometry(10, 10, 200, 200);
    box->setBackground(colour::cyan);
    box->setLineWidth(2);
    box->circle(1500, 1500, 300, colour::blue);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = box->grab().toImage();
    const double ratio = shown.devicePixelRatio();
    QCOMPARE(shown.pixel(int(100 * ratio), int(100 * ratio)) & 0xFFFFFF, colour::cyan);
    QCOMPARE(shown.pixel(int(120 * ratio), int(100 * ratio)) & 0xFFFFFF, colour::blue);

    window.hide();
    window.show();
    QCOMPARE(box->grab().toImage(), shown);
}

QTEST_MAIN(TestPictureBox)
#include "tst_picture_box.moc"
