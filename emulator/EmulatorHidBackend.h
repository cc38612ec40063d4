#pragma once

#include "emulator/KeyboardEmulator.h"
#include "platform/HidBackend.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace kb {

// An in-process HID backend: interfaces are plugged in by path, and the feature reports
// of a plugged keyboard interface go straight to its emulator. Handles opened on an
// interface that is then unplugged stay open, but every transfer through them fails. A
// keyboard whose emulator vanished is no longer listed and cannot be opened.
class EmulatorHidBackend final : public HidBackend {
public:
    // Makes an interface present. With no emulator it is some other HID device that
    // refuses every feature report.
    void plug(const std::string& path, KeyboardEmulator* emulator = nullptr);
    void unplug(const std::string& path);

    // Handles that are open now (opened and not yet closed).
    std::size_t openHandleCount() const;

    std::vector<std::string> enumerateInterfaces() override;
    HidHandle open(const std::string& path) override;
    bool close(HidHandle handle) override;
    bool setFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
    bool getFeature(HidHandle handle, std::span<std::uint8_t> report) override;

private:
    struct Interface {
        std::string path;
        KeyboardEmulator* emulator;
        std::size_t plugNumber;
    };

    // The emulator behind an open handle whose interface is still plugged in.
    KeyboardEmulator* emulatorOf(HidHandle handle) const;

    mutable std::mutex mutex_;
    std::vector<Interface> interfaces_;
    std::map<HidHandle, std::size_t> openHandles_; // handle → plug number
    std::size_t nextPlugNumber_ = 0;
    HidHandle nextHandle_ = 3;
};

} // namespace kb
