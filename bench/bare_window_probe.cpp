// The floor for start-up time and memory: the smallest Qt Widgets program
// that opens a window of the same size and paints it. With --text it also
// shows one line of bold italic text, to tell apart what the first text on
// screen costs (loading and rasterising a font face).

#include "probe_report.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(725, 533);
    window.setWindowTitle(QStringLiteral("Qt"));
    if (argc > 1 && QByteArray(argv[1]) == "--text") {
        auto *label = new QLabel(QStringLiteral("Texto"), &window);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(35);
        font.setBold(true);
        font.setItalic(true);
        label->setFont(font);
        label->setGeometry(20, 20, 400, 60);
    }
    FirstPaintReporter reporter(&window);
    window.show();
    return QApplication::exec();
}
