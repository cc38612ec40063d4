#pragma once

#include <cstdint>

namespace kb {

// The one keyboard model this tool serves, as its HID interface paths name it.
// 0x1209 / 0x0001 is a test identity until the real model's identifiers are known; the
// udev rule (platform/70-kbconf.rules) carries the same two numbers.
inline constexpr std::int32_t kKeyboardVendorId = 0x1209;
inline constexpr std::int32_t kKeyboardProductId = 0x0001;

// The interface that carries the configuration feature reports.
inline constexpr std::int32_t kKeyboardInterface = 3;

} // namespace kb
