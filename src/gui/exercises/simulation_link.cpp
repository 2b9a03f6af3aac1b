#include "gui/exercises/simulation_link.h"

#include "simulations/run_data/handover_slot.h"
#include "solvers/atwood_cases.h"
#include "solvers/horizontal_plane_cases.h"
#include "solvers/inclined_plane_cases.h"
#include "ui/navigator.h"

namespace practice {

void openSimulation(exercises::ProblemKind problem, const exercises::Values &values)
{
    // Straight to the simulation: the title windows before Form3 and Form6
    // are the way in from the menu's problems, not a step of the practice.
    ui::WindowId simulation = ui::WindowId::Form6;
    switch (problem) {
    case exercises::ProblemKind::InclinedPlane: {
        using namespace solvers::inclined;
        simulation = ui::WindowId::Form2;
        run_data::handOver(simulation, run_data::toInclinedPlane(values[Angle], values[Friction]));
        break;
    }
    case exercises::ProblemKind::HorizontalPlane: {
        using namespace solvers::horizontal;
        simulation = ui::WindowId::Form3;
        run_data::handOver(simulation, run_data::toHorizontalPlane(values[Mass1], values[Mass2], values[Friction]));
        break;
    }
    case exercises::ProblemKind::AtwoodMachine: {
        using namespace solvers::atwood;
        run_data::handOver(simulation, run_data::toAtwood(values[Mass1], values[Mass2]));
        break;
    }
    }
    ui::navigator().goTo(simulation, ui::WindowId::Form11);
}

} // namespace practice
