#include "emulator/InProcessKeyboard.h"

#include "device/HidDiscovery.h"

namespace kb {

InProcessKeyboard::InProcessKeyboard()
{
    backend.plug(kInProcessKeyboardPath, &emulator);
}

int InProcessKeyboard::open()
{
    return openHidDevice(device, kInProcessKeyboardPath);
}

} // namespace kb
