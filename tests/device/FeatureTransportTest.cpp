#include "device/FeatureCommand.h"
#include "device/FeatureTransport.h"
#include "device/HidDiscovery.h"
#include "device/HidHotplug.h"
#include "emulator/InProcessKeyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <numeric>
#include <thread>
#include <vector>

namespace kb {
namespace {

std::vector<std::uint8_t> pattern(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

class FeatureTransport : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(keyboard.open(), 2); }

    InProcessKeyboard keyboard;
    HidDevice& device = keyboard.device;
    KeyboardEmulator& emulator = keyboard.emulator;
};

struct ChunkCase {
    std::uint32_t length;
    std::vector<FrameHeader> frames; // at start offset 4
};

class WriteChunking : public FeatureTransport, public testing::WithParamInterface<ChunkCase> {};

TEST_P(WriteChunking, SplitsThePayloadIntoFramesOfAtMost512Bytes)
{
    const auto payload = pattern(GetParam().length);
    const std::uint32_t sent = writeFeatureCommand(device, payload.data(), CmdKeyCodes, 0, 4, GetParam().length);

    EXPECT_EQ(sent, GetParam().length);
    EXPECT_EQ(emulator.receivedHeaders(), GetParam().frames);
    const auto reports = emulator.receivedReports();
    std::size_t at = 0;
    for (const FeatureReport& report : reports) {
        const FrameHeader header = readFrameHeader(report);
        ASSERT_TRUE(std::equal(payload.begin() + at, payload.begin() + at + header.length, frameData(report).begin()));
        EXPECT_TRUE(std::all_of(frameData(report).begin() + header.length, frameData(report).end(),
                                [](std::uint8_t b) { return b == 0; }));
        at += header.length;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, WriteChunking,
    testing::Values(ChunkCase{0, {{4, 0, CmdKeyCodes, 0}}}, ChunkCase{432, {{4, 432, CmdKeyCodes, 0}}},
                    ChunkCase{512, {{4, 512, CmdKeyCodes, 0}}},
                    ChunkCase{600, {{4, 512, CmdKeyCodes, 0}, {516, 88, CmdKeyCodes, 0}}},
                    ChunkCase{1100, {{4, 512, CmdKeyCodes, 0}, {516, 512, CmdKeyCodes, 0}, {1028, 76, CmdKeyCodes, 0}}}));

TEST_F(FeatureTransport, WriteWithoutPayloadSendsZeroDataAndLandsInTheKeyboard)
{
    emulator.updateModel([](KeyboardModel& m) { m.registers[24].foreBrightness = 7; });
    EXPECT_EQ(writeFeatureCommand(device, nullptr, CmdModeRegister, 24, 0, 9), 9u);
    EXPECT_EQ(emulator.model().registers[24].foreBrightness, 0);

    const std::uint8_t profile = 2;
    EXPECT_EQ(writeFeatureCommand(device, &profile, CmdCurrentProfile, 0, 0, 1), 1u);
    EXPECT_EQ(emulator.model().currentProfile, 2);
}

TEST_F(FeatureTransport, ReadRequestsEachChunkAndCopiesTheAnswers)
{
    KbDeviceInfo info{};
    EXPECT_EQ(readFeatureCommand(device, CmdDeviceInfo, 0, &info, sizeof info), 90u);
    EXPECT_EQ(info, emulator.model().deviceInfo);
    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{{0, 90, 0x81, 0}}));

    // 600 bytes of a 432-byte colour set: two requests; beyond its end the keyboard sends 0.
    emulator.clearLog();
    std::vector<std::uint8_t> colours(600, 0xAA);
    EXPECT_EQ(readFeatureCommand(device, CmdKeyColours, 2, colours.data(), 600), 600u);
    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{{0, 512, 0x87, 2}, {512, 88, 0x87, 2}}));
    const auto set = emulator.model().colourSets[2];
    EXPECT_EQ(std::memcmp(colours.data(), set.data(), sizeof set), 0);
    EXPECT_TRUE(std::all_of(colours.begin() + 432, colours.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(FeatureTransport, AnswerThatDoesNotEchoTheRequestFailsAndLeavesTheDestination)
{
    for (EchoFault fault : {EchoFault::Offset, EchoFault::Command, EchoFault::Index}) {
        emulator.corruptNextEcho(fault);
        std::array<std::uint8_t, 9> reg;
        reg.fill(0xAA);
        EXPECT_EQ(readFeatureCommand(device, CmdModeRegister, 3, reg.data(), 9), 0u);
        EXPECT_TRUE(std::all_of(reg.begin(), reg.end(), [](std::uint8_t b) { return b == 0xAA; }));
    }
    // No answer at all fails the same way.
    std::uint8_t byte = 0xAA;
    emulator.dropNextAnswer();
    EXPECT_EQ(readFeatureCommand(device, CmdColourSet, 0, &byte, 1), 0u);
    EXPECT_EQ(byte, 0xAA);
}

TEST_F(FeatureTransport, ZeroLengthReadSendsOneEmptyRequestAndFetchesNothing)
{
    std::uint8_t byte = 0xAA;
    EXPECT_EQ(readFeatureCommand(device, CmdColourSet, 0, &byte, 0), 0u);
    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{{0, 0, 0x88, 0}}));
    EXPECT_EQ(emulator.transferCount(), 1u);
    EXPECT_EQ(byte, 0xAA);
}

TEST_F(FeatureTransport, ReadWithOnlyTheWriteHandleSendsTheRequestAndFails)
{
    keyboard.backend.close(*device.readHandle);
    device.readHandle.reset();
    std::uint8_t byte = 0xAA;
    EXPECT_EQ(readFeatureCommand(device, CmdCurrentProfile, 0, &byte, 1), 0u);
    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{{0, 1, 0x86, 0}}));
    EXPECT_EQ(byte, 0xAA);
}

TEST_F(FeatureTransport, KeyboardGoneBetweenRequestAndAnswerReturnsTheBytesMovedSoFar)
{
    std::vector<std::uint8_t> colours(600);
    emulator.failFromTransfer(3); // request 0, answer 1, request 2, then gone
    EXPECT_EQ(readFeatureCommand(device, CmdKeyColours, 1, colours.data(), 600), 512u);
    EXPECT_EQ(emulator.receivedHeaders().size(), 2u);

    emulator.vanish();
    std::uint8_t byte = 0xAA;
    EXPECT_EQ(readFeatureCommand(device, CmdColourSet, 0, &byte, 1), 0u);
    EXPECT_EQ(writeFeatureCommand(device, &byte, CmdColourSet, 0, 0, 1), 0u);
    EXPECT_EQ(byte, 0xAA);
}

TEST_F(FeatureTransport, UnpluggedInterfaceOrClosedDeviceMovesNothing)
{
    keyboard.backend.unplug(kInProcessKeyboardPath);
    std::uint8_t byte = 1;
    EXPECT_EQ(writeFeatureCommand(device, &byte, CmdColourSet, 0, 0, 1), 0u);
    closeHidDevice(device);
    EXPECT_EQ(readFeatureCommand(device, CmdColourSet, 0, &byte, 1), 0u);
    EXPECT_TRUE(emulator.receivedReports().empty());
}

// An index above 255 would be cut to its low byte and land on another register: such a
// command fails at once and sends nothing.
TEST_F(FeatureTransport, IndexThatDoesNotFitInOneByteSendsNothing)
{
    const _reg_mode_t before = emulator.model().registers[4];
    _reg_mode_t reg{};
    reg.foreBrightness = 1;
    EXPECT_EQ(writeFeatureCommand(device, &reg, CmdModeRegister, 256 + 4, 0, 9), 0u);
    EXPECT_EQ(readFeatureCommand(device, CmdModeRegister, 256 + 4, &reg, 9), 0u);
    EXPECT_TRUE(emulator.receivedReports().empty());
    EXPECT_EQ(emulator.model().registers[4], before);

    EXPECT_EQ(writeFeatureCommand(device, nullptr, CmdMacroSlot, 255, 0, 1), 0u); // refused by the keyboard
    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{{0, 1, CmdMacroSlot, 255}}));
}

// A removal may close the handles while another thread is between the transfers of one
// command: every read then ends after a whole number of chunks, and later ones move nothing.
TEST_F(FeatureTransport, RemovalDuringTransfersEndsThemCleanly)
{
    emulator.setLatency(std::chrono::microseconds(200));
    std::atomic<bool> removed{false};
    std::vector<std::uint32_t> results;
    std::thread reader([&] {
        std::vector<std::uint8_t> colours(600);
        bool sawRemoval = false;
        while (!sawRemoval) {
            sawRemoval = removed.load();
            results.push_back(readFeatureCommand(device, CmdKeyColours, 0, colours.data(), 600));
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    onHidRemoval(device, kInProcessKeyboardPath, [](int) {});
    removed = true;
    reader.join();

    ASSERT_FALSE(results.empty());
    EXPECT_EQ(results.back(), 0u);
    for (std::uint32_t bytes : results)
        EXPECT_TRUE(bytes == 0 || bytes == 512 || bytes == 600) << bytes;
    EXPECT_EQ(keyboard.backend.openHandleCount(), 0u);
}

} // namespace
} // namespace kb
