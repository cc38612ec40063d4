// The cost of one request-and-answer exchange (a 90-byte read: request report out, answer
// report back) through the in-process backend and through the real hidraw path under
// umockdev (run as `umockdev-wrapper ./device_bench`).
#include "device/FeatureCommand.h"
#include "device/FeatureTransport.h"
#include "device/HidDiscovery.h"
#include "emulator/EmulatorHidBackend.h"
#include "emulator/KeyboardEmulator.h"

#ifdef KBCONF_HAVE_UMOCKDEV
#include "emulator/HidTestbed.h"
#include "platform/LinuxHidBackend.h"
#endif

#include <benchmark/benchmark.h>

namespace kb {
namespace {

void exchange(benchmark::State& state, HidDevice& device, KeyboardEmulator& emulator)
{
    KbDeviceInfo info{};
    std::size_t exchanges = 0;
    for (auto _ : state) {
        if (++exchanges % 4096 == 0) { // the emulator's report log would grow without end
            state.PauseTiming();
            emulator.clearLog();
            state.ResumeTiming();
        }
        if (readFeatureCommand(device, CmdDeviceInfo, 0, &info, sizeof info) != sizeof info) {
            state.SkipWithError("the exchange failed");
            break;
        }
        benchmark::DoNotOptimize(info);
    }
}

void BM_ExchangeInProcess(benchmark::State& state)
{
    const std::string path = R"(\\?\hid#vid_1209&pid_0001&mi_03#emulated0)";
    KeyboardEmulator emulator;
    EmulatorHidBackend backend;
    backend.plug(path, &emulator);
    HidDevice device(backend);
    openHidDevice(device, path);
    exchange(state, device, emulator);
}
BENCHMARK(BM_ExchangeInProcess);

#ifdef KBCONF_HAVE_UMOCKDEV
void BM_ExchangeHidrawUmockdev(benchmark::State& state)
{
    if (!HidTestbed::available()) {
        state.SkipWithError("run under umockdev-wrapper");
        return;
    }
    static HidTestbed* testbed = new HidTestbed; // one per process, kept to the end
    KeyboardEmulator emulator;
    const PluggedHidDevice keyboard = testbed->plug({.emulator = &emulator});
    LinuxHidBackend backend;
    {
        HidDevice device(backend);
        openHidDevice(device, keyboard.interfacePath);
        exchange(state, device, emulator);
    }
    testbed->unplug(keyboard.node);
}
BENCHMARK(BM_ExchangeHidrawUmockdev);
#endif

} // namespace
} // namespace kb
