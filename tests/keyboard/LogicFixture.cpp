#include "LogicFixture.h"

#include "files/MacroSlotDecoder.h"

namespace kb::test {

std::vector<FrameHeader> connectReads(const KeyboardModel& model)
{
    std::vector<FrameHeader> reads{readRequest(CmdDeviceInfo, 0, 90)};
    const unsigned modes = model.deviceInfo.modeCount;
    for (unsigned mode = 0; mode < modes; ++mode)
        reads.push_back(readRequest(CmdModeAttributes, static_cast<std::uint8_t>(mode), 62));
    reads.push_back(readRequest(CmdColourSet, 0, 1));
    for (unsigned profile = 0; profile < model.deviceInfo.profileCount; ++profile) {
        for (unsigned mode = 0; mode < modes; ++mode)
            reads.push_back(readRequest(CmdModeRegister, static_cast<std::uint8_t>(profile * modes + mode), 9));
        reads.push_back(readRequest(CmdProfileMode, static_cast<std::uint8_t>(profile), 1));
    }
    reads.push_back(readRequest(CmdCurrentProfile, 0, 1));
    reads.push_back(readRequest(CmdKeyCodes, 0, 218));
    for (const macro_code_t code : model.keyCodes) {
        if (code.type() >= MacroCodeSlotBase && code.value() < model.deviceInfo.macroSlotCount)
            reads.push_back(readRequest(CmdMacroSlot, static_cast<std::uint8_t>(code.value()), 367));
    }
    // The set number read from the keyboard makes the logic read that set's colours.
    reads.push_back(readRequest(CmdKeyColours, model.colourSet, 432));
    return reads;
}

MacroSlotRecord macroRecord(const char* name, std::uint8_t repeat, std::initializer_list<std::uint8_t> usages)
{
    MacroSlotRecord record{};
    record.setName(name);
    record.repeat = repeat;
    for (const std::uint8_t usage : usages) {
        macro_event_t& event = record.events[record.eventCount++];
        event.usage = usage;
        event.setDelay(300u * record.eventCount);
        event.setPressed(record.eventCount % 2 == 1);
    }
    return record;
}

KeyboardModel testKeyboard()
{
    KeyboardModel model = KeyboardModel::factoryDefaults();
    model.currentProfile = 1;
    model.currentModes = {0, 4, 7};
    model.colourSet = 2;
    model.macroSlots[3] = macroRecord("Copy", 1, {0x06, 0x06});
    model.macroSlots[4] = macroRecord("Hello", 2, {0x0B, 0x08, 0x0F});
    model.keyCodes[5] = macro_code_t::make(3, 3);
    model.keyCodes[7] = macro_code_t::make(4, 1);
    model.keyCodes[9] = macro_code_t::make(5, 3);
    model.keyCodes[11] = macro_code_t::make(3, 12);
    model.keyCodes[20] = macro_code_t::make(3, 4);
    model.keyCodes[30] = macro_code_t::make(MacroCodeKey, 0x04);
    return model;
}

MacroRecordGroup macroGroup(std::int32_t id, const MacroSlotRecord& record)
{
    return decodeMacroSlot(record, id);
}

} // namespace kb::test
