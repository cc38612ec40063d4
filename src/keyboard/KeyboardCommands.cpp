#include "keyboard/KeyboardCommands.h"

#include "device/FeatureCommand.h"
#include "device/FeatureTransport.h"

#include <cstring>
#include <vector>

namespace kb {
namespace {

// Reads into a scratch buffer first, so a failed or short read changes nothing.
bool readInto(HidDevice& device, std::uint8_t command, unsigned index, void* destination, std::size_t size)
{
    std::vector<std::uint8_t> buffer(size);
    const auto length = static_cast<std::uint32_t>(size);
    if (readFeatureCommand(device, command, index, buffer.data(), length) != length)
        return false;
    std::memcpy(destination, buffer.data(), size);
    return true;
}

template <typename Record>
bool readRecord(HidDevice& device, std::uint8_t command, unsigned index, Record& record)
{
    return readInto(device, command, index, &record, sizeof record);
}

bool send(HidDevice& device, std::uint8_t command, unsigned index, std::uint32_t offset, const void* payload,
          std::size_t size)
{
    // An empty payload still goes out as one empty frame, and counts as a failure.
    const auto length = static_cast<std::uint32_t>(size);
    return writeFeatureCommand(device, payload, command, index, offset, length) == length && length > 0;
}

template <typename Record>
bool sendRecord(HidDevice& device, std::uint8_t command, unsigned index, const Record& record)
{
    return send(device, command, index, 0, &record, sizeof record);
}

} // namespace

bool readDeviceInfo(HidDevice& device, KbDeviceInfo& info)
{
    return readRecord(device, CmdDeviceInfo, 0, info);
}

bool readModeAttributes(HidDevice& device, unsigned mode, _mode_attr_t& attributes)
{
    return readRecord(device, CmdModeAttributes, mode, attributes);
}

bool readModeRegister(HidDevice& device, unsigned registerNumber, _reg_mode_t& reg)
{
    return readRecord(device, CmdModeRegister, registerNumber, reg);
}

bool readProfileMode(HidDevice& device, unsigned profile, std::uint8_t& mode)
{
    return readRecord(device, CmdProfileMode, profile, mode);
}

bool readCurrentProfile(HidDevice& device, std::uint8_t& profile)
{
    return readRecord(device, CmdCurrentProfile, 0, profile);
}

bool readColourSet(HidDevice& device, std::uint8_t& set)
{
    return readRecord(device, CmdColourSet, 0, set);
}

bool readKeyColours(HidDevice& device, unsigned set, std::span<rgba_t> colours)
{
    return !colours.empty() && readInto(device, CmdKeyColours, set, colours.data(), colours.size_bytes());
}

bool readKeyCodes(HidDevice& device, std::span<macro_code_t> codes)
{
    return !codes.empty() && readInto(device, CmdKeyCodes, 0, codes.data(), codes.size_bytes());
}

bool readMacroSlot(HidDevice& device, unsigned slot, MacroSlotRecord& record)
{
    return readRecord(device, CmdMacroSlot, slot, record);
}

bool sendModeRegister(HidDevice& device, unsigned registerNumber, const _reg_mode_t& reg)
{
    return sendRecord(device, CmdModeRegister, registerNumber, reg);
}

bool sendProfileMode(HidDevice& device, std::uint8_t mode)
{
    return sendRecord(device, CmdProfileMode, 0, mode);
}

bool sendCurrentProfile(HidDevice& device, std::uint8_t profile)
{
    return sendRecord(device, CmdCurrentProfile, 0, profile);
}

bool sendColourSet(HidDevice& device, std::uint8_t set)
{
    return sendRecord(device, CmdColourSet, 0, set);
}

bool sendKeyColours(HidDevice& device, std::span<const rgba_t> colours)
{
    return send(device, CmdKeyColours, 0, 0, colours.data(), colours.size_bytes());
}

bool sendKeyCodes(HidDevice& device, std::span<const macro_code_t> codes)
{
    return send(device, CmdKeyCodes, 0, 0, codes.data(), codes.size_bytes());
}

bool sendMacroSlot(HidDevice& device, unsigned slot, const MacroSlotRecord& record)
{
    return sendRecord(device, CmdMacroSlot, slot, record);
}

bool sendControlWord(HidDevice& device, ControlWord word, std::uint16_t value)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
    return send(device, CmdDeviceControl, 0, word, bytes, sizeof bytes);
}

} // namespace kb
