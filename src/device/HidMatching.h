#pragma once

#include "device/HidPathInfo.h"

#include <cstdint>
#include <span>

namespace kb {

// Enumeration rule: the keyboard's vendor, one of the given products, and exactly the
// keyboard's interface. Revision and collection are not looked at.
bool isKeyboardInterface(const HidPathInfo& info, std::span<const std::int32_t> productIds);

// Hot-plug rule: the keyboard's vendor and product, an interface that is the keyboard's
// or absent, and no collection part.
bool isKeyboardNotification(const HidPathInfo& info);

} // namespace kb
