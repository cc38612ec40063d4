// The real Linux device code (libudev enumeration, the udev monitor, hidraw ioctls) against
// emulated keyboards in a umockdev testbed. Runs under umockdev-wrapper.
#include "device/FeatureCommand.h"
#include "device/FeatureTransport.h"
#include "device/HidDiscovery.h"
#include "device/HidHotplug.h"
#include "emulator/HidTestbed.h"
#include "platform/HidMonitor.h"
#include "platform/LinuxHidBackend.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <algorithm>
#include <array>
#include <chrono>

namespace kb {
namespace {

using namespace std::chrono_literals;

const std::array<std::int32_t, 1> kProducts{kKeyboardProductId};

// One testbed for the whole process; each test unplugs what it plugged.
class HidSystem : public testing::Test {
protected:
    static HidTestbed& testbed()
    {
        static HidTestbed* instance = new HidTestbed; // lives until the process ends
        return *instance;
    }

    // The testbed must exist before a test creates its monitor.
    void SetUp() override
    {
        ASSERT_TRUE(HidTestbed::available()) << "run under umockdev-wrapper";
        testbed();
    }

    void TearDown() override
    {
        for (const std::string& node : nodes_)
            testbed().unplug(node);
    }

    PluggedHidDevice plug(const FakeHidDevice& device)
    {
        PluggedHidDevice plugged = testbed().plug(device);
        nodes_.push_back(plugged.node);
        return plugged;
    }

    // Collects notifications until `count` have come or two seconds have passed.
    static std::vector<HidNotification> awaitNotifications(HidMonitor& monitor, std::size_t count)
    {
        std::vector<HidNotification> received;
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (received.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd watch{monitor.fd(), POLLIN, 0};
            if (poll(&watch, 1, 50) > 0)
                for (HidNotification& n : monitor.receive())
                    received.push_back(std::move(n));
        }
        return received;
    }

    KeyboardEmulator emulator;
    LinuxHidBackend backend;

private:
    std::vector<std::string> nodes_;
};

TEST_F(HidSystem, EnumerationFindsTheKeyboardOnlyOnItsInterface)
{
    plug({kKeyboardVendorId, kKeyboardProductId, 0, nullptr});
    const PluggedHidDevice keyboard = plug({kKeyboardVendorId, kKeyboardProductId, 3, &emulator});
    const PluggedHidDevice other = plug({0x046d, kKeyboardProductId, 3, nullptr});

    EXPECT_EQ(keyboard.interfacePath, R"(\\?\hid#vid_1209&pid_0001&mi_03#)" + keyboard.node);
    const auto present = backend.enumerateInterfaces();
    EXPECT_EQ(present.size(), 3u);
    EXPECT_NE(std::find(present.begin(), present.end(), other.interfacePath), present.end());
    EXPECT_EQ(findHidInterfaces(backend, kProducts), std::vector<std::string>{keyboard.interfacePath});
}

TEST_F(HidSystem, FeatureReportsTravelThroughTheHidrawIoctls)
{
    const PluggedHidDevice keyboard = plug({.emulator = &emulator});
    HidDevice device(backend);
    ASSERT_EQ(openHidDevice(device, keyboard.interfacePath), 2);
    EXPECT_GE(*device.readHandle, 0);

    _reg_mode_t reg{};
    reg.foreBrightness = 99;
    reg.setSpeed(4);
    EXPECT_EQ(writeFeatureCommand(device, &reg, CmdModeRegister, 17, 0, sizeof reg), 9u);
    EXPECT_EQ(emulator.model().registers[17], reg);

    KbDeviceInfo info{};
    EXPECT_EQ(readFeatureCommand(device, CmdDeviceInfo, 0, &info, sizeof info), 90u);
    EXPECT_EQ(info, emulator.model().deviceInfo);
    std::vector<std::uint8_t> colours(600);
    EXPECT_EQ(readFeatureCommand(device, CmdKeyColours, 3, colours.data(), 600), 600u);
    EXPECT_EQ(emulator.receivedHeaders(), (std::vector<FrameHeader>{{0, 9, CmdModeRegister, 17},
                                                                    {0, 90, 0x81, 0},
                                                                    {0, 512, 0x87, 3},
                                                                    {512, 88, 0x87, 3}}));

    // A refused report fails the ioctl, which the transport reports as nothing moved.
    EXPECT_EQ(readFeatureCommand(device, CmdModeAttributes, 200, &info, 62), 0u);
}

TEST_F(HidSystem, PlugAndUnplugReachTheMonitorAndTheMatchingRules)
{
    HidMonitor monitor;
    ASSERT_GE(monitor.fd(), 0);
    HidDevice device(backend);
    std::vector<int> connection;
    const ConnectionWriter write = [&](int value) { connection.push_back(value); };

    const PluggedHidDevice keyboard = plug({.emulator = &emulator});
    const PluggedHidDevice other = plug({0x046d, 0xc52b, 3, nullptr});
    const auto arrivals = awaitNotifications(monitor, 2);
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[0].change, HidChange::Arrival);
    EXPECT_EQ(arrivals[0].path, keyboard.interfacePath);
    EXPECT_TRUE(onHidArrival(device, arrivals[0].path, write));
    EXPECT_FALSE(onHidArrival(device, arrivals[1].path, write));
    EXPECT_EQ(connection, std::vector<int>{1});

    std::uint8_t profile = 0xAA;
    EXPECT_EQ(readFeatureCommand(device, CmdCurrentProfile, 0, &profile, 1), 1u);
    EXPECT_EQ(profile, 0);

    // The other device leaving does not touch the keyboard's handles.
    testbed().unplug(other.node);
    auto removals = awaitNotifications(monitor, 1);
    ASSERT_FALSE(removals.empty());
    onHidRemoval(device, removals[0].path, write);
    EXPECT_TRUE(device.readHandle);

    // The keyboard's removal is matched from the event alone: its sysfs entries are gone.
    testbed().unplug(keyboard.node);
    removals = awaitNotifications(monitor, 1);
    ASSERT_FALSE(removals.empty());
    EXPECT_EQ(removals[0].change, HidChange::Removal);
    EXPECT_EQ(removals[0].path, keyboard.interfacePath);
    onHidRemoval(device, removals[0].path, write);
    EXPECT_FALSE(device.readHandle);
    EXPECT_FALSE(device.writeHandle);
    EXPECT_EQ(connection, (std::vector<int>{1, 0}));
}

TEST_F(HidSystem, SecondArrivalReopensBothHandles)
{
    HidMonitor monitor;
    HidDevice device(backend);
    int connection = -1;
    const ConnectionWriter write = [&](int value) { connection = value; };

    plug({.emulator = &emulator});
    const auto arrivals = awaitNotifications(monitor, 1);
    ASSERT_EQ(arrivals.size(), 1u);
    ASSERT_TRUE(onHidArrival(device, arrivals[0].path, write));
    EXPECT_FALSE(device.readClosed.isSet());

    ASSERT_TRUE(onHidArrival(device, arrivals[0].path, write));
    EXPECT_TRUE(device.readClosed.waitFor(0ms));
    EXPECT_TRUE(device.writeClosed.waitFor(0ms));
    EXPECT_EQ(connection, 1);
    std::uint8_t set = 0xAA;
    EXPECT_EQ(readFeatureCommand(device, CmdColourSet, 0, &set, 1), 1u);
    EXPECT_EQ(set, 0);
}

} // namespace
} // namespace kb
