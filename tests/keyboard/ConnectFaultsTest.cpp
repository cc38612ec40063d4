// The connect sequence against a keyboard that answers oddly, or leaves in the middle.

#include "LogicFixture.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

namespace kb::test {
namespace {

using ConnectFaults = LogicTest;

TEST_F(ConnectFaults, CurrentSelectionsEqualToTheCountLeaveThePreviousOne)
{
    struct Case {
        const char* name;
        std::function<void(KeyboardModel&)> garble;
        unsigned profile, mode;
    };
    const Case cases[] = {
        {"mode", [](KeyboardModel& m) { m.currentModes[1] = 10; }, 1, 0},
        // Profile 1 stays selected from the connect before.
        {"profile", [](KeyboardModel& m) { m.currentProfile = 3; }, 1, 4},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KeyboardModel model = testKeyboard();
        c.garble(model);
        emulator.updateModel([&](KeyboardModel& m) { m = model; });
        emulator.clearLog();
        panel.clearPublications();
        plug();
        arrive();

        // The sequence runs to its end and the panel is told the selections.
        EXPECT_EQ(emulator.receivedHeaders(), connectReads(model));
        EXPECT_EQ(panel.keys.profileIndex.index(), c.profile);
        EXPECT_EQ(panel.keys.modeAttr.index(), c.mode);
        EXPECT_EQ(panel.keys.selectingKeys.selected(), model.registers[c.profile * 10 + c.mode]);
        EXPECT_EQ(panel.customIndex.selected(), 2);
        remove();
    }
}

TEST_F(ConnectFaults, NoProfilesSkipsTheSelectionsButStillReadsTheMacroSlots)
{
    emulator.updateModel([](KeyboardModel& m) { m.deviceInfo.profileCount = 0; });
    const KeyboardModel model = emulator.model();
    plug();
    start();

    std::vector<FrameHeader> expected = connectReads(model);
    expected.pop_back(); // no colour set was published, so no colours are read
    EXPECT_EQ(emulator.receivedHeaders(), expected);
    EXPECT_EQ(panel.keys.profileIndex.count(), 0u);
    EXPECT_EQ(panel.publications(),
              (std::vector<Publication>{{"connection", 1}, {"key codes", 0}, {"groups", 0}, {"groups", 0}}));
}

// Counts that the keyboard cannot mean. The keyboard here answers every index a command
// byte can carry, so only the logic's own limits end the sequence.
TEST_F(ConnectFaults, GarbledCountsEndAtTheFirstFailedRead)
{
    struct Case {
        const char* name;
        std::uint16_t profiles, modes, slots;
        std::size_t requests; // read requests the keyboard receives
    };
    const Case cases[] = {
        // 256 mode attributes, then mode 256 cannot be asked for.
        {"modes", 3, 0xFFFF, 10, 1 + 256},
        // Registers 0-255 over profiles 0 and 1, then register 256 cannot be asked for.
        {"registers", 0xFFFF, 200, 10, 1 + 200 + 1 + 256 + 1},
        // 256 profiles without modes, then profile 256 cannot be asked for.
        {"profiles", 0xFFFF, 0, 10, 1 + 1 + 256},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        emulator.updateModel([&](KeyboardModel& m) {
            m = KeyboardModel::factoryDefaults();
            m.deviceInfo.profileCount = c.profiles;
            m.deviceInfo.modeCount = c.modes;
            m.deviceInfo.macroSlotCount = c.slots;
            m.modes.resize(256);
            m.registers.resize(256);
            m.currentModes.resize(256);
        });
        emulator.clearLog();
        panel.clearPublications();
        plug();
        arrive();

        EXPECT_EQ(emulator.receivedReports().size(), c.requests);
        // Nothing beyond the connection reached the panel.
        EXPECT_EQ(panel.publications(), (std::vector<Publication>{{"connection", 0}}));
        remove();
    }
}

TEST_F(ConnectFaults, MacroSlotBeyondTheCommandIndexEndsTheSequence)
{
    emulator.updateModel([](KeyboardModel& m) {
        m.deviceInfo.macroSlotCount = 0xFFFF;
        m.keyCodes[3] = macro_code_t::make(3, 300);
        m.keyCodes[5] = macro_code_t::make(3, 3);
        m.macroSlots[3] = macroRecord("Copy", 1, {0x06});
    });
    plug();
    start();

    // Slot 300 cannot be asked for (key 3), so slot 3 (key 5) is never read.
    for (const FrameHeader& header : emulator.receivedHeaders())
        EXPECT_NE(header.command, CmdMacroSlot | kReadRequestBit);
    EXPECT_TRUE(panel.groups.container()->empty());
}

// The keyboard leaves at every transfer of the connect sequence (sends and fetches alike):
// the sequence stops at that transfer, the removal is taken, and the next keyboard is read
// completely.
TEST_F(ConnectFaults, UnplugAtEveryTransferThenTheNextArrivalCompletes)
{
    const KeyboardModel model = emulator.model();
    const std::vector<FrameHeader> full = connectReads(model);
    const std::size_t transfers = 2 * full.size();
    // Once the current profile is read, the colour set's colours are asked for after the
    // sequence, whatever becomes of it: one more (failing) transfer.
    const auto keyCodes = std::find(full.begin(), full.end(), readRequest(CmdKeyCodes, 0, 218));
    const std::size_t colourReadQueuedFrom = 2 * static_cast<std::size_t>(keyCodes - full.begin());
    start();
    for (std::size_t cut = 0; cut < transfers; ++cut) {
        SCOPED_TRACE(cut);
        KeyboardEmulator leaving(model);
        leaving.failFromTransfer(cut);
        backend.plug(kInProcessKeyboardPath, &leaving);
        arrive();
        const bool colourReadFollows = cut >= colourReadQueuedFrom && cut < transfers - 2;
        EXPECT_EQ(leaving.transferCount(), cut + 1 + (colourReadFollows ? 1 : 0));
        remove();
        EXPECT_EQ(panel.connection.selected(), 0);

        emulator.clearLog();
        plug();
        arrive();
        ASSERT_EQ(emulator.receivedHeaders(), full);
        EXPECT_EQ(panel.keys.profileIndex.index(), 1u);
        EXPECT_EQ(panel.keys.selectingKeys.selected(), model.registers[14]);
        remove();
    }
}

// The removal closes the device while the sequence is between transfers.
TEST_F(ConnectFaults, RemovalDuringTheSequenceEndsIt)
{
    using namespace std::chrono_literals;
    emulator.setLatency(1ms);
    start();
    plug();
    onHidArrival(device, kInProcessKeyboardPath, logic->connectionWriter());
    while (emulator.transferCount() < 20)
        std::this_thread::sleep_for(1ms);
    remove();
    const std::size_t moved = emulator.transferCount();
    EXPECT_LT(moved, 2 * connectReads(emulator.model()).size());
    EXPECT_EQ(panel.connection.selected(), 0);
    EXPECT_EQ(panel.keyCodes.data()[5].word, 0);

    emulator.setLatency(0us);
    emulator.clearLog();
    plug();
    arrive();
    EXPECT_EQ(emulator.receivedHeaders(), connectReads(emulator.model()));
}

// The program ends while the sequence reads: the logic closes the keyboard and waits for
// the sequence, which stops at its next transfer.
TEST_F(ConnectFaults, DestructionDuringTheSequenceEndsIt)
{
    using namespace std::chrono_literals;
    emulator.setLatency(1ms);
    plug();
    logic = std::make_unique<KeyboardLogic>(device);
    while (emulator.transferCount() < 20)
        std::this_thread::sleep_for(1ms);
    logic.reset();
    settle();
    EXPECT_LT(emulator.transferCount(), 2 * connectReads(emulator.model()).size());
    EXPECT_EQ(backend.openHandleCount(), 0u);
}

} // namespace
} // namespace kb::test
