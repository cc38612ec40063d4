#include "files/MacroRecordGroup.h"

#include <gtest/gtest.h>

namespace kb {
namespace {

const MacroRecordGpItem kPressA{0x1E, 1, 50, "A"};
const MacroRecordGpItem kReleaseA{0x1E, 0, 0, "A"};

TEST(MacroRecordGroup, NewGroupHasNoSlotRepeatOneAndNoItems)
{
    const MacroRecordGroup group;
    EXPECT_EQ(group.info(), (MacroRecordGpInfo{-1, 1, ""}));
    EXPECT_TRUE(group.items().empty());
    EXPECT_EQ(group.infoValue().count(), 1u);
    EXPECT_EQ(group.itemList().count(), 1u); // one (empty) item list
}

TEST(MacroRecordGroup, CopyIsIndependentOfTheOriginal)
{
    MacroRecordGroup original;
    original.setName("Group 0");
    original.setId(0);
    original.appendItem(kPressA);
    original.appendItem(kReleaseA);

    MacroRecordGroup copy = original;
    EXPECT_EQ(copy, original);
    copy.setName("renamed");
    copy.appendItem(kPressA);
    EXPECT_EQ(original.name(), "Group 0");
    EXPECT_EQ(original.items().size(), 2u);

    MacroRecordGroup assigned;
    assigned = original;
    EXPECT_EQ(assigned, original);
    EXPECT_EQ(assigned.items().back(), kReleaseA);
}

TEST(MacroRecordGroup, EqualityCoversHeaderAndItemOrder)
{
    MacroRecordGroup a;
    a.setItems({kPressA, kReleaseA});
    MacroRecordGroup b = a;
    b.setItems({kReleaseA, kPressA});
    EXPECT_NE(a, b);
    b = a;
    b.setRepeat(2);
    EXPECT_NE(a, b);
    b = a;
    b.setId(3);
    EXPECT_NE(a, b);
}

TEST(MacroRecordGroup, GroupsLiveInAGroupListByValue)
{
    ShapeList<MacroRecordGroup, -1> groups;
    MacroRecordGroup first;
    first.setName("first");
    first.appendItem(kPressA);
    MacroRecordGroup second;
    second.setName("second");

    ASSERT_TRUE(groups.pushBack(first));
    ASSERT_TRUE(groups.pushBack(second));
    first.setName("changed after the push");
    EXPECT_EQ(groups.itemAt(0).name(), "first");

    ASSERT_TRUE(groups.moveUp(1));
    EXPECT_EQ(groups.itemAt(0).name(), "second");
    EXPECT_EQ(groups.itemAt(1).items().size(), 1u);
}

} // namespace
} // namespace kb
