#pragma once

#include "core/simulations/scroll_bridge.h"
#include "gui/ui/navigator.h"

#include <QList>

#include <optional>

class QScrollBar;

// Where a problem window leaves its solved values for its simulation. The
// simulation takes them when it is next shown, not before: creating it early
// would run its load rule (Form3 starts a run as it loads) behind the title
// window that comes first.
namespace run_data {

class NoteLabel;

void handOver(ui::WindowId simulation, Handover handover);
// Taken once: the next call gives nothing until another hand-over.
std::optional<Handover> takeHandover(ui::WindowId simulation);
// A "Resolver" press that did not solve leaves the simulation as it was.
void withdrawHandover(ui::WindowId simulation);

// Moves `bars`, in the order of the hand-over's values, as a user would move
// them, so that their handlers show the values and draw the scene; then
// shows the note, or hides it when every value fitted its bar.
void applyHandover(const Handover &handover, const QList<QScrollBar *> &bars, NoteLabel *note);

} // namespace run_data
