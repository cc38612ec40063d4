#include "device/HidHotplug.h"

#include "device/HidDiscovery.h"
#include "device/HidMatching.h"

#include <string>

namespace kb {
namespace {

bool concernsKeyboard(std::string_view path)
{
    const auto info = parseHidPath(path);
    return info && isKeyboardNotification(*info);
}

ConnectionWriter writerOf(ConnectionValue& connection)
{
    return [&connection](int value) { connection.writeValue(value, 0, true, false); };
}

} // namespace

bool onHidArrival(HidDevice& device, std::string_view path, const ConnectionWriter& writeConnection)
{
    if (!concernsKeyboard(path))
        return false;
    int opened;
    {
        std::lock_guard openLock(device.openLock);
        opened = openHidDevice(device, std::string(path));
    }
    if (opened == 0)
        return false;
    writeConnection(1);
    return true;
}

void onHidRemoval(HidDevice& device, std::string_view path, const ConnectionWriter& writeConnection)
{
    if (!concernsKeyboard(path))
        return;
    closeHidDevice(device);
    writeConnection(0);
}

bool onHidArrival(HidDevice& device, std::string_view path, ConnectionValue& connection)
{
    return onHidArrival(device, path, writerOf(connection));
}

void onHidRemoval(HidDevice& device, std::string_view path, ConnectionValue& connection)
{
    onHidRemoval(device, path, writerOf(connection));
}

} // namespace kb
