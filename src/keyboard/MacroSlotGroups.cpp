#include "keyboard/MacroSlotGroups.h"

#include <algorithm>
#include <set>

namespace kb {
namespace {

bool sameMacro(const MacroRecordGroup& a, const MacroRecordGroup& b)
{
    return a.repeat() == b.repeat() && a.items() == b.items();
}

} // namespace

void forgetMacroSlots(std::list<MacroRecordGroup>& groups)
{
    for (MacroRecordGroup& group : groups)
        group.setId(-1);
}

void replaceMacroSlotGroup(std::list<MacroRecordGroup>& groups, const MacroRecordGroup& group)
{
    const auto match = std::find_if(groups.begin(), groups.end(), [&](const MacroRecordGroup& existing) {
        return existing.id() == group.id() || sameMacro(existing, group);
    });
    if (match != groups.end())
        groups.erase(match);
    groups.push_back(group);
}

std::optional<unsigned> findFreeMacroSlot(const std::list<MacroRecordGroup>& groups, unsigned slotCount)
{
    std::set<std::int32_t> taken;
    for (const MacroRecordGroup& group : groups)
        taken.insert(group.id());
    // At most groups.size() numbers are taken, so the search ends quickly whatever slotCount says.
    for (unsigned slot = 0; slot < slotCount; ++slot) {
        if (!taken.contains(static_cast<std::int32_t>(slot)))
            return slot;
    }
    return std::nullopt;
}

} // namespace kb
