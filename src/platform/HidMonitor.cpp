#include "platform/HidMonitor.h"

#include "platform/HidInterfacePath.h"

#include <cstring>
#include <optional>

namespace kb {
namespace {

std::optional<HidNotification> notificationOf(udev_device* device)
{
    const char* action = udev_device_get_action(device);
    if (!action)
        return std::nullopt;
    HidChange change;
    if (std::strcmp(action, "add") == 0)
        change = HidChange::Arrival;
    else if (std::strcmp(action, "remove") == 0)
        change = HidChange::Removal;
    else
        return std::nullopt;
    // A removed node's sysfs is gone: the path is built from the event's own properties.
    const char* devpath = udev_device_get_devpath(device);
    const char* devnode = udev_device_get_devnode(device);
    auto path = hidInterfacePath(devpath ? devpath : "", devnode ? devnode : "");
    if (!path)
        return std::nullopt;
    return HidNotification{change, std::move(*path)};
}

} // namespace

HidMonitor::HidMonitor()
    : context_(udev_new())
{
    if (!context_)
        return;
    UdevMonitor monitor(udev_monitor_new_from_netlink(context_.get(), "udev"));
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(monitor.get()) < 0)
        return;
    monitor_ = std::move(monitor);
}

int HidMonitor::fd() const
{
    return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

std::vector<HidNotification> HidMonitor::receive()
{
    std::vector<HidNotification> notifications;
    if (!monitor_)
        return notifications;
    // The monitor's socket is non-blocking: receiving stops when nothing is pending.
    while (UdevDevice device{udev_monitor_receive_device(monitor_.get())}) {
        if (auto notification = notificationOf(device.get()))
            notifications.push_back(std::move(*notification));
    }
    return notifications;
}

} // namespace kb
