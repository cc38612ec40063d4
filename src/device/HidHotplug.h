#pragma once

#include "device/HidDevice.h"
#include "state/ShapeType.h"

#include <functional>
#include <string_view>

namespace kb {

// Writes the keyboard logic's connection value: 1 when the keyboard arrived, 0 when it
// left (delivered to the logic itself and every linked value, hooks called on change).
using ConnectionWriter = std::function<void(int connection)>;

// The keyboard logic's connection value: 0 disconnected, else the number of open handles.
using ConnectionValue = ShapeType<int, 1000, 1, 1>;

// A device arrival: when the path is the keyboard's (hot-plug rule), opens it — replacing
// handles that are open — and, if at least one handle opened, writes 1. Returns whether a
// handle opened.
bool onHidArrival(HidDevice& device, std::string_view path, const ConnectionWriter& writeConnection);

// A device removal: when the path is the keyboard's, closes the device and writes 0.
void onHidRemoval(HidDevice& device, std::string_view path, const ConnectionWriter& writeConnection);

// The same, writing the keyboard logic's connection value with tag 0, delivered to the
// value itself and its peers, not forced: an unchanged value publishes nothing.
bool onHidArrival(HidDevice& device, std::string_view path, ConnectionValue& connection);
void onHidRemoval(HidDevice& device, std::string_view path, ConnectionValue& connection);

} // namespace kb
