#include "device/HidDevice.h"

#include "device/HidDiscovery.h"

namespace kb {

HidDevice::HidDevice(HidBackend& backend)
    : backend(backend)
{
}

HidDevice::~HidDevice()
{
    closeHidDevice(*this);
}

} // namespace kb
