#include "platform/LinuxHidBackend.h"

#include "platform/HidInterfacePath.h"
#include "platform/UdevHandles.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kb {
namespace {

std::string interfacePathOf(udev* context, const char* syspath)
{
    UdevDevice device(udev_device_new_from_syspath(context, syspath));
    if (!device)
        return {};
    const char* devpath = udev_device_get_devpath(device.get());
    const char* devnode = udev_device_get_devnode(device.get());
    return hidInterfacePath(devpath ? devpath : "", devnode ? devnode : "").value_or(std::string());
}

} // namespace

std::vector<std::string> LinuxHidBackend::enumerateInterfaces()
{
    std::vector<std::string> paths;
    UdevContext context(udev_new());
    if (!context)
        return paths;
    UdevEnumerate enumerate(udev_enumerate_new(context.get()));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "hidraw") < 0
        || udev_enumerate_scan_devices(enumerate.get()) < 0)
        return paths;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get()))
        paths.push_back(interfacePathOf(context.get(), udev_list_entry_get_name(entry)));
    return paths;
}

HidHandle LinuxHidBackend::open(const std::string& path)
{
    const int fd = ::open(hidNodeOfPath(path).c_str(), O_RDWR | O_CLOEXEC);
    return fd < 0 ? kInvalidHidHandle : fd;
}

bool LinuxHidBackend::close(HidHandle handle)
{
    return handle >= 0 && ::close(handle) == 0;
}

bool LinuxHidBackend::setFeature(HidHandle handle, std::span<const std::uint8_t> report)
{
    // The ioctl's size is part of its request number; the feature report has one fixed size.
    if (handle < 0)
        return false;
    return ::ioctl(handle, HIDIOCSFEATURE(report.size()), report.data()) >= 0;
}

bool LinuxHidBackend::getFeature(HidHandle handle, std::span<std::uint8_t> report)
{
    if (handle < 0)
        return false;
    return ::ioctl(handle, HIDIOCGFEATURE(report.size()), report.data()) >= 0;
}

} // namespace kb
