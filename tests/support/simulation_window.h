#pragma once

#include "support/recording_canvas.h"
#include "gui/ui/navigator.h"

#include <QImage>
#include <QScrollBar>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

namespace ui {
class FormBase;
}

// What the three simulation windows (Form2, Form3, Form6) have in common,
// driven and read as a user does: scroll bars HScroll1.., Timer1, Picture1,
// start and stop buttons Command1 and Command3, the data window.
namespace simwin {

QWidget *open(ui::WindowId id);
QTimer *timer(QWidget *window);
QScrollBar *bar(QWidget *window, int number);
QImage picture(QWidget *window);

// Up to `most` ticks while the timer runs, as the event loop sends them;
// returns how many were sent, the stopping one included.
int ticks(QWidget *window, int most = 10000);

// The fields by number: "475" reads Text4, Text7 and Text5.
QStringList texts(QWidget *window, const char *numbers);

// The enabled ones of the scroll bars, Command1 and Command3, then the
// timer while it runs: "Command3 Timer1 100 ms", "coarse" added unless it
// is a precise timer (a coarse one lets the motion stutter).
QString state(QWidget *window);

// What the window draws while `act` runs.
RecordingCanvas drawnBy(QWidget *window, const std::function<void()> &act);

// A new window, loaded as the navigator loads it.
template<typename Form>
Form *loaded() { auto *form = new Form; form->load(); return form; }

// The picture of `fresh`, just loaded, once its bars are moved straight to
// the values `window`'s bars show.
QImage withBarsOf(QWidget *window, QWidget *fresh);

template<typename Form>
QImage freshPicture(QWidget *window) { return withBarsOf(window, std::unique_ptr<Form>(loaded<Form>()).get()); }

// The problem window, one press of "Resolver" per press in `presses` (space
// between presses; "|30,5|0,2": Check1 unticked, Check2 and Check3 ticked
// with those typed), "Simulación", and "Continuar" on a title window.
QWidget *solveAndSimulate(ui::WindowId problem, const QString &presses);

// "Datos y gráficas" pressed: the data window's row count and last row,
// "9: 0,90 0,9923 2,2050", or that it is not shown.
QString dataRows(QWidget *window);

// The note as the user reads it, empty while hidden. A note cut short with
// "…" reads as its tooltip, which must hold it whole; text that does not
// fit its label, is not the tooltip cut, or is empty shows as a fault.
QString shownNote(QWidget *window, const char *label);

// A zoom change from `from` to `to` % before step `switchAt` of a run
// driven by `step` (zoom_run.h): how its picture differs from one drawn at
// `to` all along, empty when it does not. The zoom is 100 % afterwards.
QString zoomChangeMidRun(const std::function<ui::FormBase *()> &make, const std::function<void(ui::FormBase &, int)> &step,
                         int steps, int switchAt, int from, int to);

} // namespace simwin
