#pragma once

#include "device/HidDevice.h"

#include <functional>
#include <string_view>

namespace kb {

// Writes the keyboard logic's connection value: 1 when the keyboard arrived, 0 when it
// left (delivered to the logic itself and every linked value, hooks called on change).
using ConnectionWriter = std::function<void(int connection)>;

// A device arrival: when the path is the keyboard's (hot-plug rule), opens it — replacing
// handles that are open — and, if at least one handle opened, writes 1. Returns whether a
// handle opened.
bool onHidArrival(HidDevice& device, std::string_view path, const ConnectionWriter& writeConnection);

// A device removal: when the path is the keyboard's, closes the device and writes 0.
void onHidRemoval(HidDevice& device, std::string_view path, const ConnectionWriter& writeConnection);

} // namespace kb
