#include "simulations/run_data/handover_slot.h"

#include <map>

namespace run_data {

namespace {
std::map<ui::WindowId, Handover> &pendingHandovers()
{
    static std::map<ui::WindowId, Handover> handovers;
    return handovers;
}
} // namespace

void handOver(ui::WindowId simulation, Handover handover)
{
    pendingHandovers()[simulation] = std::move(handover);
}

std::optional<Handover> takeHandover(ui::WindowId simulation)
{
    const auto found = pendingHandovers().find(simulation);
    if (found == pendingHandovers().end())
        return std::nullopt;
    Handover handover = std::move(found->second);
    pendingHandovers().erase(found);
    return handover;
}

void withdrawHandover(ui::WindowId simulation)
{
    pendingHandovers().erase(simulation);
}

} // namespace run_data
