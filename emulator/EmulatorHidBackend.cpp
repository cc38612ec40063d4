#include "emulator/EmulatorHidBackend.h"

#include <algorithm>

namespace kb {

void EmulatorHidBackend::plug(const std::string& path, KeyboardEmulator* emulator)
{
    std::lock_guard lock(mutex_);
    interfaces_.push_back({path, emulator, nextPlugNumber_++});
}

void EmulatorHidBackend::unplug(const std::string& path)
{
    std::lock_guard lock(mutex_);
    std::erase_if(interfaces_, [&](const Interface& i) { return i.path == path; });
}

std::size_t EmulatorHidBackend::openHandleCount() const
{
    std::lock_guard lock(mutex_);
    return openHandles_.size();
}

std::vector<std::string> EmulatorHidBackend::enumerateInterfaces()
{
    std::lock_guard lock(mutex_);
    std::vector<std::string> paths;
    for (const Interface& i : interfaces_)
        if (!i.emulator || i.emulator->present())
            paths.push_back(i.path);
    return paths;
}

HidHandle EmulatorHidBackend::open(const std::string& path)
{
    std::lock_guard lock(mutex_);
    const auto found = std::find_if(interfaces_.begin(), interfaces_.end(),
                                    [&](const Interface& i) { return i.path == path; });
    if (found == interfaces_.end() || (found->emulator && !found->emulator->present()))
        return kInvalidHidHandle;
    const HidHandle handle = nextHandle_++;
    openHandles_[handle] = found->plugNumber;
    return handle;
}

bool EmulatorHidBackend::close(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    return openHandles_.erase(handle) == 1;
}

KeyboardEmulator* EmulatorHidBackend::emulatorOf(HidHandle handle) const
{
    std::lock_guard lock(mutex_);
    const auto open = openHandles_.find(handle);
    if (open == openHandles_.end())
        return nullptr;
    const auto plugged = std::find_if(interfaces_.begin(), interfaces_.end(),
                                      [&](const Interface& i) { return i.plugNumber == open->second; });
    return plugged == interfaces_.end() ? nullptr : plugged->emulator;
}

bool EmulatorHidBackend::setFeature(HidHandle handle, std::span<const std::uint8_t> report)
{
    KeyboardEmulator* emulator = emulatorOf(handle);
    return emulator && emulator->receiveReport(report);
}

bool EmulatorHidBackend::getFeature(HidHandle handle, std::span<std::uint8_t> report)
{
    KeyboardEmulator* emulator = emulatorOf(handle);
    return emulator && emulator->answerReport(report);
}

} // namespace kb
