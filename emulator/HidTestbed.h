#pragma once

#include "device/KeyboardIdentity.h"
#include "emulator/KeyboardEmulator.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace kb {

// A HID device to put into the testbed: a USB device with one interface, its HID device
// and the hidraw node.
struct FakeHidDevice {
    std::uint16_t vendorId = kKeyboardVendorId;
    std::uint16_t productId = kKeyboardProductId;
    std::uint8_t interfaceNumber = kKeyboardInterface;
    KeyboardEmulator* emulator = nullptr; // answers the node's feature reports; none refuses them
};

// What plugging produced: the node and its interface path as the Linux backend sees it.
struct PluggedHidDevice {
    std::string node;          // /dev/hidrawN
    std::string interfacePath; // \\?\hid#vid_…&pid_…&mi_…#/dev/hidrawN
};

// A faked sysfs and /dev under umockdev, into which HID devices are plugged and from which
// they are unplugged, so that the real libudev enumeration, the udev monitor and the
// hidraw ioctls of LinuxHidBackend and HidMonitor run unchanged. The feature-report ioctls
// of a node go to its KeyboardEmulator, on umockdev's own thread.
//
// The process must run under the umockdev preload (`umockdev-wrapper program`). Create the
// testbed before any HidMonitor (and before a QApplication); keep one per process.
class HidTestbed {
public:
    // Whether the process runs under the preload, so that a testbed can be created.
    static bool available();

    // Throws std::runtime_error when not available().
    HidTestbed();
    // Unplugs whatever is still plugged.
    ~HidTestbed();

    HidTestbed(const HidTestbed&) = delete;
    HidTestbed& operator=(const HidTestbed&) = delete;

    // Adds the device chain (each part with an "add" event); every plug gets a new node.
    PluggedHidDevice plug(const FakeHidDevice& device);

    // Sends "remove" for the node, then takes its device chain away. Unknown nodes are
    // ignored.
    void unplug(const std::string& node);

private:
    struct Plugged;

    UMockdevTestbed* testbed_;
    std::vector<std::unique_ptr<Plugged>> plugged_;
    int nextNumber_ = 0;
};

} // namespace kb
