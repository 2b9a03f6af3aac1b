// The picture area on two screens of different pixel ratios: it is drawn at
// full resolution on the finer one, what is drawn survives the window moving
// between them, and erasing by drawing again in cyan stays exact.

#include "ui/picture_box.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

QScreen *screenWithRatio(qreal ratio)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio)
            return screen;
    }
    qFatal("no screen with pixel ratio %g", ratio);
}

int countBlue(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == core::colour::blue;
    }
    return n;
}

} // namespace

class TestPictureBoxScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 2); }

    void drawingSurvivesTheMove_data()
    {
        QTest::addColumn<qreal>("from");
        QTest::addColumn<qreal>("to");
        QTest::newRow("drawn hidden on the coarser screen, shown on the finer") << 1.0 << 2.0;
        QTest::newRow("drawn hidden on the finer screen, shown on the coarser") << 2.0 << 1.0;
    }

    // Fault caught: a picture drawn small and scaled up, lost or blurred
    // when the ratio changes, or erased only approximately afterwards.
    void drawingSurvivesTheMove()
    {
        QFETCH(qreal, from);
        QFETCH(qreal, to);
        QWidget top;
        top.resize(240, 240);
        top.setScreen(screenWithRatio(from));
        top.move(top.screen()->geometry().topLeft() + QPoint(20, 20));
        auto *box = new ui::PictureBox(&top);
        box->setGeometry(20, 20, 200, 200);
        box->setBackground(core::colour::cyan);
        box->setLineWidth(2);
        // A horizontal line across the middle, 160 pixels long, 2 wide.
        box->line(300, 1500, 2700, 1500, core::colour::blue);

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

        box->line(300, 1500, 2700, 1500, core::colour::cyan);
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
    TestPictureBoxScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picture_box_screens.moc"
