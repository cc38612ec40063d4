#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kb {

// An open HID interface as the backend knows it (a file descriptor on Linux).
using HidHandle = int;

// The value an open that failed leaves behind; every use of it fails.
inline constexpr HidHandle kInvalidHidHandle = -1;

// The operating system's HID facilities: enumeration of the present interfaces,
// opening and closing one, and moving feature reports through it. The Linux
// implementation is LinuxHidBackend; tests put an in-process keyboard in its place.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    // The interface paths of every present HID interface, in enumeration order. An empty
    // string stands for an interface whose path could not be read.
    virtual std::vector<std::string> enumerateInterfaces() = 0;

    // Opens the interface for reading and writing; kInvalidHidHandle when that fails.
    virtual HidHandle open(const std::string& path) = 0;

    // Closes the handle; false when the handle was not open.
    virtual bool close(HidHandle handle) = 0;

    // Sends one feature report (byte 0 is the report ID).
    virtual bool setFeature(HidHandle handle, std::span<const std::uint8_t> report) = 0;

    // Fetches one feature report; byte 0 holds the wanted report ID on entry.
    virtual bool getFeature(HidHandle handle, std::span<std::uint8_t> report) = 0;
};

} // namespace kb
