#pragma once

// The records that config.xml supplies.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kb {

// A USB identity.
struct UsbInfo {
    std::int32_t vid = 0;
    std::int32_t pid = 0;
    std::int32_t interface = 0;
    std::int32_t subdevice = 0; // collection number

    bool operator==(const UsbInfo& other) const = default;
};

// A media key offered by the macro editor.
struct MacroFuncKey {
    std::string name;      // label, also the key under which its translation is found
    std::int32_t code = 0; // its low 16 bits become the key assignment's value
    std::string path;      // carried only
    std::string argm;      // carried only

    bool operator==(const MacroFuncKey& other) const = default;
};

// One key of a key combination: first is the key's HID usage (its low 8 bits
// are used), second is carried only.
using MacroKeyPair = std::pair<std::int32_t, std::int32_t>;

// A key combination offered by the macro editor as a function key.
struct MacroCombKey {
    std::string name; // label, also the key under which its translation is found
    std::vector<MacroKeyPair> codes;

    bool operator==(const MacroCombKey& other) const = default;
};

} // namespace kb
