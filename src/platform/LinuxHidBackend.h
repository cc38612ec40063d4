#pragma once

#include "platform/HidBackend.h"

namespace kb {

// HID on Linux: libudev enumerates the hidraw nodes, the node is opened read-write, and
// feature reports travel through the HIDIOCSFEATURE / HIDIOCGFEATURE ioctls.
class LinuxHidBackend final : public HidBackend {
public:
    std::vector<std::string> enumerateInterfaces() override;
    HidHandle open(const std::string& path) override;
    bool close(HidHandle handle) override;
    bool setFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
    bool getFeature(HidHandle handle, std::span<std::uint8_t> report) override;
};

} // namespace kb
