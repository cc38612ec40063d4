// The connect sequence of the keyboard logic (every read of a keyboard's state and the
// publication to a panel's values) against the emulated keyboard, each report transfer
// delayed by 1 ms as a USB control transfer would be. Reported: the transfers per sequence
// and the ratio of wall time to transfers × 1 ms (the logic's own overhead above 1.0).
#include "device/HidHotplug.h"
#include "emulator/InProcessKeyboard.h"
#include "keyboard/KeyboardLogic.h"
#include "state/ShapeDispatcher.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace kb {
namespace {

using namespace std::chrono;

void BM_ConnectSequence(benchmark::State& state)
{
    const microseconds latency(state.range(0));
    InProcessKeyboard keyboard;
    keyboard.emulator.setLatency(latency);
    KeyboardLogic logic(keyboard.device);
    ShapeDispatcher::instance().waitIdle();

    std::size_t transfers = 0;
    duration<double> elapsed{0};
    for (auto _ : state) {
        state.PauseTiming();
        onHidRemoval(keyboard.device, kInProcessKeyboardPath, logic.connectionWriter());
        ShapeDispatcher::instance().waitIdle();
        keyboard.emulator.clearLog();
        const std::size_t before = keyboard.emulator.transferCount();
        state.ResumeTiming();

        const auto start = steady_clock::now();
        onHidArrival(keyboard.device, kInProcessKeyboardPath, logic.connectionWriter());
        ShapeDispatcher::instance().waitIdle();
        elapsed += steady_clock::now() - start;
        transfers += keyboard.emulator.transferCount() - before;
    }
    const double perSequence = static_cast<double>(transfers) / static_cast<double>(state.iterations());
    state.counters["transfers"] = perSequence;
    if (latency.count() > 0)
        state.counters["wall/(transfers*latency)"] =
            elapsed.count() / (static_cast<double>(transfers) * duration<double>(latency).count());
}
BENCHMARK(BM_ConnectSequence)->Arg(1000)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the 1 ms waits alone cost: the sleeps of one sequence's transfers, back to back.
void BM_TransferLatencyAlone(benchmark::State& state)
{
    const std::size_t transfers = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        for (std::size_t i = 0; i < transfers; ++i)
            std::this_thread::sleep_for(milliseconds(1));
    }
}
BENCHMARK(BM_TransferLatencyAlone)->Arg(96)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace kb
