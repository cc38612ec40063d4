#include "files/KeyTable.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kb {
namespace {

std::size_t rowOf(const KeyTableRow& row)
{
    return static_cast<std::size_t>(&row - keyTable().data());
}

TEST(KeyTable, NotFoundRowIsEmpty)
{
    const KeyTableRow& row = keyTable()[0];
    EXPECT_EQ(row.extended | row.virtualKey | row.scanCode | row.hidUsage, 0);
    EXPECT_TRUE(row.name.empty());
    EXPECT_EQ(rowOf(keyByCode(0)), 0u);
    EXPECT_EQ(rowOf(keyByHidUsage(0)), 0u);
    EXPECT_EQ(rowOf(keyByHookEvent(0, 0)), 0u);
}

struct Lookup {
    const char* what;
    const KeyTableRow& (*find)(std::uint32_t);
    std::uint32_t input;
    std::size_t row;
    const char* name;
};

const KeyTableRow& byCode(std::uint32_t code) { return keyByCode(static_cast<std::int32_t>(code)); }
const KeyTableRow& byUsage(std::uint32_t usage) { return keyByHidUsage(static_cast<std::uint8_t>(usage)); }
const KeyTableRow& byPlainEvent(std::uint32_t vk) { return keyByHookEvent(vk, 0); }
const KeyTableRow& byExtendedEvent(std::uint32_t vk) { return keyByHookEvent(vk, 1); }

TEST(KeyTable, FirstMatchSettlesDuplicates)
{
    const Lookup cases[] = {
        {"code", byCode, 0x2A, 76, "ShiftLeft"},
        {"code", byCode, 0x1D, 93, "CtrlLeft"},
        {"code", byCode, 0x52, 104, "Pad 0"},
        {"code", byCode, 0x152, 32, "Insert"},
        {"code", byCode, 0x47, 56, "Pad 7"},
        {"code", byCode, 0x4C, 74, "Pad 5"},
        {"code", byCode, 0x45, 17, "Pause"},
        {"code", byCode, 0x145, 35, "NumLock"},
        {"code", byCode, 0x37, 37, "Pad *"},
        {"code", byCode, 0x137, 15, "PrintScreen"},
        {"code", byCode, 0x1C, 72, "Enter"},
        {"code", byCode, 0x11C, 92, "Pad Enter"},
        {"code", byCode, 0x36, 0, ""},
        {"code", byCode, 0x136, 87, "ShiftRight"},
        {"code", byCode, 0x1FE, 121, "mouse left lick"},
        {"code", byCode, 0x3FF, 0, ""},
        {"code", byCode, 0xFFFFFFFF, 0, ""},
        {"usage", byUsage, 0x62, 104, "Pad 0"},
        {"usage", byUsage, 0x5F, 56, "Pad 7"},
        {"usage", byUsage, 0xE1, 76, "ShiftLeft"},
        {"usage", byUsage, 0xE0, 93, "CtrlLeft"},
        {"usage", byUsage, 0xA5, 121, "mouse left lick"},
        {"usage", byUsage, 0x04, 61, "A"},
        {"usage", byUsage, 0xFF, 0, ""},
        {"plain event", byPlainEvent, 0x2D, 106, "Insert/Pad 0"},
        {"extended event", byExtendedEvent, 0x2D, 32, "Insert"},
        {"plain event", byPlainEvent, 0x0C, 116, "Clear/Pad 5"},
        {"plain event", byPlainEvent, 0x10, 119, "ShiftLeft"},
        {"plain event", byPlainEvent, 0x11, 120, "CtrlLeft"},
        {"plain event", byPlainEvent, 0xA1, 0, ""},
        {"extended event", byExtendedEvent, 0xA1, 87, "ShiftRight"},
        {"plain event", byPlainEvent, 0xDE, 71, "\xE2\x80\x98"},
        {"plain event", byPlainEvent, 0xC0, 18, "~"},
        {"plain event", byPlainEvent, 0x1005C, 0, ""}, // 0x5C is only an extended key
        {"extended event", byExtendedEvent, 0x1005C, 98, "WinRight"}, // only the low 16 bits count
        {"plain event", byPlainEvent, 0xDC, 52, "\\"},
    };
    for (const Lookup& c : cases) {
        const KeyTableRow& row = c.find(c.input);
        EXPECT_EQ(rowOf(row), c.row) << c.what << " " << std::hex << c.input;
        EXPECT_EQ(row.name, c.name) << c.what << " " << std::hex << c.input;
    }
}

TEST(KeyTable, OnlyTheDuplicateRowsAreUnreachableByCodeAndUsage)
{
    // Row -> the earlier row that shadows it, for code and for HID usage.
    const std::map<std::size_t, std::size_t> shadowed = {
        {106, 104}, {107, 56}, {108, 58}, {109, 105}, {110, 89}, {111, 91}, {112, 57},
        {113, 73},  {114, 90}, {115, 75}, {116, 74},  {119, 76}, {120, 93},
    };
    for (std::size_t i = 1; i < kKeyTableSize; ++i) {
        const KeyTableRow& row = keyTable()[i];
        const auto shadow = shadowed.find(i);
        const std::size_t expected = shadow == shadowed.end() ? i : shadow->second;
        EXPECT_EQ(rowOf(keyByCode(row.code())), expected) << "row " << i;
        EXPECT_EQ(rowOf(keyByHidUsage(static_cast<std::uint8_t>(row.hidUsage))), expected) << "row " << i;
        EXPECT_EQ(rowOf(keyByHookEvent(row.virtualKey, row.extended)), i) << "row " << i;
        EXPECT_FALSE(row.name.empty()) << "row " << i;
    }
}

TEST(KeyTable, CodesUseBitEightForExtendedKeysOnly)
{
    EXPECT_EQ(keyTable()[15].code(), 0x137);  // PrintScreen
    EXPECT_EQ(keyTable()[121].code(), 0x1FE); // mouse left
    EXPECT_EQ(keyTable()[61].code(), 0x1E);   // A
}

} // namespace
} // namespace kb
