#include "gui/simulations/handover_slot.h"

#include "gui/simulations/note_label.h"

#include <QScrollBar>

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

void applyHandover(const Handover &handover, const QList<QScrollBar *> &bars, NoteLabel *note)
{
    for (qsizetype i = 0; i < bars.size() && i < handover.scrollValues.size(); ++i)
        bars.at(i)->setValue(handover.scrollValues.at(i));
    note->setNote(handover.note);
}

} // namespace run_data
