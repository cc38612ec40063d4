#include "device/HidDiscovery.h"

#include "device/HidMatching.h"
#include "device/HidPathInfo.h"

#include <cstdio>

namespace kb {
namespace {

// The HID device-interface class, in the form the diagnostics print class identifiers.
constexpr const char* kHidInterfaceClass = "4d1e55b2-f16f-11cf-88cb001111000030";

HidHandle openLogged(HidDevice& device, const std::string& path)
{
    const HidHandle handle = device.backend.open(path);
    std::printf("open dev: %08x\n", static_cast<unsigned>(handle));
    return handle;
}

// Closes a present handle; an emptied handle sets its event.
void closeHandle(HidDevice& device, std::optional<HidHandle>& handle, Event& closed)
{
    if (!handle || !device.backend.close(*handle))
        return;
    handle.reset();
    closed.set();
}

// Replaces a handle with a new open of the path, under reportLock so that no transfer
// is using the old one.
void reopenHandle(HidDevice& device, std::optional<HidHandle>& handle, Event& closed, const std::string& path)
{
    std::lock_guard reportLock(device.reportLock);
    closeHandle(device, handle, closed);
    handle = openLogged(device, path);
}

} // namespace

std::vector<std::string> findHidInterfaces(HidBackend& backend, std::span<const std::int32_t> productIds)
{
    std::printf("got classs: guid={%s}\n", kHidInterfaceClass);
    std::vector<std::string> found;
    int index = 0;
    for (const std::string& path : backend.enumerateInterfaces()) {
        std::printf("enum interface: guid={%s} index=%d\n", kHidInterfaceClass, index++);
        if (path.empty()) {
            std::printf("获取接口信息失败\n");
            continue;
        }
        const auto info = parseHidPath(path);
        if (info && isKeyboardInterface(*info, productIds))
            found.push_back(path);
    }
    return found;
}

int openHidDevice(HidDevice& device, const std::string& path)
{
    std::lock_guard openLock(device.openLock);
    reopenHandle(device, device.writeHandle, device.writeClosed, path);
    reopenHandle(device, device.readHandle, device.readClosed, path);
    return (*device.writeHandle != kInvalidHidHandle) + (*device.readHandle != kInvalidHidHandle);
}

void closeHidDevice(HidDevice& device)
{
    std::lock_guard openLock(device.openLock);
    std::lock_guard reportLock(device.reportLock);
    closeHandle(device, device.readHandle, device.readClosed);
    closeHandle(device, device.writeHandle, device.writeClosed);
}

} // namespace kb
