#include "files/MacroSlotDecoder.h"

#include "files/KeyTable.h"

namespace kb {

MacroRecordGpItem decodeMacroEvent(const macro_event_t& event)
{
    const KeyTableRow& key = keyByHidUsage(event.usage);
    MacroRecordGpItem item;
    item.code = key.code();
    item.name = std::string(key.name);
    item.state = event.pressed() ? 1 : 0;
    item.delay = static_cast<std::int32_t>(event.delay());
    return item;
}

std::vector<MacroRecordGpItem> decodeMacroEvents(const MacroSlotRecord& record)
{
    std::vector<MacroRecordGpItem> items;
    const std::size_t count = record.storedEventCount();
    items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) items.push_back(decodeMacroEvent(record.events[i]));
    return items;
}

MacroRecordGroup decodeMacroSlot(const MacroSlotRecord& record, std::int32_t slot)
{
    MacroRecordGroup group;
    group.setId(slot);
    group.setRepeat(record.repeat);
    group.setName(record.getName());
    const std::vector<MacroRecordGpItem> events = decodeMacroEvents(record);
    group.setItems(MacroRecordGroup::Items(events.begin(), events.end()));
    return group;
}

} // namespace kb
