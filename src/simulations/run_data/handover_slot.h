#pragma once

#include "simulations/run_data/scroll_bridge.h"
#include "ui/navigator.h"

#include <optional>

// Where a problem window leaves its solved values for its simulation. The
// simulation takes them when it is next shown, not before: creating it early
// would run its load rule (Form3 starts a run as it loads) behind the title
// window that comes first.
namespace run_data {

void handOver(ui::WindowId simulation, Handover handover);
// Taken once: the next call gives nothing until another hand-over.
std::optional<Handover> takeHandover(ui::WindowId simulation);
// A "Resolver" press that did not solve leaves the simulation as it was.
void withdrawHandover(ui::WindowId simulation);

} // namespace run_data
