#pragma once

#include <cstdint>

namespace kb {

// The keyboard's command numbers. A read request, and the answer to it, carry the number
// with kReadRequestBit set.
enum FeatureCommand : std::uint8_t {
    CmdDeviceInfo = 1,
    CmdDeviceControl = 2,
    CmdModeAttributes = 3,
    CmdProfileMode = 4,
    CmdModeRegister = 5,
    CmdCurrentProfile = 6,
    CmdKeyColours = 7,
    CmdColourSet = 8,
    CmdKeyCodes = 9,
    CmdMacroSlot = 10,
};

inline constexpr std::uint8_t kReadRequestBit = 0x80;

} // namespace kb
