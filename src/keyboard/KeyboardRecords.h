#pragma once

// The byte records that travel to and from the keyboard. Each one is held in
// memory exactly as it travels: no padding, multi-byte fields little-endian
// whatever the host's byte order, text in the locale's narrow character set.
// Every member has alignment 1, so the structs are packed without pragmas.
// The records are trivial types: value-initialise them (`Record r{}`) to get
// all bytes 0, and copy them with memcpy to and from report buffers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace kb {

// A 16-bit little-endian field.
struct LeU16 {
    std::uint8_t bytes[2];

    LeU16() = default;
    LeU16(std::uint16_t v) { *this = v; }
    LeU16& operator=(std::uint16_t v)
    {
        bytes[0] = static_cast<std::uint8_t>(v & 0xFF);
        bytes[1] = static_cast<std::uint8_t>(v >> 8);
        return *this;
    }
    operator std::uint16_t() const
    {
        return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
    }
};
static_assert(sizeof(LeU16) == 2 && alignof(LeU16) == 1);

// Answer to the device information command. Only three fields are used.
struct KbDeviceInfo {
    std::uint8_t head[78];
    LeU16 profileCount;   // number of profiles
    LeU16 modeCount;      // lighting modes; each profile has one register per mode
    std::uint8_t reserved82[2];
    LeU16 macroSlotCount; // number of macro slots in the keyboard
    std::uint8_t tail[4];

    bool operator==(const KbDeviceInfo& other) const;
};
static_assert(sizeof(KbDeviceInfo) == 90);
static_assert(offsetof(KbDeviceInfo, profileCount) == 78);
static_assert(offsetof(KbDeviceInfo, modeCount) == 80);
static_assert(offsetof(KbDeviceInfo, macroSlotCount) == 84);

// Light direction codes of a mode register.
enum ModeDirection : std::uint8_t {
    DirectionRight = 0,
    DirectionLeft = 1,
    DirectionTop = 2,
    DirectionBottom = 3,
};

// The settings of one lighting mode in one profile.
struct _reg_mode_t {
    std::uint8_t foreBrightness;
    std::uint8_t backBrightness;
    // bits 0-3 speed, 4-5 direction, 6 kept as received, 7 automatic colour
    std::uint8_t control;
    std::uint8_t foreColour[3]; // red, green, blue
    std::uint8_t backColour[3]; // red, green, blue

    static constexpr std::uint8_t kSpeedMask = 0x0F;
    static constexpr std::uint8_t kDirectionMask = 0x30;
    static constexpr std::uint8_t kKeptBit = 0x40;
    static constexpr std::uint8_t kAutoColourBit = 0x80;

    std::uint8_t speed() const { return control & kSpeedMask; }
    void setSpeed(unsigned value);
    std::uint8_t direction() const { return (control & kDirectionMask) >> 4; }
    void setDirection(unsigned value);
    bool autoColour() const { return (control & kAutoColourBit) != 0; }
    void setAutoColour(bool on);

    // Colours in the UI layout: red in the lowest byte, then green, blue;
    // the alpha byte of a colour given is ignored, the one returned is 0.
    std::uint32_t foreColourValue() const;
    void setForeColourValue(std::uint32_t colour);
    std::uint32_t backColourValue() const;
    void setBackColourValue(std::uint32_t colour);

    // Bit 6 of the control byte does not take part.
    bool operator==(const _reg_mode_t& other) const;
};
static_assert(sizeof(_reg_mode_t) == 9);

// Flag bits of a lighting mode: which settings the mode offers.
enum ModeFlag : std::uint16_t {
    ModeAutoColour = 1u << 1,
    ModeForeColour = 1u << 2,
    ModeBackColour = 1u << 3,
    ModePerKeyColours = 1u << 4,
    ModeSpeed = 1u << 5,
    ModeForeBrightness = 1u << 6,
    ModeBackBrightness = 1u << 7,
    ModeHorizontalDirections = 1u << 8,
    ModeVerticalDirections = 1u << 9,
    ModeRotatingDirections = 1u << 10,
};

// The description of one lighting mode.
struct _mode_attr_t {
    static constexpr std::size_t kNameSize = 60;

    LeU16 flags; // ModeFlag bits; 0 = a mode without settings
    char name[kNameSize];

    bool has(ModeFlag flag) const { return (flags & flag) != 0; }
    std::string getName() const;
    void setName(std::string_view utf8);
    // Flags equal and names equal up to their terminating 0.
    bool operator==(const _mode_attr_t& other) const;
};
static_assert(sizeof(_mode_attr_t) == 62);

// The description of one profile; built by the keyboard logic, not sent.
struct _profile_attr_t {
    static constexpr std::size_t kNameSize = 60;

    char name[kNameSize];

    std::string getName() const;
    void setName(std::string_view utf8);
    // Names equal up to their terminating 0.
    bool operator==(const _profile_attr_t& other) const;
};
static_assert(sizeof(_profile_attr_t) == 60);

// One key's colour; the fourth byte travels as stored.
struct rgba_t {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t alpha;

    // The UI's colour layout is the same byte order: red lowest, alpha highest.
    static rgba_t fromColour(std::uint32_t colour);
    std::uint32_t colour() const;

    bool operator==(const rgba_t& other) const = default;
};
static_assert(sizeof(rgba_t) == 4);

// Kinds of key assignment (the type nibble of a key code). From
// MacroCodeSlotBase upward the value is a macro slot number.
enum MacroCodeType : std::uint8_t {
    MacroCodeOwnFunction = 0,
    MacroCodeMacroFirstPlayMode = 1,
    MacroCodeKey = 2,
    MacroCodeSlotBase = 3,
};

// One key's assignment: bits 0-11 value, bits 12-15 type.
struct macro_code_t {
    LeU16 word;

    static macro_code_t make(unsigned type, unsigned value);
    std::uint16_t value() const { return word & 0x0FFF; }
    std::uint8_t type() const { return static_cast<std::uint8_t>(word >> 12); }
    void setValue(unsigned value);
    void setType(unsigned type);

    bool operator==(const macro_code_t& other) const { return word == other.word; }
};
static_assert(sizeof(macro_code_t) == 2);

// One event of a macro slot: the key's HID usage, a delay of up to 32767 ms
// before the next event, and whether the key is pressed or released.
struct macro_event_t {
    static constexpr std::uint32_t kMaxDelay = 32767;

    std::uint8_t usage;
    std::uint8_t delayLow;        // delay bits 0-7
    std::uint8_t delayHighState;  // bits 0-6 delay bits 8-14, bit 7 pressed

    std::uint32_t delay() const;
    // Longer delays are stored as kMaxDelay.
    void setDelay(std::uint32_t ms);
    bool pressed() const { return (delayHighState & 0x80) != 0; }
    void setPressed(bool pressed);

    bool operator==(const macro_event_t& other) const = default;
};
static_assert(sizeof(macro_event_t) == 3);

// The contents of one macro slot.
struct MacroSlotRecord {
    static constexpr std::size_t kNameSize = 38;
    static constexpr std::size_t kMaxEvents = 109;

    char name[kNameSize]; // at most 37 bytes and a 0
    std::uint8_t repeat;
    std::uint8_t eventCount; // valid events; at most kMaxEvents are stored
    macro_event_t events[kMaxEvents];

    std::string getName() const;
    void setName(std::string_view utf8);
    // eventCount limited to the events the record can hold.
    std::size_t storedEventCount() const;

    // repeat, eventCount, all events byte for byte, names up to their 0.
    bool operator==(const MacroSlotRecord& other) const;
};
static_assert(sizeof(MacroSlotRecord) == 367);
static_assert(offsetof(MacroSlotRecord, repeat) == 38);
static_assert(offsetof(MacroSlotRecord, eventCount) == 39);
static_assert(offsetof(MacroSlotRecord, events) == 40);

// A key-assignment request from the macro dialog; held only in memory.
struct macrokey_pack_t {
    std::uint16_t type;     // type of the new key code
    std::uint16_t keyIndex; // key position 0-108
    std::uint16_t value;    // value of the new key code for types 0 to 2
    MacroSlotRecord record;     // the macro for types 3 and higher

    macro_code_t code() const { return macro_code_t::make(type, value); }

    bool operator==(const macrokey_pack_t& other) const = default;
};

static_assert(std::is_trivial_v<KbDeviceInfo> && std::is_trivial_v<_reg_mode_t>
              && std::is_trivial_v<_mode_attr_t> && std::is_trivial_v<_profile_attr_t>
              && std::is_trivial_v<rgba_t> && std::is_trivial_v<macro_code_t>
              && std::is_trivial_v<MacroSlotRecord> && std::is_trivial_v<macrokey_pack_t>);

} // namespace kb
