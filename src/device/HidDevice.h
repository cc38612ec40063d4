#pragma once

#include "device/Event.h"
#include "platform/HidBackend.h"

#include <mutex>
#include <optional>

namespace kb {

// The keyboard's open configuration interface: one per main window, lent to the keyboard
// logic. A handle is empty ("none") when it is not open, and kInvalidHidHandle when its
// open failed; every transfer through either fails.
//
// openLock keeps opening and closing apart; reportLock is held around every single
// feature-report transfer, and also while a handle is replaced or closed, so a transfer
// never uses a handle that is being closed under it.
struct HidDevice {
    explicit HidDevice(HidBackend& backend);
    // Closes the interface once more.
    ~HidDevice();

    HidDevice(const HidDevice&) = delete;
    HidDevice& operator=(const HidDevice&) = delete;

    HidBackend& backend;
    std::recursive_mutex openLock;
    std::recursive_mutex reportLock;
    std::optional<HidHandle> readHandle;
    std::optional<HidHandle> writeHandle;
    Event readClosed{Event::Reset::Auto};  // set each time readHandle is closed
    Event writeClosed{Event::Reset::Auto}; // set each time writeHandle is closed
};

} // namespace kb
