// Linked values: joining, the delivery flags, echo suppression and the dispatcher thread.

#include <gtest/gtest.h>

#include <thread>

#include "state/HookLog.h"
#include "state/ShapeDispatcher.h"
#include "state/ShapeType.h"

namespace kb {
namespace {

using test::HookLog;
using Named = ShapeType<int, -1, 1, 0>;

void waitIdle() { ShapeDispatcher::instance().waitIdle(); }

class ShapeDelivery : public ::testing::Test {
 protected:
  void TearDown() override { waitIdle(); }
};

TEST_F(ShapeDelivery, FlagsDecideWhoCopiesAndWhoseHookRuns) {
  struct Case {
    int flags;
    int written;          // the writer starts at 0
    std::size_t writerHooks;
    std::size_t peerHooks;
    int peerValue;        // the peer starts at 0
  };
  const Case cases[] = {
      {6, 1, 0, 1, 1},   // peers copy and hook
      {7, 1, 1, 1, 1},   // and the writer's own hook
      {2, 1, 0, 0, 1},   // copy only: no hook anywhere
      {4, 1, 0, 1, 0},   // hook only: nothing copied
      {1, 1, 1, 0, 0},   // self only
      {6, 0, 0, 0, 0},   // equal write: nothing stored or published
      {14, 0, 0, 1, 0},  // forced equal write reaches the peers' hooks
      {15, 0, 1, 1, 0},
      {8, 0, 0, 1, 0},   // force alone: hooks run, nothing copied
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    Named writer{"delivery.flags", 0, false};
    Named peer{"delivery.flags", 0, false};
    HookLog<int> writerLog, peerLog;
    writerLog.attach(writer);
    peerLog.attach(peer);
    writer.write(&c.written, 5, c.flags);
    waitIdle();
    EXPECT_EQ(writerLog.size(), c.writerHooks);
    EXPECT_EQ(peerLog.size(), c.peerHooks);
    EXPECT_EQ(peer.selected(), c.peerValue);
    for (const auto& call : peerLog.calls()) {
      EXPECT_EQ(call.tag, 5);
      EXPECT_EQ(call.channel, 0);
      EXPECT_NE(call.thread, std::this_thread::get_id());
    }
  }
}

TEST_F(ShapeDelivery, EveryPeerGetsTheChangeOnceWithItsOwnOldIndex) {
  using Table = ShapeType<int, 7001, 4, 1>;
  Table writer, a, b;
  HookLog<int> writerLog, aLog, bLog;
  writerLog.attach(writer);
  aLog.attach(a);
  bLog.attach(b);
  const int before[] = {1, 2, 3, 4};
  for (Table* v : {&writer, &a, &b}) v->assign(before, 4, false);
  writer.setIndex(3);
  a.setIndex(2);

  const int after[] = {9, 8};
  writer.writeArrayEx(after, 2, 1, true, false);
  waitIdle();

  ASSERT_EQ(writerLog.size(), 1u);
  EXPECT_EQ(writerLog.at(0).oldIndex, 3);
  ASSERT_EQ(aLog.size(), 1u);
  ASSERT_EQ(bLog.size(), 1u);
  EXPECT_EQ(aLog.at(0).oldIndex, 2);
  EXPECT_EQ(bLog.at(0).oldIndex, 0);
  for (const auto& call : {writerLog.at(0), aLog.at(0), bLog.at(0)}) {
    EXPECT_EQ(call.items, (std::vector<int>{9, 8}));
    EXPECT_EQ(call.count, 2);
    EXPECT_EQ(call.oldCount, 4);
    EXPECT_EQ(call.index, 1);
    EXPECT_EQ(call.channel, 7001);
  }
  EXPECT_EQ(a.index(), 1u);
  EXPECT_TRUE(a.equals(after, 2));
}

TEST_F(ShapeDelivery, PeerThatAlreadyHoldsTheChangeRunsNoHook) {
  Named writer{"delivery.echo", 0, false};
  Named peer{"delivery.echo", 0, false};
  HookLog<int> peerLog;
  peerLog.attach(peer);
  const int three = 3;
  peer.assign(&three, 1, false);  // silently ahead of the writer
  writer.writeValue(3, 0, false, false);
  waitIdle();
  EXPECT_EQ(peerLog.size(), 0u);
}

// A peer that answers every change by publishing itself to its peers does not start a ping-pong:
// the writer already holds what comes back.
TEST_F(ShapeDelivery, ReactionsPublishedToPeersDoNotEcho) {
  struct Echoer {
    Named value{"delivery.pingpong", 0, false};
    int hooks = 0;
    void onChange(int, const int*, int, int, int, int, int) {
      ++hooks;
      value.publishPeers(0, false);
    }
  };
  Echoer first, second;
  first.value.setHook(&first, &Echoer::onChange);
  second.value.setHook(&second, &Echoer::onChange);
  first.value.writeValue(4, 0, false, false);
  waitIdle();
  EXPECT_EQ(first.hooks, 0);
  EXPECT_EQ(second.hooks, 1);
  EXPECT_EQ(second.value.selected(), 4);
}

TEST_F(ShapeDelivery, ForcedPublishReachesEqualPeers) {
  Named writer{"delivery.force", -1, false};
  Named peer{"delivery.force", -1, false};
  HookLog<int> writerLog, peerLog;
  writerLog.attach(writer);
  peerLog.attach(peer);
  for (int press = 0; press < 2; ++press) {
    writer.selected() = -1;
    writer.publishPeers(0, true);
  }
  writer.publishAll(0, true);
  waitIdle();
  EXPECT_EQ(peerLog.size(), 3u);
  EXPECT_EQ(writerLog.size(), 1u);
}

TEST_F(ShapeDelivery, NotifySelfReachesOnlyTheValueItself) {
  Named value{"delivery.self", 1, false};
  Named peer{"delivery.self", 1, false};
  HookLog<int> log, peerLog;
  log.attach(value);
  peerLog.attach(peer);
  value.notifySelf(1, true);
  ASSERT_EQ(log.size(), 1u);  // before returning, on this thread
  EXPECT_EQ(log.at(0).thread, std::this_thread::get_id());
  value.notifySelf(2, false);
  waitIdle();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_NE(log.at(1).thread, std::this_thread::get_id());
  EXPECT_EQ(peerLog.size(), 0u);
}

TEST_F(ShapeDelivery, HoldKeepsPeerChangesAway) {
  Named writer{"delivery.hold", 0, false};
  Named held{"delivery.hold", 0, false};
  held.holdFlag() = 1;
  writer.writeValue(2, 0, false, false);
  waitIdle();
  EXPECT_EQ(held.selected(), 0);
  held.holdFlag() = 0;
  writer.writeValue(3, 0, false, false);
  waitIdle();
  EXPECT_EQ(held.selected(), 3);
}

TEST_F(ShapeDelivery, JoiningCopiesTheFirstPeerUnlessKeepOwn) {
  Named first{"delivery.join", false, 3};
  const int three[] = {5, 6, 7};
  first.assign(three, 3, false);
  first.setIndex(2);

  Named copying{"delivery.join", 9, false};
  EXPECT_TRUE(copying.equals(three, 3));
  EXPECT_EQ(copying.index(), 0u);

  Named keeping{"delivery.join", 9, true};
  EXPECT_EQ(keeping.count(), 1u);
  EXPECT_EQ(keeping.selected(), 9);

  // Unnamed values are keyed by channel and element type.
  ShapeType<int, 7002, 2, 1> a;
  a.fill(&three[0], 4, 0, 0);
  ShapeType<int, 7002, 2, 1> b;
  EXPECT_EQ(b.count(), 4u);
  ShapeType<short, 7002, 2, 1> otherType;
  EXPECT_EQ(otherType.count(), 2u);
  ShapeType<short, 7002, 2, 1> copyOfOther(otherType);  // joins keeping the copied contents
  otherType.writeValue(1, 0, false, false);
  waitIdle();
  EXPECT_EQ(copyOfOther.selected(), 1);
  EXPECT_EQ(a.selected(), 5);  // untouched by the other type
}

TEST_F(ShapeDelivery, SameNameWithAnotherElementTypeIsNoPeer) {
  Named ints{"delivery.typed", 1, false};
  ShapeType<long, -1, 1, 0> longs{"delivery.typed", 7L, false};
  EXPECT_EQ(longs.selected(), 7);
  ints.writeValue(2, 0, false, false);
  waitIdle();
  EXPECT_EQ(longs.selected(), 7);
}

TEST_F(ShapeDelivery, WorkerEndsOnEmptyQueueAndRestartsWithoutLosingChanges) {
  auto& dispatcher = ShapeDispatcher::instance();
  waitIdle();
  EXPECT_FALSE(dispatcher.workerRunning());
  const unsigned long startsBefore = dispatcher.workerStarts();

  Named writer{"delivery.restart", 0, false};
  Named peer{"delivery.restart", 0, false};
  HookLog<int> peerLog;
  peerLog.attach(peer);
  constexpr int kWrites = 300;
  for (int i = 1; i <= kWrites; ++i) {
    writer.writeValue(i, 0, false, false);
    if (i % 3 == 0) std::this_thread::yield();  // let the worker drain and end now and then
    if (i % 50 == 0) waitIdle();
  }
  waitIdle();
  EXPECT_FALSE(dispatcher.workerRunning());
  EXPECT_GT(dispatcher.workerStarts(), startsBefore + 1);
  ASSERT_EQ(peerLog.size(), static_cast<std::size_t>(kWrites));
  for (int i = 0; i < kWrites; ++i) ASSERT_EQ(peerLog.at(i).items.at(0), i + 1);  // in order
}

TEST_F(ShapeDelivery, HookExceptionDoesNotStopDelivery) {
  Named writer{"delivery.throw", 0, false};
  Named thrower{"delivery.throw", 0, false};
  Named last{"delivery.throw", 0, false};
  thrower.setHook(nullptr, [](int, const int*, int, int, int, int, int) {
    throw ShapeException("hook failed");
  });
  writer.writeValue(8, 0, false, false);
  writer.writeValue(9, 0, false, false);
  waitIdle();
  EXPECT_EQ(last.selected(), 9);
  EXPECT_EQ(thrower.selected(), 9);
}

TEST_F(ShapeDelivery, WaitIdleCoversChangesPublishedByHooks) {
  struct Chain {
    Named head{"delivery.chain.head", 0, false};
    Named tail{"delivery.chain.tail", 0, false};
    void onHead(int, const int* items, int, int, int, int, int) {
      tail.writeValue(items[0] * 10, 0, false, false);
    }
  } chain;
  Named headWriter{"delivery.chain.head", 0, false};
  Named tailPeer{"delivery.chain.tail", 0, false};
  chain.head.setHook(&chain, &Chain::onHead);
  headWriter.writeValue(4, 0, false, false);
  waitIdle();
  EXPECT_EQ(tailPeer.selected(), 40);
}

}  // namespace
}  // namespace kb
