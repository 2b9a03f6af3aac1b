#include "gui/exercises/simulation_link.h"

#include "core/problems/atwood_cases.h"
#include "core/problems/horizontal_plane_cases.h"
#include "core/problems/inclined_plane_cases.h"
#include "gui/window_id.h"

namespace practice {

void openSimulation(exercises::ProblemKind problem, const exercises::Values &values)
{
    // Straight to the simulation: the title windows before Form3 and Form6
    // are the way in from the menu's problems, not a step of the practice.
    // Each simulation takes its bars' quantities in its own order.
    switch (problem) {
    case exercises::ProblemKind::InclinedPlane: {
        using namespace solvers::inclined;
        ui::navigator().visit(ui::WindowId::Form2, ui::WindowId::Form11, {values[Angle], values[Friction]});
        return;
    }
    case exercises::ProblemKind::HorizontalPlane: {
        using namespace solvers::horizontal;
        ui::navigator().visit(ui::WindowId::Form3, ui::WindowId::Form11,
                              {values[Mass1], values[Mass2], values[Friction]});
        return;
    }
    case exercises::ProblemKind::AtwoodMachine: {
        using namespace solvers::atwood;
        ui::navigator().visit(ui::WindowId::Form6, ui::WindowId::Form11, {values[Mass1], values[Mass2]});
        return;
    }
    }
}

} // namespace practice
