#include "keyboard/KeyboardRecords.h"

#include "keyboard/LocaleGuard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kb {
namespace {

template <typename Record>
Record fromBytes(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes)
{
    Record record{};
    for (auto [offset, value] : bytes) reinterpret_cast<std::uint8_t*>(&record)[offset] = value;
    return record;
}

template <typename Record>
std::uint8_t byteAt(const Record& record, std::size_t offset)
{
    return reinterpret_cast<const std::uint8_t*>(&record)[offset];
}

TEST(KbDeviceInfo, FieldsAreLittleEndianAtTheirOffsets)
{
    auto info = fromBytes<KbDeviceInfo>({{78, 0x03}, {79, 0x01}, {80, 0x0A}, {84, 0x40}, {85, 0x02}});
    EXPECT_EQ(info.profileCount, 0x0103);
    EXPECT_EQ(info.modeCount, 0x000A);
    EXPECT_EQ(info.macroSlotCount, 0x0240);

    info.modeCount = 0xBEEF;
    EXPECT_EQ(byteAt(info, 80), 0xEF);
    EXPECT_EQ(byteAt(info, 81), 0xBE);
}

TEST(RegMode, EveryBitButTheKeptOneTakesPartInEquality)
{
    const _reg_mode_t base = fromBytes<_reg_mode_t>({{0, 0x11}, {2, 0x25}, {5, 0x7F}});
    for (std::size_t byte = 0; byte < sizeof(_reg_mode_t); ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            _reg_mode_t other = base;
            reinterpret_cast<std::uint8_t*>(&other)[byte] ^= static_cast<std::uint8_t>(1u << bit);
            const bool kept = byte == 2 && bit == 6;
            EXPECT_EQ(other == base, kept) << "byte " << byte << " bit " << bit;
        }
    }
}

TEST(RegMode, SettersChangeOnlyTheirBits)
{
    _reg_mode_t reg = fromBytes<_reg_mode_t>({{2, 0x40}});
    reg.setSpeed(0x1F); // only four bits exist
    reg.setDirection(DirectionBottom);
    reg.setAutoColour(true);
    EXPECT_EQ(reg.control, 0x40 | 0x80 | 0x30 | 0x0F);
    EXPECT_EQ(reg.speed(), 0x0F);
    EXPECT_EQ(reg.direction(), DirectionBottom);
    EXPECT_TRUE(reg.autoColour());

    reg.setDirection(DirectionLeft);
    reg.setAutoColour(false);
    reg.setSpeed(2);
    EXPECT_EQ(reg.control, 0x40 | 0x10 | 0x02);

    reg.setForeColourValue(0xFF332211); // alpha byte ignored
    EXPECT_EQ(byteAt(reg, 3), 0x11);
    EXPECT_EQ(byteAt(reg, 4), 0x22);
    EXPECT_EQ(byteAt(reg, 5), 0x33);
    EXPECT_EQ(reg.foreColourValue(), 0x00332211u);
    reg.setBackColourValue(0x00665544);
    EXPECT_EQ(byteAt(reg, 6), 0x44);
    EXPECT_EQ(byteAt(reg, 8), 0x66);
}

TEST(ModeAttr, NamesCompareAsTerminatedStrings)
{
    _mode_attr_t a{};
    a.flags = ModeSpeed | ModePerKeyColours;
    std::memcpy(a.name, "Wave\0junk", 9);
    _mode_attr_t b = a;
    std::memcpy(b.name + 5, "other", 5);
    EXPECT_EQ(a, b);

    b.name[2] = 'x';
    EXPECT_NE(a, b);

    b = a;
    b.flags = ModeSpeed;
    EXPECT_NE(a, b);
    EXPECT_TRUE(a.has(ModePerKeyColours));
    EXPECT_FALSE(b.has(ModePerKeyColours));
    EXPECT_EQ(byteAt(a, 0), 0x30);
}

TEST(ProfileAttr, NameRoundTripAndEquality)
{
    _profile_attr_t a{};
    a.setName("P3");
    EXPECT_EQ(a.getName(), "P3");
    EXPECT_EQ(std::string(a.name, 3), std::string("P3\0", 3));
    _profile_attr_t b = a;
    b.name[10] = 'z';
    EXPECT_EQ(a, b);
    b.setName("P4");
    EXPECT_NE(a, b);
}

TEST(Rgba, ColourLayoutIsRedLowest)
{
    const rgba_t colour = rgba_t::fromColour(0x70FF8001);
    EXPECT_EQ(colour.red, 0x01);
    EXPECT_EQ(colour.green, 0x80);
    EXPECT_EQ(colour.blue, 0xFF);
    EXPECT_EQ(colour.alpha, 0x70);
    EXPECT_EQ(colour.colour(), 0x70FF8001u);
    EXPECT_NE(colour, rgba_t::fromColour(0x00FF8001));
}

TEST(MacroCode, ValueAndTypeShareOneLittleEndianWord)
{
    macro_code_t code = macro_code_t::make(3, 0xABC);
    EXPECT_EQ(code.word, 0x3ABC);
    EXPECT_EQ(byteAt(code, 0), 0xBC);
    EXPECT_EQ(byteAt(code, 1), 0x3A);
    EXPECT_EQ(code.type(), 3);
    EXPECT_EQ(code.value(), 0xABC);

    code.setValue(0x1FFF); // value has twelve bits
    EXPECT_EQ(code.word, 0x3FFF);
    code.setType(MacroCodeKey);
    EXPECT_EQ(code.word, 0x2FFF);
    EXPECT_NE(code, macro_code_t::make(2, 0xFFE));
}

TEST(MacroEvent, DelayEncoding)
{
    struct Case {
        std::uint32_t ms;
        std::uint8_t low;
        std::uint8_t high;
    };
    const Case cases[] = {
        {0, 0x00, 0x00},       {300, 0x2C, 0x01},      {32767, 0xFF, 0x7F},
        {32768, 0xFF, 0x7F},   {40000, 0xFF, 0x7F},    {0xFFFFFFFF, 0xFF, 0x7F},
    };
    for (const Case& c : cases) {
        for (bool pressed : {false, true}) {
            macro_event_t event{};
            event.setPressed(pressed);
            event.setDelay(c.ms);
            EXPECT_EQ(event.delayLow, c.low) << c.ms;
            EXPECT_EQ(event.delayHighState, c.high | (pressed ? 0x80 : 0)) << c.ms;
            EXPECT_EQ(event.pressed(), pressed);
            EXPECT_EQ(event.delay(), std::min<std::uint32_t>(c.ms, 32767));
        }
    }
}

TEST(MacroSlot, LayoutOfNameRepeatCountAndEvents)
{
    MacroSlotRecord slot{};
    slot.repeat = 2;
    slot.eventCount = 1;
    slot.events[0].usage = 0x04;
    slot.events[0].setDelay(300);
    slot.events[0].setPressed(true);
    slot.events[108].usage = 0x05;
    EXPECT_EQ(byteAt(slot, 38), 2);
    EXPECT_EQ(byteAt(slot, 39), 1);
    EXPECT_EQ(byteAt(slot, 40), 0x04);
    EXPECT_EQ(byteAt(slot, 41), 0x2C);
    EXPECT_EQ(byteAt(slot, 42), 0x81);
    EXPECT_EQ(byteAt(slot, 364), 0x05);
}

TEST(MacroSlot, NameIsCutToThirtySevenBytesOnACharacterBoundary)
{
    test::LocaleGuard locale("C.UTF-8");
    ASSERT_TRUE(locale.active());
    MacroSlotRecord slot{};
    std::memset(slot.name, 'x', sizeof slot.name);
    const std::string name = std::string(36, 'm') + "\xC3\xA9"; // 38 bytes, last character 2 bytes
    slot.setName(name);
    EXPECT_EQ(slot.getName(), std::string(36, 'm'));
    EXPECT_EQ(slot.name[36], '\0');
    EXPECT_EQ(slot.name[37], '\0');

    slot.setName(std::string(50, 'n'));
    EXPECT_EQ(slot.getName(), std::string(37, 'n'));
    EXPECT_EQ(slot.name[37], '\0');
}

TEST(MacroSlot, EqualityRules)
{
    MacroSlotRecord a{};
    a.setName("macro");
    a.repeat = 1;
    a.eventCount = 2;
    a.events[0].usage = 0x04;
    a.events[1].usage = 0x04;
    a.events[1].setDelay(10);

    MacroSlotRecord b = a;
    b.name[20] = 'q'; // after the terminator
    EXPECT_EQ(a, b);

    const auto differs = [&](auto change) {
        MacroSlotRecord c = a;
        change(c);
        return !(c == a);
    };
    EXPECT_TRUE(differs([](MacroSlotRecord& c) { c.repeat = 2; }));
    EXPECT_TRUE(differs([](MacroSlotRecord& c) { c.eventCount = 3; }));
    EXPECT_TRUE(differs([](MacroSlotRecord& c) { c.events[108].usage = 1; })); // beyond eventCount still counts
    EXPECT_TRUE(differs([](MacroSlotRecord& c) { c.events[1].setPressed(true); }));
    EXPECT_TRUE(differs([](MacroSlotRecord& c) { c.name[0] = 'M'; }));

    MacroSlotRecord many{};
    many.eventCount = 200;
    EXPECT_EQ(many.storedEventCount(), MacroSlotRecord::kMaxEvents);
}

TEST(MacrokeyPack, CodeCombinesTypeAndValue)
{
    macrokey_pack_t pack{};
    pack.type = 2;
    pack.value = 0x04;
    pack.keyIndex = 60;
    EXPECT_EQ(pack.code().word, 0x2004);
    macrokey_pack_t other = pack;
    EXPECT_EQ(pack, other);
    other.record.repeat = 1;
    EXPECT_NE(pack, other);
}

} // namespace
} // namespace kb
