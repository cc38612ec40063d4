#include "device/FeatureCommand.h"
#include "device/FeatureTransport.h"
#include "emulator/InProcessKeyboard.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace kb {
namespace {

TEST(KeyboardModel, FactoryContentsCoverEveryModeFlag)
{
    const KeyboardModel model = KeyboardModel::factoryDefaults();
    EXPECT_EQ(model.deviceInfo.profileCount, 3);
    EXPECT_EQ(model.deviceInfo.modeCount, model.modes.size());
    EXPECT_EQ(model.deviceInfo.macroSlotCount, model.macroSlots.size());
    EXPECT_EQ(model.registers.size(), 3 * model.modes.size());
    EXPECT_EQ(model.colourSets.size(), 4u);

    std::uint16_t allFlags = 0;
    bool withoutSettings = false;
    for (const _mode_attr_t& mode : model.modes) {
        allFlags |= mode.flags;
        withoutSettings |= mode.flags == 0;
        EXPECT_FALSE(mode.getName().empty());
    }
    EXPECT_EQ(allFlags, 0x7FE); // bits 1 to 10
    EXPECT_TRUE(withoutSettings);
}

class EmulatedKeyboard : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(keyboard.open(), 2); }

    InProcessKeyboard keyboard;
    HidDevice& device = keyboard.device;
};

struct RoundTrip {
    std::uint8_t command;
    unsigned writeIndex;
    unsigned readIndex; // where the written bytes are read back
    std::uint32_t length;
};

class WriteThenRead : public EmulatedKeyboard, public testing::WithParamInterface<RoundTrip> {};

TEST_P(WriteThenRead, ReadsBackWhatWasWritten)
{
    const RoundTrip& c = GetParam();
    std::vector<std::uint8_t> written(c.length);
    std::iota(written.begin(), written.end(), std::uint8_t{1});
    if (c.length == 1)
        written[0] = 1; // a profile, mode or colour-set number the keyboard has
    ASSERT_EQ(writeFeatureCommand(device, written.data(), c.command, c.writeIndex, 0, c.length), c.length);
    std::vector<std::uint8_t> read(c.length);
    ASSERT_EQ(readFeatureCommand(device, c.command, c.readIndex, read.data(), c.length), c.length);
    EXPECT_EQ(read, written);
}

// The current profile is 0 and the current colour set 0 in the factory state.
INSTANTIATE_TEST_SUITE_P(Commands, WriteThenRead,
                         testing::Values(RoundTrip{CmdModeRegister, 29, 29, 9}, RoundTrip{CmdProfileMode, 0, 0, 1},
                                         RoundTrip{CmdCurrentProfile, 0, 0, 1}, RoundTrip{CmdKeyColours, 0, 0, 432},
                                         RoundTrip{CmdColourSet, 0, 0, 1}, RoundTrip{CmdKeyCodes, 0, 0, 218},
                                         RoundTrip{CmdMacroSlot, 9, 9, 367}));

TEST_F(EmulatedKeyboard, WritesOfCurrentModeAndColoursGoToTheCurrentProfileAndSet)
{
    const std::uint8_t two = 2;
    writeFeatureCommand(device, &two, CmdCurrentProfile, 0, 0, 1);
    writeFeatureCommand(device, &two, CmdColourSet, 0, 0, 1);
    const std::uint8_t mode = 7;
    writeFeatureCommand(device, &mode, CmdProfileMode, 0, 0, 1);
    const std::vector<std::uint8_t> colours(432, 0x5A);
    writeFeatureCommand(device, colours.data(), CmdKeyColours, 0, 0, 432);

    const KeyboardModel model = keyboard.emulator.model();
    EXPECT_EQ(model.currentModes[2], 7);
    EXPECT_EQ(model.colourSets[2][107], (rgba_t{0x5A, 0x5A, 0x5A, 0x5A}));
    EXPECT_NE(model.colourSets[0][107], (rgba_t{0x5A, 0x5A, 0x5A, 0x5A}));
}

TEST_F(EmulatedKeyboard, RefusesWhatTheKeyboardDoesNotHave)
{
    std::uint8_t bytes[90]{};
    EXPECT_EQ(writeFeatureCommand(device, bytes, CmdDeviceInfo, 0, 0, 90), 0u);
    EXPECT_EQ(writeFeatureCommand(device, bytes, CmdModeAttributes, 0, 0, 62), 0u);
    EXPECT_EQ(readFeatureCommand(device, CmdDeviceControl, 0, bytes, 2), 0u);
    EXPECT_EQ(readFeatureCommand(device, CmdModeAttributes, 10, bytes, 62), 0u);
    EXPECT_EQ(readFeatureCommand(device, CmdMacroSlot, 10, bytes, 1), 0u);
    EXPECT_EQ(readFeatureCommand(device, 0x0B, 0, bytes, 1), 0u);
    EXPECT_EQ(keyboard.emulator.receivedReports().size(), 6u); // each was received, and refused
}

// Selecting a profile, mode or colour set beyond the keyboard's 3, 10 and 4 is refused, and
// the keyboard stays on the one it had: later writes of the current mode and colours land.
TEST_F(EmulatedKeyboard, RefusesSelectionsItDoesNotHave)
{
    for (const std::uint8_t command : {CmdCurrentProfile, CmdProfileMode, CmdColourSet}) {
        SCOPED_TRACE(int{command});
        const KeyboardModel before = keyboard.emulator.model();
        for (const std::uint8_t value : {std::uint8_t{10}, std::uint8_t{255}})
            EXPECT_EQ(writeFeatureCommand(device, &value, command, 0, 0, 1), 0u);
        const KeyboardModel after = keyboard.emulator.model();
        EXPECT_EQ(after.currentProfile, before.currentProfile);
        EXPECT_EQ(after.currentModes, before.currentModes);
        EXPECT_EQ(after.colourSet, before.colourSet);
    }
    const std::uint8_t last[] = {2, 9, 3};
    EXPECT_EQ(writeFeatureCommand(device, &last[0], CmdCurrentProfile, 0, 0, 1), 1u);
    EXPECT_EQ(writeFeatureCommand(device, &last[1], CmdProfileMode, 0, 0, 1), 1u);
    EXPECT_EQ(writeFeatureCommand(device, &last[2], CmdColourSet, 0, 0, 1), 1u);
    const KeyboardModel model = keyboard.emulator.model();
    EXPECT_EQ(model.currentModes[2], 9);
    EXPECT_EQ(model.colourSet, 3);
}

TEST_F(EmulatedKeyboard, FactoryResetRestoresTheContentsAndKeepsTheMask)
{
    const std::uint8_t profile = 2;
    writeFeatureCommand(device, &profile, CmdCurrentProfile, 0, 0, 1);
    const std::uint8_t all[2] = {0xFF, 0xFF};
    EXPECT_EQ(writeFeatureCommand(device, all, CmdDeviceControl, 0, 8, 2), 2u);
    EXPECT_EQ(keyboard.emulator.model().currentProfile, 2);

    EXPECT_EQ(writeFeatureCommand(device, all, CmdDeviceControl, 0, 10, 2), 2u);
    const KeyboardModel model = keyboard.emulator.model();
    EXPECT_EQ(model.currentProfile, 0);
    EXPECT_EQ(model.controlBlock[KeyboardModel::kNotifyMaskAt], 0xFF);
    EXPECT_EQ(model.controlBlock[KeyboardModel::kFactoryResetAt], 0);
}

} // namespace
} // namespace kb
