#include "support/zoom_run.h"

#include "gui/ui/form_base.h"
#include "gui/ui/picture_box.h"
#include "gui/ui/zoom.h"

#include <QDir>

#include <memory>

namespace zoomrun {

Pictures acrossZoomChange(const std::function<ui::FormBase *()> &make, const char *picture,
                          const std::function<void(ui::FormBase &, int)> &step, int steps, int switchAt, int from,
                          int to)
{
    const auto run = [&](int switchingAt) {
        const std::unique_ptr<ui::FormBase> form(make());
        form->show();
        for (int i = 0; i < steps; ++i) {
            if (i == switchingAt)
                ui::setZoom(to);
            step(*form, i);
        }
        auto *box = form->findChild<ui::PictureBox *>(QString::fromLatin1(picture));
        if (!box)
            qFatal("no picture %s in %s", picture, qPrintable(form->objectName()));
        return box->image();
    };
    ui::setZoom(from);
    Pictures pictures;
    pictures.switched = run(switchAt);
    ui::setZoom(to);
    pictures.fresh = run(-1);
    return pictures;
}

QString difference(const QImage &switched, const QImage &fresh)
{
    if (switched.size() != fresh.size())
        return QStringLiteral("sizes differ: %1×%2 against %3×%4")
            .arg(switched.width())
            .arg(switched.height())
            .arg(fresh.width())
            .arg(fresh.height());
    const QImage a = switched.convertToFormat(QImage::Format_RGB32);
    const QImage b = fresh.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    QRect where;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                where |= QRect(x, y, 1, 1);
            }
        }
    }
    if (count == 0)
        return {};
    const QString stem = QDir::temp().filePath(QStringLiteral("zoomrun-"));
    a.save(stem + QStringLiteral("switched.png"));
    b.save(stem + QStringLiteral("fresh.png"));
    return QStringLiteral("%1 pixels differ within (%2, %3) to (%4, %5); see %6switched.png and %6fresh.png")
        .arg(count)
        .arg(where.left())
        .arg(where.top())
        .arg(where.right())
        .arg(where.bottom())
        .arg(stem);
}

} // namespace zoomrun
