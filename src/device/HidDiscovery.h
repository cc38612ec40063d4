#pragma once

#include "device/HidDevice.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kb {

// The paths of the present keyboard interfaces (the keyboard's vendor, one of the given
// products, the keyboard's interface), in enumeration order. An empty list matches
// nothing. The caller uses the first, if any.
std::vector<std::string> findHidInterfaces(HidBackend& backend, std::span<const std::int32_t> productIds);

// Opens the path for writing and then for reading, replacing (closing) the handles that
// are there. Returns how many opened: 0, 1 or 2. The caller holds openLock.
int openHidDevice(HidDevice& device, const std::string& path);

// Closes the read handle and then the write handle, each only if present; a handle that
// closes is emptied and its closed-event set, one that does not close stays as it is.
void closeHidDevice(HidDevice& device);

} // namespace kb
