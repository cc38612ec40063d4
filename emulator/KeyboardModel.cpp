#include "emulator/KeyboardModel.h"

#include "device/FeatureCommand.h"

#include <cstring>

namespace kb {
namespace {

constexpr std::uint16_t kProfiles = 3;
constexpr std::uint16_t kMacroSlots = 10;
constexpr std::size_t kColourSets = 4;

struct ModeSpec {
    const char* name;
    std::uint16_t flags;
};

// Between them the modes use every flag bit, including a custom mode (per-key colours),
// a mode with rotating directions and a mode without settings.
constexpr ModeSpec kModeSpecs[] = {
    {"Static", ModeForeColour | ModeForeBrightness},
    {"Breathing", ModeAutoColour | ModeForeColour | ModeSpeed | ModeForeBrightness},
    {"Wave", ModeAutoColour | ModeForeColour | ModeSpeed | ModeForeBrightness | ModeHorizontalDirections
                 | ModeVerticalDirections},
    {"Spiral", ModeForeColour | ModeSpeed | ModeForeBrightness | ModeHorizontalDirections | ModeRotatingDirections},
    {"Ripple", ModeAutoColour | ModeForeColour | ModeBackColour | ModeSpeed | ModeForeBrightness
                   | ModeBackBrightness},
    {"Reactive", ModeForeColour | ModeBackColour | ModeSpeed | ModeForeBrightness | ModeBackBrightness},
    {"Rain", ModeAutoColour | ModeForeColour | ModeSpeed | ModeForeBrightness | ModeVerticalDirections},
    {"Custom", ModePerKeyColours | ModeForeBrightness},
    {"Spectrum", ModeSpeed | ModeForeBrightness},
    {"Off", 0},
};
constexpr std::uint16_t kModes = std::size(kModeSpecs);

template <typename Record>
std::span<std::uint8_t> bytesOf(Record& record)
{
    return {reinterpret_cast<std::uint8_t*>(&record), sizeof record};
}

template <typename Record>
std::optional<std::span<std::uint8_t>> elementBytes(std::vector<Record>& records, std::size_t index)
{
    if (index >= records.size())
        return std::nullopt;
    return bytesOf(records[index]);
}

_reg_mode_t defaultRegister(std::size_t profile, std::size_t mode)
{
    _reg_mode_t reg{};
    reg.foreBrightness = static_cast<std::uint8_t>(255 - 40 * profile);
    reg.backBrightness = 40;
    reg.setSpeed(static_cast<unsigned>(mode % 5 + 1));
    reg.setDirection(static_cast<unsigned>(mode % 4));
    reg.setForeColourValue(0x0000FFu << (8 * (mode % 3)));
    reg.setBackColourValue(0x202020u);
    return reg;
}

KeyboardModel::ColourSet defaultColourSet(std::size_t set)
{
    KeyboardModel::ColourSet colours{};
    for (std::size_t key = 0; key < colours.size(); ++key) {
        const auto shade = static_cast<std::uint8_t>(key * 255 / (colours.size() - 1));
        colours[key] = rgba_t{shade, static_cast<std::uint8_t>(64 * set), static_cast<std::uint8_t>(255 - shade), 0xFF};
    }
    return colours;
}

} // namespace

KeyboardModel KeyboardModel::factoryDefaults()
{
    KeyboardModel model;
    std::memcpy(model.deviceInfo.head, "kbconf emulated keyboard", 24);
    model.deviceInfo.profileCount = kProfiles;
    model.deviceInfo.modeCount = kModes;
    model.deviceInfo.macroSlotCount = kMacroSlots;

    for (const ModeSpec& spec : kModeSpecs) {
        _mode_attr_t mode{};
        mode.flags = spec.flags;
        mode.setName(spec.name);
        model.modes.push_back(mode);
    }
    for (std::size_t profile = 0; profile < kProfiles; ++profile) {
        for (std::size_t mode = 0; mode < kModes; ++mode)
            model.registers.push_back(defaultRegister(profile, mode));
        model.currentModes.push_back(static_cast<std::uint8_t>(2 * profile));
    }
    for (std::size_t set = 0; set < kColourSets; ++set)
        model.colourSets.push_back(defaultColourSet(set));
    model.macroSlots.assign(kMacroSlots, MacroSlotRecord{});
    return model;
}

std::optional<std::span<const std::uint8_t>> KeyboardModel::readPayload(std::uint8_t command, std::uint8_t index)
{
    // Reads and writes address the same fields except where the index means something else.
    switch (command) {
    case CmdDeviceInfo:
        if (index != 0)
            return std::nullopt;
        return bytesOf(deviceInfo);
    case CmdModeAttributes:
        return elementBytes(modes, index);
    case CmdProfileMode:
        return elementBytes(currentModes, index);
    case CmdKeyColours:
        return elementBytes(colourSets, index);
    case CmdDeviceControl:
        return std::nullopt;
    default:
        return writePayload(command, index);
    }
}

std::optional<std::span<std::uint8_t>> KeyboardModel::writePayload(std::uint8_t command, std::uint8_t index)
{
    switch (command) {
    case CmdDeviceControl:
        return index == 0 ? std::optional(bytesOf(controlBlock)) : std::nullopt;
    case CmdProfileMode:
        return index == 0 ? elementBytes(currentModes, currentProfile) : std::nullopt;
    case CmdModeRegister:
        return elementBytes(registers, index);
    case CmdCurrentProfile:
        return index == 0 ? std::optional(bytesOf(currentProfile)) : std::nullopt;
    case CmdKeyColours:
        return index == 0 ? elementBytes(colourSets, colourSet) : std::nullopt;
    case CmdColourSet:
        return index == 0 ? std::optional(bytesOf(colourSet)) : std::nullopt;
    case CmdKeyCodes:
        return index == 0 ? std::optional(bytesOf(keyCodes)) : std::nullopt;
    case CmdMacroSlot:
        return elementBytes(macroSlots, index);
    default:
        return std::nullopt;
    }
}

bool KeyboardModel::selectable(std::uint8_t command, std::uint8_t value) const
{
    switch (command) {
    case CmdCurrentProfile:
        return value < currentModes.size();
    case CmdProfileMode:
        return value < modes.size();
    case CmdColourSet:
        return value < colourSets.size();
    default:
        return true;
    }
}

void KeyboardModel::afterWrite(std::uint8_t command)
{
    if (command != CmdDeviceControl)
        return;
    if (controlBlock[kFactoryResetAt] == 0 && controlBlock[kFactoryResetAt + 1] == 0)
        return;
    const auto block = controlBlock;
    *this = factoryDefaults();
    controlBlock = block;
    controlBlock[kFactoryResetAt] = controlBlock[kFactoryResetAt + 1] = 0;
}

} // namespace kb
