// The picture area on two screens of different pixel ratios: what is drawn
// must survive the window moving between them, and erasing by drawing again
// in the background colour must stay exact.

#include "ui/picture_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

constexpr ui::Rgb Blue = ui::colour::blue;

QScreen *screenWithRatio(qreal ratio)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio)
            return screen;
    }
    qFatal("no screen with pixel ratio %g", ratio);
}

// Pixels of one colour in an image.
int count(const QImage &image, ui::Rgb rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == rgb)
                ++n;
        }
    }
    return n;
}

// A window with a picture area of 200 × 200 pixels.
struct Window {
    QWidget top;
    ui::PictureBox *box;

    explicit Window(QScreen *screen)
    {
        top.resize(240, 240);
        top.setScreen(screen);
        top.move(screen->geometry().topLeft() + QPoint(20, 20));
        box = new ui::PictureBox(&top);
        box->setGeometry(20, 20, 200, 200);
        box->setBackground(ui::colour::cyan);
        box->setLineWidth(2);
    }
    void showOn(QScreen *screen)
    {
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        top.windowHandle()->setScreen(screen);
        top.move(screen->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(top.screen(), screen);
        QTRY_COMPARE(box->devicePixelRatioF(), screen->devicePixelRatio());
    }
    // What the user sees of the picture, in the screen's device pixels.
    QImage seen() { return box->grab().toImage(); }
};

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
    void drawingSurvivesTheMove()
    {
        QFETCH(qreal, from);
        QFETCH(qreal, to);
        Window window(screenWithRatio(from));
        // A horizontal line across the middle, 2 pixels wide.
        window.box->line(300, 1500, 2700, 1500, Blue);
        window.showOn(screenWithRatio(to));

        // Kept at the finer ratio wherever it was drawn, so it is sharp there.
        QCOMPARE(window.box->image().devicePixelRatio(), 2.0);
        const QImage seen = window.seen();
        QCOMPARE(seen.devicePixelRatio(), to);
        // 160 pixels long, 2 wide, in the screen's own pixels: neither lost
        // nor blurred.
        const int expected = int(160 * to) * int(2 * to);
        QVERIFY2(std::abs(count(seen, Blue) - expected) <= 4 * to * to,
                 qPrintable(QStringLiteral("%1 blue pixels").arg(count(seen, Blue))));
    }

    void eraseStaysExactAfterTheMove_data() { drawingSurvivesTheMove_data(); }
    void eraseStaysExactAfterTheMove()
    {
        QFETCH(qreal, from);
        QFETCH(qreal, to);
        Window window(screenWithRatio(from));
        window.box->circle(1500, 1500, 600, Blue);
        window.box->arc(1500, 1500, 300, Blue, 3.1416, 0);
        window.showOn(screenWithRatio(to));
        QVERIFY(count(window.box->image(), Blue) > 0);

        window.box->circle(1500, 1500, 600, ui::colour::cyan);
        window.box->arc(1500, 1500, 300, ui::colour::cyan, 3.1416, 0);
        QCOMPARE(count(window.box->image(), Blue), 0);
        QCOMPARE(count(window.seen(), Blue), 0);
    }
};

int main(int argc, char **argv)
{
    // Two offscreen screens side by side, the second at twice the pixel ratio.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "single", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 1},
        {"name": "double", "x": 800, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 2}
    ]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());

    QApplication app(argc, argv);
    TestPictureBoxScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picture_box_screens.moc"
