// Container values: list edits that publish, and records that hold values of their own.

#include <gtest/gtest.h>

#include <list>
#include <vector>

#include "state/HookLog.h"
#include "state/ShapeDispatcher.h"
#include "state/ShapeList.h"
#include "state/ShapeType.h"
#include "state/ShapeVector.h"

namespace kb {
namespace {

using test::HookLog;
using IntList = ShapeList<int, -1>;

std::list<int> items(const IntList& v) { return v.container() ? *v.container() : std::list<int>{}; }

IntList listOf(std::initializer_list<int> values) {
  IntList v;
  const std::list<int> list(values);
  v.assign(&list, 1, false);
  return v;
}

TEST(ShapeList, EditsPublishOnceAndImpossibleOnesNothing) {
  struct Case {
    const char* what;
    bool (*edit)(IntList&);
    bool result;
    std::list<int> after;
  };
  const Case cases[] = {
      {"pushBack", [](IntList& v) { return v.pushBack(4); }, true, {1, 2, 3, 4}},
      {"moveUp", [](IntList& v) { return v.moveUp(2); }, true, {1, 3, 2}},
      {"moveUp first", [](IntList& v) { return v.moveUp(0); }, false, {1, 2, 3}},
      {"moveUp beyond", [](IntList& v) { return v.moveUp(3); }, false, {1, 2, 3}},
      {"moveDown", [](IntList& v) { return v.moveDown(0); }, true, {2, 1, 3}},
      {"moveDown last", [](IntList& v) { return v.moveDown(2); }, false, {1, 2, 3}},
      {"eraseAt", [](IntList& v) { return v.eraseAt(1); }, true, {1, 3}},
      {"eraseAt beyond", [](IntList& v) { return v.eraseAt(3); }, false, {1, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    IntList v = listOf({1, 2, 3});
    HookLog<std::list<int>> log;
    log.attach(v);  // a private list runs its own hook at once when it publishes
    EXPECT_EQ(c.edit(v), c.result);
    EXPECT_EQ(items(v), c.after);
    EXPECT_EQ(log.size(), c.result ? 1u : 0u);
  }
}

TEST(ShapeList, ValueWithoutAListRefusesEveryEdit) {
  IntList v;
  v.assign(nullptr, 0, false);
  HookLog<std::list<int>> log;
  log.attach(v);
  EXPECT_FALSE(v.pushBack(1));
  EXPECT_FALSE(v.moveDown(0));
  EXPECT_FALSE(v.eraseAt(0));
  EXPECT_EQ(v.findAt(0), nullptr);
  EXPECT_EQ(log.size(), 0u);
}

TEST(ShapeList, ItemAtThrowsBeyondTheEnd) {
  IntList v = listOf({1, 2, 3});
  EXPECT_EQ(v.itemAt(2), 3);
  EXPECT_EQ(*v.findAt(1), 2);
  try {
    v.itemAt(3);
    FAIL() << "no exception";
  } catch (const ShapeException& e) {
    EXPECT_STREQ(e.what(), "Out of range( array postion \"3\", access index \"0\"");
  }
}

TEST(ShapeList, AssignOfTheOwnContainerChangesNothing) {
  IntList v = listOf({1, 2});
  v.assign(v.container(), 1, false);
  EXPECT_EQ(items(v), (std::list<int>{1, 2}));
}

TEST(ShapeList, PeersCopyOrderChangesAndErasures) {
  using Linked = ShapeList<int, 7101>;
  Linked writer, peer;
  HookLog<std::list<int>> peerLog;
  peerLog.attach(peer);
  writer.pushBack(1);
  writer.pushBack(2);
  writer.moveDown(0);  // same items, other order: still a change
  ShapeDispatcher::instance().waitIdle();
  ASSERT_EQ(peerLog.size(), 3u);
  EXPECT_EQ(*peer.container(), (std::list<int>{2, 1}));

  writer.eraseAt(0);
  writer.eraseAt(0);
  ShapeDispatcher::instance().waitIdle();
  EXPECT_TRUE(peer.container()->empty());
  EXPECT_EQ(peerLog.size(), 5u);
}

// A record holding private values, stored in a linked list, as the macro groups are.
struct Group {
  ShapeType<int, -1, 1, 1> info;
  IntList entries;
  bool operator==(const Group&) const = default;
};

TEST(ShapeList, RecordsWithInnerValuesTravelByValue) {
  using Groups = ShapeList<Group, 7102>;
  Groups store, ui;
  HookLog<std::list<Group>> uiLog;
  uiLog.attach(ui);

  Group group;
  group.info.writeValue(3, 0, false, false);
  group.entries.pushBack(10);
  group.entries.pushBack(11);
  store.pushBack(group);
  ShapeDispatcher::instance().waitIdle();

  ASSERT_EQ(uiLog.size(), 1u);
  ASSERT_EQ(ui.container()->size(), 1u);
  const Group& copied = ui.container()->front();
  EXPECT_EQ(copied, group);
  EXPECT_EQ(copied.info.selected(), 3);
  EXPECT_TRUE(copied.entries.isPrivate());

  ui.itemAt(0).entries.pushBack(12);  // editing the copy leaves the original alone
  EXPECT_FALSE(ui.itemAt(0) == store.itemAt(0));
  store.publishAll(0, false);
  ShapeDispatcher::instance().waitIdle();
  EXPECT_EQ(ui.itemAt(0), store.itemAt(0));
}

TEST(ShapeVector, NamedVectorStartsWithOneEmptyVectorAndCopiesWholeWrites) {
  using Picked = ShapeVector<int, -1>;
  Picked ui{"list.vector.sel", false};
  Picked logic{"list.vector.sel", true};
  EXPECT_EQ(ui.count(), 1u);
  EXPECT_TRUE(ui.container()->empty());
  HookLog<std::vector<int>> logicLog;
  logicLog.attach(logic);
  const std::vector<int> keys{4, 5};
  ui.write(&keys, 0, ShapeFlagCopy);  // peers copy, no hook runs
  ShapeDispatcher::instance().waitIdle();
  EXPECT_EQ(*logic.container(), keys);
  EXPECT_EQ(logicLog.size(), 0u);
}

}  // namespace
}  // namespace kb
