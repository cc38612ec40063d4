#include "keyboard/MacroSlotGroups.h"

#include "files/MacroSlotDecoder.h"

#include <algorithm>
#include <set>

namespace kb {
namespace {

bool sameMacro(const MacroRecordGroup& a, const MacroRecordGroup& b)
{
    return a.info().repeat == b.info().repeat && a.itemList() == b.itemList();
}

} // namespace

void forgetMacroSlots(std::list<MacroRecordGroup>& groups)
{
    for (MacroRecordGroup& group : groups)
        group.info().id = -1;
}

MacroRecordGroup groupFromMacroSlot(unsigned slot, const MacroSlotRecord& record)
{
    MacroRecordGroup group;
    MacroRecordGpInfo& info = group.info();
    info.id = static_cast<std::int32_t>(slot);
    info.repeat = record.repeat;
    info.name = record.getName();
    for (const MacroRecordGpItem& item : decodeMacroEvents(record))
        group.itemList().push_back(item);
    return group;
}

void replaceMacroSlotGroup(std::list<MacroRecordGroup>& groups, const MacroRecordGroup& group)
{
    const auto match = std::find_if(groups.begin(), groups.end(), [&](const MacroRecordGroup& existing) {
        return existing.info().id == group.info().id || sameMacro(existing, group);
    });
    if (match != groups.end())
        groups.erase(match);
    groups.push_back(group);
}

std::optional<unsigned> findFreeMacroSlot(const std::list<MacroRecordGroup>& groups, unsigned slotCount)
{
    std::set<std::int32_t> taken;
    for (const MacroRecordGroup& group : groups)
        taken.insert(group.info().id);
    // At most groups.size() numbers are taken, so the search ends quickly whatever slotCount says.
    for (unsigned slot = 0; slot < slotCount; ++slot) {
        if (!taken.contains(static_cast<std::int32_t>(slot)))
            return slot;
    }
    return std::nullopt;
}

} // namespace kb
