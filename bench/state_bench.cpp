// Throughput of publish -> peer hook delivery, and what one publish costs the writer.

#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <vector>

#include "state/ShapeDispatcher.h"
#include "state/ShapeType.h"

namespace {

using Value = kb::ShapeType<int, -1, 1, 0>;

struct Peer {
  Peer() : value("bench.state", 0, false) { value.setHook(this, &Peer::onChange); }
  void onChange(int, const int*, int, int, int, int, int) {
    delivered.fetch_add(1, std::memory_order_relaxed);
  }
  Value value;
  std::atomic<long> delivered{0};
};

// Changes per second from the writer's write to the last peer's hook: every iteration publishes
// a batch and waits until the dispatcher has delivered all of it (and its thread has ended).
void BM_PublishToPeerHooks(benchmark::State& state) {
  constexpr int kBatch = 256;
  Value writer{"bench.state", 0, false};
  std::vector<std::unique_ptr<Peer>> peers;
  for (int i = 0; i < state.range(0); ++i) peers.push_back(std::make_unique<Peer>());
  int next = 0;
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) writer.writeValue(++next, 0, false, false);
    kb::ShapeDispatcher::instance().waitIdle();
  }
  const long changes = static_cast<long>(state.iterations()) * kBatch;
  for (const auto& peer : peers) {
    if (peer->delivered != changes) state.SkipWithError("a change was not delivered");
  }
  state.SetItemsProcessed(changes);
  state.counters["deliveries"] =
      benchmark::Counter(static_cast<double>(changes * state.range(0)), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PublishToPeerHooks)->Arg(1)->Arg(4)->UseRealTime();

// The writer's side only: compare, store, clone and queue. The queue is drained off the clock.
void BM_WriterCostPerPublish(benchmark::State& state) {
  Value writer{"bench.state", 0, false};
  Peer peer;
  int next = 0;
  for (auto _ : state) {
    writer.writeValue(++next, 0, false, false);
    if ((next & 1023) == 0) {
      state.PauseTiming();
      kb::ShapeDispatcher::instance().waitIdle();
      state.ResumeTiming();
    }
  }
  kb::ShapeDispatcher::instance().waitIdle();
}
BENCHMARK(BM_WriterCostPerPublish);

// An equal write: compared and dropped, nothing queued.
void BM_EqualWrite(benchmark::State& state) {
  Value writer{"bench.state", 0, false};
  Peer peer;
  for (auto _ : state) writer.writeValue(0, 0, false, false);
}
BENCHMARK(BM_EqualWrite);

}  // namespace
