#pragma once

#include <libudev.h>

#include <memory>

namespace kb {

// Owning pointers for the libudev objects, released with their unref functions.
struct UdevUnref {
    void operator()(udev* p) const { udev_unref(p); }
    void operator()(udev_device* p) const { udev_device_unref(p); }
    void operator()(udev_enumerate* p) const { udev_enumerate_unref(p); }
    void operator()(udev_monitor* p) const { udev_monitor_unref(p); }
};

using UdevContext = std::unique_ptr<udev, UdevUnref>;
using UdevDevice = std::unique_ptr<udev_device, UdevUnref>;
using UdevEnumerate = std::unique_ptr<udev_enumerate, UdevUnref>;
using UdevMonitor = std::unique_ptr<udev_monitor, UdevUnref>;

} // namespace kb
