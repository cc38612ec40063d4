// The keyboard logic's life against an emulated keyboard: start-up with and without the
// keyboard, arrival, removal, and the connect sequence's reports and publications.

#include "LogicFixture.h"

#include "files/KeyTable.h"

#include <algorithm>

namespace kb::test {
namespace {

std::vector<macro_code_t> codesOf(const ShapeType<macro_code_t, 2, 109, 1>& value)
{
    return {value.data(), value.data() + value.count()};
}

std::vector<std::string> groupNames(ShapeList<MacroRecordGroup, 1>& groups)
{
    std::vector<std::string> names;
    for (const MacroRecordGroup& group : *groups.container())
        names.push_back(std::to_string(group.id()) + ":" + group.name());
    return names;
}

using ConnectSequence = LogicTest;

TEST_F(ConnectSequence, StartUpWithoutKeyboardPublishesDisconnectedAndClearsTheKeyCodes)
{
    panel.keyCodes.fill(std::array{macro_code_t::make(2, 0x04)}.data(), 109, 0, 0);
    start();

    EXPECT_TRUE(emulator.receivedReports().empty());
    EXPECT_EQ(panel.connection.selected(), 0);
    const std::vector<macro_code_t> cleared(109);
    EXPECT_EQ(codesOf(panel.keyCodes), cleared);
    EXPECT_EQ(panel.publications(), (std::vector<Publication>{{"key codes", 0}}));
}

TEST_F(ConnectSequence, StartUpWithKeyboardReadsTheWholeKeyboardInOrder)
{
    const KeyboardModel model = emulator.model();
    plug();
    start();

    EXPECT_EQ(panel.connection.selected(), 2); // both handles opened
    EXPECT_EQ(emulator.receivedHeaders(), connectReads(model));
    EXPECT_EQ(panel.publications(), (std::vector<Publication>{{"connection", 1},
                                                             {"custom.mode.attr", 0},
                                                             {"custom.selecting.keys", 0},
                                                             {"custom index", 1},
                                                             {"kb.profile.index", 0},
                                                             {"key codes", 0},
                                                             {"groups", 0}, // slot 3
                                                             {"groups", 0}, // slot 4 (slot 3 again changed nothing)
                                                             {"key colours", 0}}));
}

// Start-up opened both handles (2); an arrival writes 1, which is a change, so the keyboard
// is read again.
TEST_F(ConnectSequence, ArrivalAfterStartUpWithBothHandlesReadsTheKeyboardAgain)
{
    startConnected();
    arrive();

    EXPECT_EQ(panel.connection.selected(), 1);
    EXPECT_EQ(emulator.receivedHeaders(), connectReads(emulator.model()));
}

TEST_F(ConnectSequence, PublishesModesRegistersProfilesColoursAndKeyCodes)
{
    const KeyboardModel model = emulator.model();
    plug();
    start();

    const auto& modes = panel.keys.modeAttr;
    ASSERT_EQ(modes.count(), 10u);
    EXPECT_TRUE(std::equal(model.modes.begin(), model.modes.end(), modes.data()));
    EXPECT_EQ(modes.index(), 4u); // profile 1's current mode
    EXPECT_EQ(panel.keys.selectingKeys.selected(), model.registers[1 * 10 + 4]);

    const auto& profiles = panel.keys.profileIndex;
    ASSERT_EQ(profiles.count(), 3u);
    EXPECT_EQ(profiles.data()[0].getName(), "P0");
    EXPECT_EQ(profiles.data()[2].getName(), "P2");
    EXPECT_EQ(profiles.index(), 1u);

    EXPECT_EQ(panel.customIndex.selected(), 2);
    EXPECT_TRUE(std::equal(model.colourSets[2].begin(), model.colourSets[2].end(), panel.keyColours.data()));
    EXPECT_EQ(codesOf(panel.keyCodes), std::vector<macro_code_t>(model.keyCodes.begin(), model.keyCodes.end()));
}

TEST_F(ConnectSequence, ReadsMacroSlotsBackIntoGroupsReplacingEqualOnes)
{
    const KeyboardModel model = emulator.model();
    // As macro.xml holds them: the slot-4 macro under another id, and a group for slot 3
    // whose macro differs (it keeps its place but stands for no slot any more).
    const MacroRecordGroup stored = macroGroup(7, model.macroSlots[4]);
    panel.groups.container()->push_back(stored);
    panel.groups.container()->push_back(macroGroup(3, macroRecord("Other", 1, {0x04})));
    plug();
    start();

    // Slot 3 is read twice (keys 5 and 9) and kept once; slot 1 is empty; slot 12 does not exist.
    EXPECT_EQ(groupNames(panel.groups), (std::vector<std::string>{"-1:Other", "3:Copy", "4:Hello"}));
    const MacroRecordGroup& hello = panel.groups.container()->back();
    EXPECT_EQ(hello.repeat(), 2);
    ASSERT_EQ(hello.items().size(), 3u);
    const MacroRecordGpItem& first = hello.items().front();
    EXPECT_EQ(first.code, keyByHidUsage(0x0B).code());
    EXPECT_EQ(first.name, std::string(keyByHidUsage(0x0B).name));
    EXPECT_EQ(first.state, 1);
    EXPECT_EQ(first.delay, 300);
}

TEST_F(ConnectSequence, ArrivalRunsTheSequenceOnceAndRemovalClearsTheKeyCodes)
{
    const KeyboardModel model = emulator.model();
    start();
    plug();
    arrive();
    EXPECT_EQ(panel.connection.selected(), 1);
    EXPECT_EQ(emulator.receivedHeaders(), connectReads(model));

    // A second arrival while connected reopens the interface but reads nothing.
    emulator.clearLog();
    arrive();
    EXPECT_TRUE(emulator.receivedReports().empty());

    panel.clearPublications();
    remove();
    EXPECT_EQ(panel.connection.selected(), 0);
    EXPECT_EQ(codesOf(panel.keyCodes), std::vector<macro_code_t>(109));
    EXPECT_EQ(panel.publications(), (std::vector<Publication>{{"connection", 0}, {"key codes", 0}}));
    EXPECT_EQ(backend.openHandleCount(), 0u);
}

TEST_F(ConnectSequence, ReconnectReadsTheKeyboardAfresh)
{
    plug();
    start();
    remove();
    emulator.updateModel([](KeyboardModel& model) {
        model.registers[2 * 10 + 7].foreBrightness = 17;
        model.currentProfile = 2;
    });
    plug();
    arrive();

    EXPECT_EQ(panel.keys.profileIndex.count(), 3u);
    EXPECT_EQ(panel.keys.profileIndex.index(), 2u);
    EXPECT_EQ(panel.keys.selectingKeys.selected().foreBrightness, 17);

    emulator.clearLog();
    _reg_mode_t reg = panel.keys.selectingKeys.selected();
    reg.setSpeed(9);
    panel.keys.selectingKeys.writeValue(reg, 0, false, false);
    settle();
    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{writeFrame(CmdModeRegister, 27, 9)}));
}

TEST_F(ConnectSequence, DestroyingTheLogicClosesTheKeyboard)
{
    plug();
    start();
    logic.reset();
    EXPECT_EQ(backend.openHandleCount(), 0u);
}

} // namespace
} // namespace kb::test
