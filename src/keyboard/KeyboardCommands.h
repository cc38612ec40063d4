#pragma once

// The keyboard's commands as the keyboard logic uses them: one small function per command
// and direction over the feature-report transport. Each reports whether the whole payload
// moved; a read leaves its destination untouched unless it succeeded.

#include "device/HidDevice.h"
#include "keyboard/KeyboardRecords.h"

#include <cstdint>
#include <span>

namespace kb {

// Reads.
bool readDeviceInfo(HidDevice& device, KbDeviceInfo& info);
bool readModeAttributes(HidDevice& device, unsigned mode, _mode_attr_t& attributes);
bool readModeRegister(HidDevice& device, unsigned registerNumber, _reg_mode_t& reg);
bool readProfileMode(HidDevice& device, unsigned profile, std::uint8_t& mode);
bool readCurrentProfile(HidDevice& device, std::uint8_t& profile);
bool readColourSet(HidDevice& device, std::uint8_t& set);
bool readKeyColours(HidDevice& device, unsigned set, std::span<rgba_t> colours);
bool readKeyCodes(HidDevice& device, std::span<macro_code_t> codes);
bool readMacroSlot(HidDevice& device, unsigned slot, MacroSlotRecord& record);

// Writes. The current mode and the key colours go to the keyboard's current profile and
// colour set (index 0).
bool sendModeRegister(HidDevice& device, unsigned registerNumber, const _reg_mode_t& reg);
bool sendProfileMode(HidDevice& device, std::uint8_t mode);
bool sendCurrentProfile(HidDevice& device, std::uint8_t profile);
bool sendColourSet(HidDevice& device, std::uint8_t set);
bool sendKeyColours(HidDevice& device, std::span<const rgba_t> colours);
bool sendKeyCodes(HidDevice& device, std::span<const macro_code_t> codes);
bool sendMacroSlot(HidDevice& device, unsigned slot, const MacroSlotRecord& record);

// Words of the keyboard's control block.
enum ControlWord : std::uint32_t {
    ControlNotifyMask = 8,
    ControlFactoryReset = 10,
};
bool sendControlWord(HidDevice& device, ControlWord word, std::uint16_t value);

} // namespace kb
