#include "ui/picture_box.h"

#include <QTest>

using namespace ui;
using namespace core;

namespace {

// A cyan picture area, drawing 2-pixel lines.
void prepare(PictureBox &box, int size = 100)
{
    box.resize(size, size);
    box.setBackground(colour::cyan);
    box.setLineWidth(2);
}

} // namespace

// The drawing surface of the simulations: lines have their width, arcs turn
// the right way, drawing again in cyan leaves no trace, and the picture
// outlives hiding the window.
class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void arcsRunCounterClockwiseFromStartToEnd_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QString>("inked"); // of top, bottom, left, right
        const double pi = 3.1416;
        QTest::newRow("0 to π is the upper half") << 0.0 << pi << "tlr";
        QTest::newRow("π to 0 passes through 3π/2: the lower half") << pi << 0.0 << "blr";
        QTest::newRow("3π/2 to π/2 passes through 0: the right half") << 3 * pi / 2 << pi / 2 << "tbr";
        QTest::newRow("π/2 to 3π/2 is the left half") << pi / 2 << 3 * pi / 2 << "tbl";
    }

    void arcsRunCounterClockwiseFromStartToEnd()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QString, inked);
        PictureBox box;
        prepare(box);
        box.arc(750, 750, 450, colour::blue, start, end); // centre (50, 50), radius 30 px
        const QImage image = box.image();

        // Blue within 2 pixels of the circle's top, bottom, left and right points.
        QString seen;
        const QList<std::pair<QChar, QPoint>> points{
            {u't', {50, 20}}, {u'b', {50, 80}}, {u'l', {20, 50}}, {u'r', {80, 50}}};
        for (const auto &[side, point] : points) {
            bool blue = false;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    blue = blue || (image.pixel(point + QPoint(dx, dy)) & 0xFFFFFF) == colour::blue;
            if (blue)
                seen += side;
        }
        QCOMPARE(seen, inked);
    }

    // Fault caught: lines of another width, blended edges that cyan cannot
    // cover, shapes erased one pixel off.
    void drawsTwoPixelLinesAndErasesThemExactly()
    {
        PictureBox box;
        prepare(box, 200);
        const QImage blank = box.image();
        const auto draw = [&box](Rgb rgb, Rgb arcRgb) {
            box.line(150, 2250, 1350, 2250, rgb);
            box.line(123.4, 456.7, 2890.1, 1789.3, rgb);
            box.circle(1500.5, 1500.5, 30, rgb);
            box.arc(1000, 2000, 60, arcRgb, 4.3, 1.2);
            box.fillRect(60, 60, 90, 2900, rgb);
        };
        draw(colour::red, colour::yellow);
        const QImage image = box.image();
        int redRows = 0;
        for (int y = 140; y < 160; ++y) {
            const QRgb pixel = image.pixel(50, y) & 0xFFFFFF;
            QVERIFY2(pixel == colour::red || pixel == colour::cyan, qPrintable(QString::number(pixel, 16)));
            redRows += pixel == colour::red;
        }
        QCOMPARE(redRows, 2);
        draw(colour::cyan, colour::cyan);
        QCOMPARE(box.image(), blank);
    }

    void keepsItsDrawingAcrossHideAndShow()
    {
        QWidget window;
        window.resize(300, 300);
        auto *box = new PictureBox(&window);
        prepare(*box, 200);
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
};

QTEST_MAIN(TestPictureBox)
#include "tst_picture_box.moc"
