#include "files/MacroSlotDecoder.h"

#include <gtest/gtest.h>

namespace kb {
namespace {

macro_event_t event(std::uint8_t usage, std::uint32_t delay, bool pressed)
{
    macro_event_t e{};
    e.usage = usage;
    e.setDelay(delay);
    e.setPressed(pressed);
    return e;
}

TEST(MacroSlotDecoder, EventsBecomeItemsWithCodeNameStateAndDelay)
{
    MacroSlotRecord record{};
    record.eventCount = 4;
    record.events[0] = event(0x04, 300, true);    // A
    record.events[1] = event(0x04, 0, false);
    record.events[2] = event(0x52, 32767, true);  // ArrowUp, an extended key
    record.events[3] = event(0x02, 15, false);    // no key has usage 2
    record.events[4] = event(0x05, 1, true);      // beyond eventCount

    const std::vector<MacroRecordGpItem> expected = {
        {0x1E, 1, 300, "A"},
        {0x1E, 0, 0, "A"},
        {0x148, 1, 32767, "ArrowUp"},
        {0, 0, 15, ""},
    };
    EXPECT_EQ(decodeMacroEvents(record), expected);
}

TEST(MacroSlotDecoder, EventCountIsClampedToTheStoredEvents)
{
    MacroSlotRecord record{};
    for (auto& e : record.events) e = event(0xA5, 20, true); // mouse left
    for (const std::uint8_t count : {0, 1, 109, 110, 255}) {
        record.eventCount = count;
        const auto items = decodeMacroEvents(record);
        ASSERT_EQ(items.size(), std::min<std::size_t>(count, 109)) << int(count);
        if (!items.empty()) {
            EXPECT_EQ(items.back(), (MacroRecordGpItem{0x1FE, 1, 20, "mouse left lick"}));
        }
    }
}

TEST(MacroSlotDecoder, SlotBecomesAGroupWithSlotIdRepeatAndName)
{
    MacroSlotRecord record{};
    record.setName("Burst");
    record.repeat = 4;
    record.eventCount = 0;
    record.events[0] = event(0x04, 10, true); // not counted

    MacroRecordGroup empty = decodeMacroSlot(record, 7);
    EXPECT_EQ(empty.info(), (MacroRecordGpInfo{7, 4, "Burst"}));
    EXPECT_TRUE(empty.items().empty());

    record.eventCount = 2;
    record.events[1] = event(0x04, 0, false);
    const MacroRecordGroup group = decodeMacroSlot(record, 2);
    EXPECT_EQ(group.id(), 2);
    const MacroRecordGroup::Items expected = {{0x1E, 1, 10, "A"}, {0x1E, 0, 0, "A"}};
    EXPECT_EQ(group.items(), expected);
}

} // namespace
} // namespace kb
