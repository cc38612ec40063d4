#pragma once

#include "device/HidDevice.h"
#include "device/HidDiscovery.h"
#include "emulator/EmulatorHidBackend.h"
#include "emulator/KeyboardEmulator.h"

#include <string>

namespace kb {

// The keyboard's interface path as the in-process backend offers it.
inline const std::string kEmulatedKeyboardPath = R"(\\?\hid#vid_1209&pid_0001&mi_03#emulated0)";

// An emulated keyboard plugged into an in-process backend, and a device record over it.
struct EmulatedDevice {
    KeyboardEmulator emulator;
    EmulatorHidBackend backend;
    HidDevice device{backend};

    EmulatedDevice() { backend.plug(kEmulatedKeyboardPath, &emulator); }

    int open() { return openHidDevice(device, kEmulatedKeyboardPath); }
};

} // namespace kb
