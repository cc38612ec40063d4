// Deliveries handed to a registered window and run on the window's own thread.

#include <gtest/gtest.h>

#include <memory>

#include "state/FakeWindow.h"
#include "state/HookLog.h"
#include "state/ShapeDispatcher.h"
#include "state/ShapeType.h"

namespace kb {
namespace {

using test::FakeWindow;
using test::HookLog;
using Named = ShapeType<int, -1, 1, 0>;

void waitIdle() { ShapeDispatcher::instance().waitIdle(); }

class ShapeWindowDelivery : public ::testing::Test {
 protected:
  void TearDown() override {
    waitIdle();
    unregisterHookerWindow(&uiLog);
  }
  FakeWindow window;
  HookLog<int> uiLog;  // the hook owner of the window's values
};

TEST_F(ShapeWindowDelivery, HookRunsWhenTheWindowDeliversWithTheOriginalOldValues) {
  Named logic{"window.basic", 0, false};
  Named ui{"window.basic", 0, false};
  uiLog.attach(ui);
  ui.setIndex(0);
  registerHookerWindow(&uiLog, &window);

  logic.writeValue(7, 3, false, false);
  waitIdle();
  EXPECT_EQ(window.pending(), 1u);
  EXPECT_EQ(uiLog.size(), 0u);
  EXPECT_EQ(ui.selected(), 0);  // nothing copied before the window runs it

  EXPECT_EQ(window.runPending(), 1u);
  ASSERT_EQ(uiLog.size(), 1u);
  EXPECT_EQ(uiLog.at(0).thread, std::this_thread::get_id());
  EXPECT_EQ(uiLog.at(0).tag, 3);
  EXPECT_EQ(uiLog.at(0).oldCount, 1);
  EXPECT_EQ(ui.selected(), 7);
}

TEST_F(ShapeWindowDelivery, ValueDestroyedBeforeItsChangeArrivesIsSkipped) {
  Named logic{"window.gone", 0, false};
  auto ui = std::make_unique<Named>("window.gone", 0, false);
  uiLog.attach(*ui);
  registerHookerWindow(&uiLog, &window);
  logic.writeValue(5, 0, false, false);
  waitIdle();
  ASSERT_EQ(window.pending(), 1u);

  ui.reset();
  // A new peer, possibly at the same address, must not take the old value's change.
  auto successor = std::make_unique<Named>("window.gone", 1, true);
  HookLog<int> successorLog;
  successorLog.attach(*successor);
  window.runPending();
  EXPECT_EQ(uiLog.size(), 0u);
  EXPECT_EQ(successorLog.size(), 0u);
  EXPECT_EQ(successor->selected(), 1);
}

TEST_F(ShapeWindowDelivery, NullOrRemovedWindowLetsTheDispatcherDeliver) {
  Named logic{"window.none", 0, false};
  Named ui{"window.none", 0, false};
  uiLog.attach(ui);
  registerHookerWindow(&uiLog, nullptr);
  logic.writeValue(1, 0, false, false);
  waitIdle();
  EXPECT_EQ(uiLog.size(), 1u);

  registerHookerWindow(&uiLog, &window);
  unregisterHookerWindow(&uiLog);
  logic.writeValue(2, 0, false, false);
  waitIdle();
  EXPECT_EQ(window.pending(), 0u);
  ASSERT_EQ(uiLog.size(), 2u);
  EXPECT_NE(uiLog.at(1).thread, std::this_thread::get_id());
}

TEST_F(ShapeWindowDelivery, OwnHookWithIncludeSelfRunsOnTheWindow) {
  Named ui{"window.self", 0, false};
  uiLog.attach(ui);
  registerHookerWindow(&uiLog, &window);
  const int values[] = {1, 2, 3};
  ui.writeArrayEx(values, 3, 0, true, false);
  waitIdle();
  ASSERT_EQ(window.runPending(), 1u);
  ASSERT_EQ(uiLog.size(), 1u);
  EXPECT_EQ(uiLog.at(0).oldCount, 1);
  EXPECT_EQ(uiLog.at(0).count, 3);
}

TEST_F(ShapeWindowDelivery, EmptyRecordsAreDropped) {
  deliverShapeChange(nullptr);
  deliverShapeChange(std::make_unique<ShapeChange>());
  EXPECT_FALSE(marshalToWindow(nullptr, Named{"window.null", 0, true}, nullptr, 0, 0, 0, 0));
}

}  // namespace
}  // namespace kb
