#pragma once

#include "core/exercises/catalogue.h"
#include "core/exercises/physics.h"

namespace practice {

// "Ver simulación": the problem's simulation with these values on its
// scroll bars (as the problem windows hand theirs over), and its "Regresar"
// leading back to the exercises rather than to the menu. The one place that
// knows how a value reaches a simulation and where the simulation returns.
void openSimulation(exercises::ProblemKind problem, const exercises::Values &values);

} // namespace practice
