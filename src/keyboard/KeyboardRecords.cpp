#include "keyboard/KeyboardRecords.h"

#include "keyboard/DeviceText.h"

#include <algorithm>
#include <cstring>

namespace kb {

namespace {

std::uint32_t packColour(const std::uint8_t rgb[3])
{
    return static_cast<std::uint32_t>(rgb[0]) | (static_cast<std::uint32_t>(rgb[1]) << 8)
        | (static_cast<std::uint32_t>(rgb[2]) << 16);
}

void unpackColour(std::uint32_t colour, std::uint8_t rgb[3])
{
    rgb[0] = static_cast<std::uint8_t>(colour);
    rgb[1] = static_cast<std::uint8_t>(colour >> 8);
    rgb[2] = static_cast<std::uint8_t>(colour >> 16);
}

} // namespace

bool KbDeviceInfo::operator==(const KbDeviceInfo& other) const
{
    return std::memcmp(this, &other, sizeof *this) == 0;
}

void _reg_mode_t::setSpeed(unsigned value)
{
    control = static_cast<std::uint8_t>((control & ~kSpeedMask) | (value & kSpeedMask));
}

void _reg_mode_t::setDirection(unsigned value)
{
    control = static_cast<std::uint8_t>((control & ~kDirectionMask) | ((value << 4) & kDirectionMask));
}

void _reg_mode_t::setAutoColour(bool on)
{
    control = static_cast<std::uint8_t>(on ? (control | kAutoColourBit) : (control & ~kAutoColourBit));
}

std::uint32_t _reg_mode_t::foreColourValue() const { return packColour(foreColour); }
void _reg_mode_t::setForeColourValue(std::uint32_t colour) { unpackColour(colour, foreColour); }
std::uint32_t _reg_mode_t::backColourValue() const { return packColour(backColour); }
void _reg_mode_t::setBackColourValue(std::uint32_t colour) { unpackColour(colour, backColour); }

bool _reg_mode_t::operator==(const _reg_mode_t& other) const
{
    return foreBrightness == other.foreBrightness && backBrightness == other.backBrightness
        && (control & ~kKeptBit) == (other.control & ~kKeptBit)
        && std::memcmp(foreColour, other.foreColour, sizeof foreColour) == 0
        && std::memcmp(backColour, other.backColour, sizeof backColour) == 0;
}

std::string _mode_attr_t::getName() const { return deviceTextToUtf8(name, kNameSize); }
void _mode_attr_t::setName(std::string_view utf8) { utf8ToDeviceText(utf8, name, kNameSize); }

bool _mode_attr_t::operator==(const _mode_attr_t& other) const
{
    return flags == other.flags && deviceTextEqual(name, other.name, kNameSize);
}

std::string _profile_attr_t::getName() const { return deviceTextToUtf8(name, kNameSize); }
void _profile_attr_t::setName(std::string_view utf8) { utf8ToDeviceText(utf8, name, kNameSize); }

bool _profile_attr_t::operator==(const _profile_attr_t& other) const
{
    return deviceTextEqual(name, other.name, kNameSize);
}

rgba_t rgba_t::fromColour(std::uint32_t colour)
{
    return rgba_t{static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
                  static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 24)};
}

std::uint32_t rgba_t::colour() const
{
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8)
        | (static_cast<std::uint32_t>(blue) << 16) | (static_cast<std::uint32_t>(alpha) << 24);
}

macro_code_t macro_code_t::make(unsigned type, unsigned value)
{
    macro_code_t code{};
    code.setType(type);
    code.setValue(value);
    return code;
}

void macro_code_t::setValue(unsigned value)
{
    word = static_cast<std::uint16_t>((word & 0xF000) | (value & 0x0FFF));
}

void macro_code_t::setType(unsigned type)
{
    word = static_cast<std::uint16_t>((word & 0x0FFF) | ((type & 0xF) << 12));
}

std::uint32_t macro_event_t::delay() const
{
    return static_cast<std::uint32_t>(delayHighState & 0x7F) * 256 + delayLow;
}

void macro_event_t::setDelay(std::uint32_t ms)
{
    const std::uint32_t stored = std::min(ms, kMaxDelay);
    delayLow = static_cast<std::uint8_t>(stored & 0xFF);
    delayHighState = static_cast<std::uint8_t>((delayHighState & 0x80) | ((stored >> 8) & 0x7F));
}

void macro_event_t::setPressed(bool pressed)
{
    delayHighState = static_cast<std::uint8_t>(pressed ? (delayHighState | 0x80) : (delayHighState & 0x7F));
}

std::string MacroSlotRecord::getName() const { return deviceTextToUtf8(name, kNameSize); }
void MacroSlotRecord::setName(std::string_view utf8) { utf8ToDeviceText(utf8, name, kNameSize); }

std::size_t MacroSlotRecord::storedEventCount() const
{
    return std::min<std::size_t>(eventCount, kMaxEvents);
}

bool MacroSlotRecord::operator==(const MacroSlotRecord& other) const
{
    return repeat == other.repeat && eventCount == other.eventCount
        && std::memcmp(events, other.events, sizeof events) == 0
        && deviceTextEqual(name, other.name, kNameSize);
}

} // namespace kb
