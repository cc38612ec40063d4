// The named keys: both sides' records are peers; keepOwn decides what a late record starts with.

#include <gtest/gtest.h>

#include "state/ShapeDispatcher.h"
#include "state/SharedKeys.h"

namespace kb {
namespace {

// Gives every member of a record contents that differ from its construction contents.
void fillRecord(SharedKeys& keys) {
  keys.recordEnable.selected() = 1;
  keys.factoryReset.selected() = -1;
  keys.notifyMask.selected() = -1;
  keys.selectingKeys.selected().foreBrightness = 3;
  _mode_attr_t modes[2]{};
  modes[1].setName("wave");
  keys.modeAttr.assign(modes, 2, false);
  keys.modeAttr.setIndex(1);
  _profile_attr_t profile{};
  profile.setName("game");
  keys.profileIndex.assign(&profile, 1, false);
  CoordButtonInfo key;
  key.id = 7;
  keys.ledSelection.container()->push_back(key);
}

TEST(SharedKeys, KeepOwnKeepsConstructionContentsOtherwisePeersAreCopied) {
  SharedKeys ui(false);
  EXPECT_EQ(ui.recordEnable.selected(), 0);
  EXPECT_EQ(ui.selectingKeys.count(), 1u);
  EXPECT_EQ(ui.selectingKeys.selected().foreBrightness, 0);
  EXPECT_EQ(ui.modeAttr.count(), 0u);
  EXPECT_EQ(ui.profileIndex.count(), 0u);
  ASSERT_EQ(ui.ledSelection.count(), 1u);
  EXPECT_TRUE(ui.ledSelection.container()->empty());
  fillRecord(ui);

  SharedKeys logic(true);
  EXPECT_EQ(logic.recordEnable.selected(), 0);
  EXPECT_EQ(logic.factoryReset.selected(), 0);
  EXPECT_EQ(logic.notifyMask.selected(), 0);
  EXPECT_EQ(logic.selectingKeys.selected().foreBrightness, 0);
  EXPECT_EQ(logic.modeAttr.count(), 0u);
  EXPECT_EQ(logic.profileIndex.count(), 0u);
  EXPECT_TRUE(logic.ledSelection.container()->empty());

  SharedKeys copying(false);
  EXPECT_EQ(copying.recordEnable.selected(), 1);
  EXPECT_EQ(copying.factoryReset.selected(), -1);
  EXPECT_EQ(copying.notifyMask.selected(), -1);
  EXPECT_EQ(copying.selectingKeys.selected().foreBrightness, 3);
  ASSERT_EQ(copying.modeAttr.count(), 2u);
  EXPECT_EQ(copying.modeAttr.data()[1].getName(), "wave");
  EXPECT_EQ(copying.modeAttr.index(), 0u);  // joining copies elements and count, not the index
  ASSERT_EQ(copying.profileIndex.count(), 1u);
  EXPECT_EQ(copying.profileIndex.data()[0].getName(), "game");
  ASSERT_EQ(copying.ledSelection.container()->size(), 1u);
  EXPECT_EQ(copying.ledSelection.container()->front().id, 7);
}

TEST(SharedKeys, EachKeyLinksOnlyTheSameKey) {
  SharedKeys ui(false);
  SharedKeys logic(true);
  ui.recordEnable.writeValue(1, 0, true, false);
  ShapeDispatcher::instance().waitIdle();
  EXPECT_EQ(logic.recordEnable.selected(), 1);
  EXPECT_EQ(logic.factoryReset.selected(), 0);
  EXPECT_EQ(logic.notifyMask.selected(), 0);
  EXPECT_EQ(logic.recordEnable.channel(), 0);
  ui.recordEnable.writeValue(0, 0, true, false);
  ShapeDispatcher::instance().waitIdle();
}

}  // namespace
}  // namespace kb
