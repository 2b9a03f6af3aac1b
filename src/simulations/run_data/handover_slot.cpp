#include "simulations/run_data/handover_slot.h"

#include <map>

namespace run_data {

namespace {
std::map<ui::WindowId, Handover> &slots()
{
    static std::map<ui::WindowId, Handover> pending;
    return pending;
}
} // namespace

void handOver(ui::WindowId simulation, Handover handover)
{
    slots()[simulation] = std::move(handover);
}

std::optional<Handover> takeHandover(ui::WindowId simulation)
{
    const auto found = slots().find(simulation);
    if (found == slots().end())
        return std::nullopt;
    Handover handover = std::move(found->second);
    slots().erase(found);
    return handover;
}

void withdrawHandover(ui::WindowId simulation)
{
    slots().erase(simulation);
}

} // namespace run_data
