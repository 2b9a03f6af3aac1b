// The drawing surface of the simulations: lines have their width, arcs turn
// the right way, drawing again in cyan leaves no trace, and the picture is
// drawn at full resolution on the finer of two screens and outlives hiding
// the window and moving it between them.

#include "gui/ui/picture_box.h"
#include "gui/ui/zoom.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace core;

namespace {

// A cyan picture area, drawing 2-pixel lines.
void prepare(ui::PictureBox &box, int size = 100)
{
    box.resize(size, size);
    box.setBackground(colour::cyan);
    box.setLineWidth(2);
}

bool isBlue(const QImage &image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == colour::blue; }

int countBlue(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += isBlue(image, x, y);
    return n;
}

QScreen *screenWithRatio(qreal ratio)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == ratio)
            return screen;
    qFatal("no screen with pixel ratio %g", ratio);
}

} // namespace

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
        ui::PictureBox box;
        prepare(box);
        box.arc(750, 750, 450, colour::blue, start, end); // centre (50, 50), radius 30 px
        // Blue within 3 pixels of the circle's top, bottom, left and right points.
        const int r = int(box.image().devicePixelRatio());
        QString seen;
        for (const auto &[side, point] : {std::pair(u't', QPoint(50, 20)), std::pair(u'b', QPoint(50, 80)),
                                          std::pair(u'l', QPoint(20, 50)), std::pair(u'r', QPoint(80, 50))})
            if (countBlue(box.image().copy(QRect((point - QPoint(3, 3)) * r, QSize(7, 7) * r))) > 0)
                seen += QChar(side);
        QTEST(seen, "inked");
    }

    void drawsTwoPixelLinesAndErasesThemExactly_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("100 %") << 100;
        QTest::newRow("200 %: lines twice as wide") << 200;
    }

    // Fault caught: lines of another width, also at a zoom, blended edges
    // that cyan cannot cover, shapes erased one pixel off.
    void drawsTwoPixelLinesAndErasesThemExactly()
    {
        QFETCH(int, zoom);
        ui::setZoom(zoom);
        const int z = zoom / 100;
        ui::PictureBox box;
        prepare(box, 200 * z);
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
        const int r = int(image.devicePixelRatio()); // pixels of the finer screen
        int redRows = 0;
        for (int y = 140 * z * r; y < 160 * z * r; ++y) {
            const QRgb pixel = image.pixel(50 * z * r, y) & 0xFFFFFF;
            QVERIFY2(pixel == colour::red || pixel == colour::cyan, qPrintable(QString::number(pixel, 16)));
            redRows += pixel == colour::red;
        }
        QCOMPARE(redRows, 2 * z * r);
        draw(colour::cyan, colour::cyan);
        QCOMPARE(box.image(), blank);
        ui::setZoom(100);
    }

    void drawingSurvivesTheMove_data()
    {
        QTest::addColumn<qreal>("from");
        QTest::addColumn<qreal>("to");
        QTest::newRow("drawn hidden on the coarser screen, shown on the finer") << 1.0 << 2.0;
        QTest::newRow("drawn hidden on the finer screen, shown on the coarser") << 2.0 << 1.0;
    }

    // Fault caught: a picture drawn small and scaled up, lost or blurred
    // when the ratio changes or the window is hidden and shown again, or
    // erased only approximately afterwards.
    void drawingSurvivesTheMove()
    {
        QFETCH(qreal, from);
        QFETCH(qreal, to);
        QWidget top;
        top.resize(240, 240);
        top.setScreen(screenWithRatio(from));
        top.move(top.screen()->geometry().topLeft() + QPoint(20, 20));
        auto *box = new ui::PictureBox(&top);
        prepare(*box, 200);
        box->move(20, 20);
        box->line(300, 1500, 2700, 1500, colour::blue); // across the middle, 160 pixels long, 2 wide
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QScreen *screen = screenWithRatio(to);
        top.windowHandle()->setScreen(screen);
        top.move(screen->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(box->devicePixelRatioF(), to);

        // Kept at the finer ratio wherever it was drawn, so it is sharp there.
        QCOMPARE(box->image().devicePixelRatio(), 2.0);
        const QImage seen = box->grab().toImage();
        QCOMPARE(seen.devicePixelRatio(), to);
        // In the screen's own pixels: neither lost nor blurred.
        const int expected = int(160 * to) * int(2 * to);
        QVERIFY2(std::abs(countBlue(seen) - expected) <= 4 * to * to, qPrintable(QString::number(countBlue(seen))));
        QVERIFY(isBlue(seen, int(100 * to), int(100 * to)) && !isBlue(seen, int(100 * to), int(90 * to)));
        top.hide();
        top.show();
        QCOMPARE(box->grab().toImage(), seen);

        box->line(300, 1500, 2700, 1500, colour::cyan);
        QCOMPARE(countBlue(box->image()), 0);
        QCOMPARE(countBlue(box->grab().toImage()), 0);
    }
};

int main(int argc, char **argv)
{
    // Two offscreen screens side by side, the second at twice the pixel ratio.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("screens.json")));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "single", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 1},
        {"name": "double", "x": 800, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 2}
    ]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toUtf8());

    QApplication app(argc, argv);
    TestPictureBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picture_box.moc"
