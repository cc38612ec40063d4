#include "ui/panel/CoordButtonInfo.h"

#include <gtest/gtest.h>

#include <functional>

namespace kb {
namespace {

CoordButtonInfo sampleKey()
{
    CoordButtonInfo key;
    key.id = 7;
    key.value = 3;
    key.position = 12;
    key.index = 4;
    key.name = "Esc";
    key.rect = {10, 20, 40, 50};
    key.background = 0xFF000010;
    key.foreground = 0x70203040;
    return key;
}

TEST(CoordButtonInfo, DefaultsMatchAnEmptyPositionsEntry)
{
    const CoordButtonInfo key;
    EXPECT_EQ(key.id, -1);
    EXPECT_EQ(key.value, -1);
    EXPECT_EQ(key.position, 0);
    EXPECT_EQ(key.index, -1);
    EXPECT_FALSE(key.marked || key.hover || key.checked || key.disabled);
}

TEST(CoordButtonInfo, PositionAndIndexDoNotTakePartInEquality)
{
    CoordButtonInfo moved = sampleKey();
    moved.position = 99;
    moved.index = -5;
    EXPECT_EQ(moved, sampleKey());
}

TEST(CoordButtonInfo, EveryOtherFieldTakesPart)
{
    const std::function<void(CoordButtonInfo&)> changes[] = {
        [](CoordButtonInfo& k) { k.id = 8; },
        [](CoordButtonInfo& k) { k.value = 0; },
        [](CoordButtonInfo& k) { k.name = "F1"; },
        [](CoordButtonInfo& k) { k.rect.left = 11; },
        [](CoordButtonInfo& k) { k.rect.bottom = 51; },
        [](CoordButtonInfo& k) { k.background = 0; },
        [](CoordButtonInfo& k) { k.foreground = 0x00203040; },
        [](CoordButtonInfo& k) { k.tip = "tip"; },
        [](CoordButtonInfo& k) { k.marked = true; },
        [](CoordButtonInfo& k) { k.hover = true; },
        [](CoordButtonInfo& k) { k.checked = true; },
        [](CoordButtonInfo& k) { k.disabled = true; },
    };
    int n = 0;
    for (const auto& change : changes) {
        CoordButtonInfo key = sampleKey();
        change(key);
        EXPECT_NE(key, sampleKey()) << "change " << n++;
    }
}

TEST(KeyRect, ContainsIsHalfOpen)
{
    const KeyRect rect{10, 20, 40, 50};
    EXPECT_EQ(rect.width(), 30);
    EXPECT_EQ(rect.height(), 30);
    EXPECT_TRUE(rect.contains(10, 20));
    EXPECT_TRUE(rect.contains(39, 49));
    EXPECT_FALSE(rect.contains(40, 30));
    EXPECT_FALSE(rect.contains(20, 50));
}

} // namespace
} // namespace kb
