// The keyboard logic's hooks: what a change on the panel's or the macro dialog's values
// sends to the keyboard and publishes back.

#include "LogicFixture.h"

#include <algorithm>
#include <functional>

namespace kb::test {
namespace {

std::uint8_t dataByte(const FeatureReport& report, std::size_t i)
{
    return frameData(report)[i];
}

std::vector<macro_code_t> keyboardCodes(const KeyboardEmulator& emulator)
{
    const auto codes = emulator.model().keyCodes;
    return {codes.begin(), codes.end()};
}

// Replaces the groups the panel holds (as the macro editor would) and hands them to the logic.
void useGroupIds(PanelPeers& panel, std::initializer_list<std::int32_t> ids)
{
    panel.groups.container()->clear();
    for (const std::int32_t id : ids)
        panel.groups.container()->push_back(macroGroup(id, macroRecord("m", 1, {static_cast<std::uint8_t>(4 + id)})));
    panel.groups.publishPeers(0, false);
}

class CommandHooks : public LogicTest {
protected:
    void SetUp() override { startConnected(); }

    void requestAssignment(std::uint16_t type, std::uint16_t key, std::uint16_t value,
                           const MacroSlotRecord& record = {})
    {
        macrokey_pack_t request{};
        request.type = type;
        request.keyIndex = key;
        request.value = value;
        request.record = record;
        panel.request.writeValue(request, 0, false, true);
        settle();
    }

    const std::vector<FrameHeader> keyCodesRoundTrip{writeFrame(CmdKeyCodes, 0, 218), readRequest(CmdKeyCodes, 0, 218)};
};

TEST_F(CommandHooks, SettingsChangeWritesTheCurrentProfilesCurrentRegister)
{
    // Profile 2's current mode is 7: register 2 × 10 + 7.
    panel.keys.profileIndex.select(2, 1, false, false);
    settle();
    emulator.clearLog();

    _reg_mode_t reg = panel.keys.selectingKeys.selected();
    reg.setSpeed(11);
    reg.setForeColourValue(0x123456);
    panel.keys.selectingKeys.writeValue(reg, 0, false, false);
    settle();

    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{writeFrame(CmdModeRegister, 27, 9)}));
    EXPECT_EQ(emulator.model().registers[27], reg);
}

TEST_F(CommandHooks, ChoosingAModeSendsItAndPublishesItsSettings)
{
    panel.keys.modeAttr.select(7, 1, true, false);
    settle();

    const auto reports = emulator.receivedReports();
    ASSERT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{writeFrame(CmdProfileMode, 0, 1)}));
    EXPECT_EQ(dataByte(reports[0], 0), 7);
    EXPECT_EQ(emulator.model().currentModes[1], 7);
    EXPECT_EQ(panel.keys.selectingKeys.selected(), emulator.model().registers[17]);
    // The panel's own hook sees its tag; the logic answers with the mode's settings only.
    EXPECT_EQ(panel.publications(), (std::vector<Publication>{{"custom.mode.attr", 1}, {"custom.selecting.keys", 0}}));
}

TEST_F(CommandHooks, ProfileChangeUpdatesThePanelAndOnlyTagZeroReachesTheKeyboard)
{
    for (const int tag : {1, 0}) {
        SCOPED_TRACE(tag);
        panel.keys.profileIndex.select(0, 0, false, false);
        settle();
        emulator.clearLog();

        panel.keys.profileIndex.select(2, tag, false, false);
        settle();

        EXPECT_EQ(panel.keys.modeAttr.index(), 7u);
        EXPECT_EQ(panel.keys.selectingKeys.selected(), emulator.model().registers[27]);
        const auto expected = tag == 0 ? std::vector<FrameHeader>{writeFrame(CmdCurrentProfile, 0, 1)}
                                       : std::vector<FrameHeader>{};
        ASSERT_EQ(emulator.receivedHeaders(), expected);
        if (tag == 0) {
            EXPECT_EQ(dataByte(emulator.receivedReports()[0], 0), 2);
        }
    }
}

// The panel's list is longer than the keyboard's: the logic keeps its current profile and
// mode, tells the panel their settings again and still sends the number chosen.
TEST_F(CommandHooks, SelectionBeyondTheKeyboardsListsKeepsTheCurrentOneButIsSent)
{
    struct Case {
        const char* name;
        std::function<void(PanelPeers&)> choose;
        FrameHeader sent;
        std::uint8_t number;
    };
    const Case cases[] = {
        {"profile",
         [](PanelPeers& p) {
             _profile_attr_t extra{};
             extra.setName("P3");
             p.keys.profileIndex.append(&extra, 1);
             p.keys.profileIndex.select(3, 0, false, false);
         },
         writeFrame(CmdCurrentProfile, 0, 1), 3},
        {"mode",
         [](PanelPeers& p) {
             _mode_attr_t extra{};
             extra.setName("Extra");
             p.keys.modeAttr.append(&extra, 1);
             p.keys.modeAttr.select(10, 0, false, false);
         },
         writeFrame(CmdProfileMode, 0, 1), 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The panel shows something else, so the logic's answer is seen to arrive.
        _reg_mode_t shown{};
        panel.keys.selectingKeys.setSelected(&shown);
        emulator.clearLog();

        c.choose(panel);
        settle();

        const auto reports = emulator.receivedReports();
        ASSERT_EQ(emulator.receivedHeaders(), std::vector<FrameHeader>{c.sent});
        EXPECT_EQ(dataByte(reports[0], 0), c.number);
        // Profile 1 and its mode 4 stay current.
        EXPECT_EQ(panel.keys.selectingKeys.selected(), emulator.model().registers[14]);
        EXPECT_EQ(emulator.model().currentProfile, 1);
        EXPECT_EQ(emulator.model().currentModes[1], 4);
    }
}

TEST_F(CommandHooks, ChoosingAColourSetSendsItAndShowsItsColours)
{
    panel.customIndex.writeValue(3, 0, false, false);
    settle();

    ASSERT_EQ(emulator.receivedHeaders(),
              (std::vector<FrameHeader>{writeFrame(CmdColourSet, 0, 1), readRequest(CmdKeyColours, 3, 432)}));
    EXPECT_EQ(dataByte(emulator.receivedReports()[0], 0), 3);
    const auto set = emulator.model().colourSets[3];
    EXPECT_TRUE(std::equal(set.begin(), set.end(), panel.keyColours.data()));
}

TEST_F(CommandHooks, KeyColourChangeSendsTheWholeTable)
{
    std::vector<rgba_t> colours(panel.keyColours.data(), panel.keyColours.data() + 108);
    colours[10] = rgba_t{1, 2, 3, 4};
    panel.keyColours.writeArray(colours.data(), 108, 1, ShapeFlagCopy | ShapeFlagHook);
    settle();

    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{writeFrame(CmdKeyColours, 0, 432)}));
    EXPECT_EQ(emulator.model().colourSets[2][10], (rgba_t{1, 2, 3, 4}));
}

TEST_F(CommandHooks, KeyCodeRequestsSendTheTableAndPublishWhatTheKeyboardAnswers)
{
    struct Case {
        std::uint16_t type, key, value, expected;
    };
    for (const Case c : {Case{2, 5, 0x04, 0x2004}, Case{2, 6, 0x1E2, 0x21E2}, Case{0, 30, 0, 0}}) {
        SCOPED_TRACE(c.key);
        emulator.clearLog();
        requestAssignment(c.type, c.key, c.value);
        EXPECT_EQ(emulator.receivedHeaders(), keyCodesRoundTrip);
        EXPECT_EQ(emulator.model().keyCodes[c.key].word, c.expected);
        EXPECT_EQ(panel.keyCodes.data()[c.key].word, c.expected);
    }
}

TEST_F(CommandHooks, MacroRequestDownloadsIntoTheFirstFreeSlot)
{
    useGroupIds(panel, {0, 1, 3});
    const MacroSlotRecord record = macroRecord("New", 3, {0x04, 0x05});
    requestAssignment(4, 40, 0, record);

    std::vector<FrameHeader> expected{writeFrame(CmdMacroSlot, 2, 367)};
    expected.insert(expected.end(), keyCodesRoundTrip.begin(), keyCodesRoundTrip.end());
    EXPECT_EQ(emulator.receivedHeaders(), expected);
    EXPECT_EQ(emulator.model().macroSlots[2], record);
    EXPECT_EQ(panel.keyCodes.data()[40].word, 0x4002);
}

TEST_F(CommandHooks, IgnoredRequestsSendNothing)
{
    useGroupIds(panel, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    requestAssignment(3, 40, 0, macroRecord("Full", 1, {0x04})); // every slot taken
    requestAssignment(2, 109, 0x04);                              // no such key
    logic->writeConnection(0);
    settle();
    emulator.clearLog();
    requestAssignment(2, 5, 0x04); // disconnected
    EXPECT_TRUE(emulator.receivedReports().empty());
}

TEST_F(CommandHooks, FailedMacroDownloadLeavesNoEntryBehind)
{
    // The keyboard claims eleven slots but refuses slot 10.
    remove();
    emulator.updateModel([](KeyboardModel& model) { model.deviceInfo.macroSlotCount = 11; });
    plug();
    arrive();
    useGroupIds(panel, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    emulator.clearLog();

    requestAssignment(3, 40, 0, macroRecord("Lost", 1, {0x04}));
    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{writeFrame(CmdMacroSlot, 10, 367)}));

    requestAssignment(2, 41, 0x05);
    const auto codes = keyboardCodes(emulator);
    EXPECT_EQ(codes[40].word, 0);
    EXPECT_EQ(codes[41].word, 0x2005);
    EXPECT_EQ(panel.keyCodes.data()[40].word, 0);
}

TEST_F(CommandHooks, ControlButtonsWriteTheirWordEveryTimeTheyArePressed)
{
    struct Case {
        ShapeType<int, -1, 1, 0>& request;
        std::uint32_t offset;
    };
    for (const Case c : {Case{panel.keys.factoryReset, 10}, Case{panel.keys.notifyMask, 8}}) {
        SCOPED_TRACE(c.offset);
        emulator.clearLog();
        for (int press = 0; press < 2; ++press) {
            c.request.selected() = -1;
            c.request.publishPeers(0, true);
        }
        settle();
        const auto reports = emulator.receivedReports();
        ASSERT_EQ(emulator.receivedHeaders(), std::vector<FrameHeader>(2, writeFrame(CmdDeviceControl, 0, 2, c.offset)));
        for (const FeatureReport& report : reports) {
            EXPECT_EQ(dataByte(report, 0), 0xFF);
            EXPECT_EQ(dataByte(report, 1), 0xFF);
        }
    }
}

TEST_F(CommandHooks, RecordingSwitchSendsNothing)
{
    panel.keys.recordEnable.writeValue(1, 0, true, false);
    settle();
    EXPECT_TRUE(emulator.receivedReports().empty());
}

} // namespace
} // namespace kb::test
