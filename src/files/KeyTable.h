#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kb {

// One key of the built-in key table. A key is known three ways: by the
// virtual key and extended flag of a key event, by the code stored in a macro
// item (scan code, plus 0x100 for an extended key), and by the HID usage that
// the keyboard stores in its macro slots.
struct KeyTableRow {
    std::uint16_t extended;   // 1 for an extended key
    std::uint16_t virtualKey; // virtual-key code of a key event
    std::uint16_t scanCode;   // scan code of a key event
    std::uint16_t hidUsage;   // usage on the keyboard page; the low byte travels
    std::string_view name;    // UTF-8

    static constexpr std::int32_t kExtendedBit = 0x100;

    // The macro item code of this key.
    std::int32_t code() const { return scanCode | (extended ? kExtendedBit : 0); }
};

inline constexpr std::size_t kKeyTableSize = 124;

// All rows; row 0 is the "not found" row (all numbers 0, empty name).
std::span<const KeyTableRow, kKeyTableSize> keyTable();

// Each lookup scans rows 1 to 123 and returns the first match, or row 0.

// A key event: the low 16 bits of its virtual-key code, and bit 0 of its flag
// word (the extended-key bit).
const KeyTableRow& keyByHookEvent(std::uint32_t virtualKey, std::uint32_t flags);
// A macro item code: scan code with bit 8 marking an extended key.
const KeyTableRow& keyByCode(std::int32_t code);
// A usage byte read from the keyboard.
const KeyTableRow& keyByHidUsage(std::uint8_t usage);

} // namespace kb
