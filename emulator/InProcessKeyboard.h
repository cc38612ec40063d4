#pragma once

#include "device/HidDevice.h"
#include "emulator/EmulatorHidBackend.h"
#include "emulator/KeyboardEmulator.h"

#include <string>

namespace kb {

// The keyboard's interface path as the in-process backend offers it.
inline const std::string kInProcessKeyboardPath = R"(\\?\hid#vid_1209&pid_0001&mi_03#emulated0)";

// An emulated keyboard plugged into an in-process backend under kInProcessKeyboardPath,
// and a device record over that backend — closed until open() (or the keyboard logic)
// opens it. The quickest way for a test to drive the device link without a kernel.
struct InProcessKeyboard {
    InProcessKeyboard();

    // Opens the keyboard's interface; the number of handles opened.
    int open();

    KeyboardEmulator emulator;
    EmulatorHidBackend backend;
    HidDevice device{backend};
};

} // namespace kb
