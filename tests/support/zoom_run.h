#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace ui {
class FormBase;
}

// A zoom change in the middle of a run must leave the picture a window at
// that zoom would have drawn from the start. Each simulation checks this
// with one call:
//
//     const auto pictures = zoomrun::acrossZoomChange(
//         [] { auto *form = new Form3; form->load(); return form; }, "Picture1",
//         [](ui::FormBase &form, int step) { ... click Command1 at step 0, then Timer1_Timer ... },
//         60, 35, 100, 150);
//     QCOMPARE(zoomrun::difference(pictures.switched, pictures.fresh), QString());
namespace zoomrun {

struct Pictures {
    QImage switched; // from `from` to `to` before step `switchAt`
    QImage fresh;    // at `to` all along
};

// Makes, shows and drives two windows with `make` and `step(window, i)` for
// i in [0, steps), and grabs the image of each window's PictureBox named
// `picture`. The program's zoom is `to` afterwards.
Pictures acrossZoomChange(const std::function<ui::FormBase *()> &make, const char *picture,
                          const std::function<void(ui::FormBase &, int)> &step, int steps, int switchAt, int from,
                          int to);

// Empty when the pictures are the same; otherwise how many pixels differ and
// where, with both saved under the temporary folder to look at.
QString difference(const QImage &switched, const QImage &fresh);

} // namespace zoomrun
