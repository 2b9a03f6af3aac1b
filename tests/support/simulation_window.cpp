#include "support/simulation_window.h"

#include "support/gui_driver.h"
#include "support/zoom_run.h"
#include "gui/ui/form_base.h"
#include "gui/ui/picture_box.h"
#include "gui/ui/zoom.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>

namespace simwin {

QWidget *open(ui::WindowId id) { return ui::navigator().goTo(id), ui::navigator().current(); }
QTimer *timer(QWidget *window) { return driver::control<QTimer>(window, "Timer1"); }
QScrollBar *bar(QWidget *window, int n) { return driver::control<QScrollBar>(window, driver::numbered("HScroll", n - 1)); }
QImage picture(QWidget *window) { return driver::control<ui::PictureBox>(window, "Picture1")->image(); }

int ticks(QWidget *window, int most)
{
    int sent = 0;
    for (; sent < most && timer(window)->isActive(); ++sent)
        QMetaObject::invokeMethod(timer(window), "timeout");
    return sent;
}

QStringList texts(QWidget *window, const char *numbers)
{
    QStringList shown;
    for (const char *n = numbers; *n; ++n)
        shown << driver::text(window, driver::numbered("Text", *n - '1'));
    return shown;
}

QString state(QWidget *window)
{
    QStringList on;
    for (const char *name : {"HScroll1", "HScroll2", "HScroll3", "Command1", "Command3"})
        if (auto *control = window->findChild<QWidget *>(QLatin1String(name)); control && control->isEnabled())
            on << QLatin1String(name);
    if (timer(window)->isActive())
        on << QStringLiteral("Timer1 %1 ms%2").arg(timer(window)->interval()).arg(timer(window)->timerType() == Qt::PreciseTimer ? "" : " coarse");
    return on.join(QLatin1Char(' '));
}

RecordingCanvas drawnBy(QWidget *window, const std::function<void()> &act)
{
    RecordingCanvas drawn;
    driver::control<ui::PictureBox>(window, "Picture1")->setRecorder(&drawn);
    act();
    driver::control<ui::PictureBox>(window, "Picture1")->setRecorder(nullptr);
    return drawn;
}

QImage withBarsOf(QWidget *window, QWidget *fresh)
{
    for (auto *shown : window->findChildren<QScrollBar *>(Qt::FindDirectChildrenOnly))
        driver::control<QScrollBar>(fresh, qPrintable(shown->objectName()))->setValue(shown->value());
    return picture(fresh);
}

QWidget *solveAndSimulate(ui::WindowId problem, const QString &presses)
{
    QWidget *form = open(problem);
    for (const QString &press : presses.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList typed = press.split(QLatin1Char('|'));
        for (int i = 0; form->findChild<QCheckBox *>(driver::numbered("Check", i)); ++i) {
            driver::setChecked(form, driver::numbered("Check", i), !typed.value(i).isEmpty());
            if (!typed.value(i).isEmpty())
                driver::type(form, driver::numbered("Text", i), typed.value(i));
        }
        driver::click(form, "Command1");
    }
    driver::click(form, "Command3");
    if (problem != ui::WindowId::Form8) // Form3 and Form6 stand behind a title window
        driver::click(ui::navigator().current(), "Command2");
    return ui::navigator().current();
}

QString dataRows(QWidget *window)
{
    driver::click(window, "Command4");
    auto *data = driver::control<QWidget>(window, "DataWindow");
    auto *table = driver::control<QTableWidget>(data, "Table");
    QStringList row{QString::number(table->rowCount()) + QLatin1Char(':')};
    for (int column = 0; table->rowCount() > 0 && column < table->columnCount(); ++column)
        row << table->item(table->rowCount() - 1, column)->text();
    return data->isVisible() ? row.join(QLatin1Char(' ')) : QStringLiteral("not shown");
}

QString shownNote(QWidget *window, const char *label)
{
    auto *note = driver::control<QLabel>(window, label);
    if (note->isHidden())
        return {};
    const int flags = int(note->alignment()) | (note->wordWrap() ? Qt::TextWordWrap : 0);
    const bool fits = note->contentsRect().contains(note->fontMetrics().boundingRect(note->contentsRect(), flags, note->text()));
    const QString seen = QString(note->text()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QStringList cut = seen.split(QChar(0x2026)); // the parts before and after "…"
    const QString whole = note->toolTip().isEmpty() && cut.size() == 1 ? seen : note->toolTip();
    const bool cutRightly = cut.size() == 1 ? seen == whole
                                            : cut.size() == 2 && whole.startsWith(cut[0]) && whole.endsWith(cut[1]);
    return fits && cutRightly && !whole.isEmpty() ? whole : QStringLiteral("empty, cut wrongly or too long: ") + seen;
}

QString zoomChangeMidRun(const std::function<ui::FormBase *()> &make, const std::function<void(ui::FormBase &, int)> &step,
                         int steps, int switchAt, int from, int to)
{
    const auto pictures = zoomrun::acrossZoomChange(make, "Picture1", step, steps, switchAt, from, to);
    ui::setZoom(100);
    return zoomrun::difference(pictures.switched, pictures.fresh);
}

} // namespace simwin
