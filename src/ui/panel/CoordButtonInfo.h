#pragma once

#include <cstdint>
#include <string>

namespace kb {

// A key's area on a keyboard picture, relative to the picture's top-left corner.
struct KeyRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool contains(std::int32_t x, std::int32_t y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }

    bool operator==(const KeyRect& other) const = default;
};

// One key of a keyboard picture. A plain value: copied whole; its equality
// decides whether a published key selection changed anything.
struct CoordButtonInfo {
    std::int32_t id = -1;       // key identity; clicks and hover refer to it
    std::int32_t value = -1;    // carried, not interpreted
    std::int32_t position = 0;  // index in the key list; indexes the colour and code tables
    std::int32_t index = -1;    // carried, not interpreted
    std::string name;           // tooltip, passed to the macro dialog
    KeyRect rect;
    std::uint32_t background = 0; // filled under the key when non-zero
    std::uint32_t foreground = 0; // filled over the key when non-zero; per-key lighting colour
    std::string tip;            // tooltip used instead of the name when not empty
    bool marked = false;        // click selection and assignment mark
    bool hover = false;         // the cursor is over the key
    bool checked = false;       // selected in selection mode
    bool disabled = false;      // drawn disabled; no hover or mark drawing

    // All fields but position and index.
    bool operator==(const CoordButtonInfo& other) const;
};

} // namespace kb
