// Typed operations of a single value. Private values keep everything on this thread.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/HookLog.h"
#include "state/ShapeType.h"

namespace kb {
namespace {

using test::HookLog;
using Ints = ShapeType<int, -1, 3, 1>;

std::vector<int> contents(const Ints& v) {
  return v.data() ? std::vector<int>(v.data(), v.data() + v.count()) : std::vector<int>{};
}

TEST(ShapeValue, ConstructionGivesStartContentsAndNames) {
  Ints unnamed;
  EXPECT_EQ(contents(unnamed), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(unnamed.index(), 0u);
  EXPECT_TRUE(unnamed.isPrivate());
  EXPECT_STREQ(unnamed.name(), shapeTypeName<int>());

  ShapeType<int, -1, 1, 0> named{"value.test.named", 42, true};
  EXPECT_EQ(named.channel(), 0);  // a name links the value whatever the channel said
  EXPECT_STREQ(named.name(), "value.test.named");
  EXPECT_EQ(named.selected(), 42);

  ShapeType<std::string, -1717986919, 1, 0> text;
  EXPECT_TRUE(text.isPrivate());
  EXPECT_EQ(text.count(), 1u);
}

TEST(ShapeValue, AssignCases) {
  const int src[] = {7, 8, 9, 10};
  struct Case {
    const char* what;
    const int* src;
    int n;
    bool fill;
    std::vector<int> expect;
    unsigned index;
  };
  const Case cases[] = {
      {"copy of the same length keeps the index", src, 3, false, {7, 8, 9}, 2},
      {"longer copy", src, 4, false, {7, 8, 9, 10}, 2},
      {"shorter copy clamps the index", src, 2, false, {7, 8}, 1},
      {"fill repeats the first element", src, 4, true, {7, 7, 7, 7}, 2},
      {"null source makes cleared elements", nullptr, 2, false, {0, 0}, 1},
      {"null source of the same count clears", nullptr, 3, false, {0, 0, 0}, 2},
      {"zero count empties", src, 0, false, {}, 0},
      {"negative count is ignored", src, -1, false, {1, 2, 3}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ints v;
    const int start[] = {1, 2, 3};
    v.assign(start, 3, false);
    ASSERT_TRUE(v.setIndex(2));
    v.assign(c.src, c.n, c.fill);
    EXPECT_EQ(contents(v), c.expect);
    EXPECT_EQ(v.index(), c.index);
  }
}

TEST(ShapeValue, AssignFromOwnElementsIsSafe) {
  Ints v;
  const int start[] = {1, 2, 3};
  v.assign(start, 3, false);
  v.assign(v.data(), 3, false);  // itself: nothing happens
  EXPECT_EQ(contents(v), (std::vector<int>{1, 2, 3}));
  v.assign(v.data() + 1, 2, false);  // overlapping tail
  EXPECT_EQ(contents(v), (std::vector<int>{2, 3}));
  v.assign(v.data() + 1, 3, true);  // fill from an element about to be replaced
  EXPECT_EQ(contents(v), (std::vector<int>{3, 3, 3}));
}

TEST(ShapeValue, Comparisons) {
  Ints v;
  const int start[] = {4, 4, 4};
  v.assign(start, 3, false);
  const int four = 4, five = 5;
  EXPECT_TRUE(v.equals(start, 3));
  EXPECT_FALSE(v.equals(start, 2));
  EXPECT_FALSE(v.equals(nullptr, 3));
  EXPECT_TRUE(v.allEqual(&four, 3));
  EXPECT_FALSE(v.allEqual(&four, 2));
  EXPECT_FALSE(v.allEqual(&five, 3));
  EXPECT_TRUE(v.selectedEquals(&four));

  Ints empty;
  empty.assign(nullptr, 0, false);
  EXPECT_TRUE(empty.equals(nullptr, 0));
  EXPECT_FALSE(empty.allEqual(&four, 0));
  EXPECT_FALSE(empty.selectedEquals(&four));
}

TEST(ShapeValue, AppendKeepsExistingElements) {
  Ints v;
  const int one = 1, more[] = {5, 6};
  v.assign(&one, 1, false);
  v.appendCopies(&one, 2);
  v.append(more, 2);
  v.append(nullptr, 1);
  EXPECT_EQ(contents(v), (std::vector<int>{1, 1, 1, 5, 6, 0}));
}

TEST(ShapeValue, SelectedOutOfRangeThrowsWithMessage) {
  Ints v;
  v.assign(nullptr, 0, false);
  try {
    v.selected();
    FAIL() << "no exception";
  } catch (const ShapeException& e) {
    EXPECT_STREQ(e.what(), "Out of range( array length \"0\", access index \"0\"");
  }
  v.assign(nullptr, 2, false);
  v.selected() = 5;
  EXPECT_EQ(v.data()[0], 5);
}

TEST(ShapeValue, WritesOnAnEmptyValueDoNothing) {
  Ints v;
  HookLog<int> log;
  log.attach(v);
  v.assign(nullptr, 0, false);
  const int x = 3;
  v.write(&x, 0, ShapeFlagSelf | ShapeFlagForce);
  v.writeValue(3, 0, true, true);
  v.setSelected(&x);
  EXPECT_EQ(v.count(), 0u);
  EXPECT_EQ(log.size(), 0u);
}

TEST(ShapeValue, PrivateWriteRunsOwnHookAtOnceOnlyWithSelf) {
  Ints v;
  HookLog<int> log;
  log.attach(v);
  v.writeValue(5, 3, false, false);  // stored, but a private value has nobody else to tell
  EXPECT_EQ(v.selected(), 5);
  EXPECT_EQ(log.size(), 0u);

  v.writeValue(6, 3, true, false);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log.at(0).items, (std::vector<int>{6, 0, 0}));
  EXPECT_EQ(log.at(0).tag, 3);
  EXPECT_EQ(log.at(0).thread, std::this_thread::get_id());

  v.writeValue(6, 3, true, false);  // equal: nothing stored, no hook
  EXPECT_EQ(log.size(), 1u);
  v.writeValue(6, 3, true, true);  // forced
  EXPECT_EQ(log.size(), 2u);
}

TEST(ShapeValue, PrivatePublishFamily) {
  Ints v;
  HookLog<int> log;
  log.attach(v);
  v.publishPeers(0, true);
  EXPECT_EQ(log.size(), 0u);
  v.publishAll(1, false);
  EXPECT_EQ(log.size(), 1u);
  v.notifySelf(2, true);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log.at(1).tag, 2);
}

TEST(ShapeValue, WriteArrayReportsCountAndIndexFromBeforeTheCall) {
  Ints v;
  HookLog<int> log;
  log.attach(v);
  const int five[] = {1, 2, 3, 4, 5};
  v.assign(five, 5, false);
  v.setIndex(4);
  v.writeArrayEx(five, 2, 9, true, false);
  EXPECT_EQ(v.count(), 2u);
  EXPECT_EQ(v.index(), 1u);
  ASSERT_EQ(log.size(), 1u);
  const auto call = log.at(0);
  EXPECT_EQ(call.count, 2);
  EXPECT_EQ(call.index, 1);
  EXPECT_EQ(call.oldCount, 5);
  EXPECT_EQ(call.oldIndex, 4);
  EXPECT_EQ(call.tag, 9);

  v.writeArrayEx(five, 2, 9, true, false);  // equal contents: nothing
  v.fillEx(&five[0], 2, 0, true, false);     // {1,1} differs
  v.fillEx(&five[0], 2, 0, true, false);     // all equal now: nothing
  EXPECT_EQ(log.size(), 2u);
}

TEST(ShapeValue, SelectCases) {
  Ints v;
  HookLog<int> log;
  log.attach(v);
  EXPECT_FALSE(v.select(3, 0, true, true));  // not below the count
  EXPECT_EQ(v.index(), 0u);
  EXPECT_TRUE(v.select(0, 0, true, false));  // current index: nothing published
  EXPECT_EQ(log.size(), 0u);
  EXPECT_TRUE(v.select(0, 0, true, true));  // forced
  EXPECT_EQ(log.size(), 1u);
  EXPECT_TRUE(v.select(2, 4, true, false));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log.at(1).index, 2);
  EXPECT_EQ(log.at(1).oldIndex, 0);
  EXPECT_EQ(log.at(1).tag, 4);
}

TEST(ShapeValue, CopyTakesElementsCountAndIndexOnly) {
  ShapeType<int, -1, 1, 0> source{"value.test.copy.source", 1, true};
  Ints target;
  HookLog<int> log;
  log.attach(target);

  Ints middle;
  const int three[] = {4, 5, 6};
  middle.assign(three, 3, false);
  middle.setIndex(1);
  target = middle;
  EXPECT_EQ(contents(target), (std::vector<int>{4, 5, 6}));
  EXPECT_EQ(target.index(), 1u);
  EXPECT_TRUE(target == middle);
  EXPECT_EQ(target.hookOwner(), &log);  // the hook stays with the target
  target.setIndex(0);
  EXPECT_FALSE(target == middle);

  Ints copy(middle);
  EXPECT_TRUE(copy == middle);
  EXPECT_TRUE(copy.isPrivate());
  EXPECT_EQ(copy.hookOwner(), nullptr);

  EXPECT_EQ(source.channel(), 0);
}

TEST(ShapeValue, SetHookIgnoresNull) {
  Ints v;
  HookLog<int> log;
  log.attach(v);
  v.setHook(nullptr, Ints::ChangeHook{});
  EXPECT_EQ(v.hookOwner(), &log);
  v.notifySelf(0, true);
  EXPECT_EQ(log.size(), 1u);
}

// The mode table of the keyboard logic is a value whose elements are values.
TEST(ShapeValue, ValuesOfValuesCopyTheirInnerElements) {
  using Inner = ShapeType<int, -1, 0, 1>;
  ShapeType<Inner, -1, 0, 0> table;
  EXPECT_EQ(table.count(), 0u);
  table.assign(nullptr, 2, false);
  ASSERT_TRUE(table.setIndex(1));
  const int seven = 7;
  table.selected().fill(&seven, 3, 0, 0);

  ShapeType<Inner, -1, 0, 0> copy(table);
  EXPECT_TRUE(copy == table);
  EXPECT_EQ(copy.data()[1].count(), 3u);
  copy.selected().writeValue(8, 0, false, false);
  EXPECT_EQ(table.selected().selected(), 7);
  EXPECT_FALSE(copy == table);
  EXPECT_FALSE(table.equals(copy.data(), 2));
}

}  // namespace
}  // namespace kb
