#include "device/HidDiscovery.h"
#include "device/HidHotplug.h"
#include "device/KeyboardIdentity.h"
#include "emulator/InProcessKeyboard.h"
#include "state/ShapeDispatcher.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace kb {
namespace {

using namespace std::chrono_literals;

const std::array<std::int32_t, 1> kProducts{kKeyboardProductId};

TEST(FindHidInterfaces, ListsTheKeyboardInterfacesInEnumerationOrderWithDiagnostics)
{
    EmulatorHidBackend backend;
    backend.plug(R"(\\?\hid#vid_046d&pid_c52b&mi_03#/dev/hidraw0)");
    backend.plug(R"(\\?\hid#vid_1209&pid_0001&mi_00#/dev/hidraw1)");
    backend.plug(R"(\\?\hid#vid_1209&pid_0001&mi_03&col01#/dev/hidraw2)");
    backend.plug(""); // an interface whose path cannot be read
    backend.plug(R"(\\?\hid#vid_1209&pid_0001#/dev/hidraw3)");
    backend.plug(R"(\\?\hid#vid_1209&pid_0001&mi_03#/dev/hidraw4)");

    testing::internal::CaptureStdout();
    const auto paths = findHidInterfaces(backend, kProducts);
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(paths, (std::vector<std::string>{R"(\\?\hid#vid_1209&pid_0001&mi_03&col01#/dev/hidraw2)",
                                               R"(\\?\hid#vid_1209&pid_0001&mi_03#/dev/hidraw4)"}));
    EXPECT_TRUE(findHidInterfaces(backend, {}).empty());
    const std::string guid = "guid={4d1e55b2-f16f-11cf-88cb001111000030}";
    EXPECT_EQ(output, "got classs: " + guid + "\n" + "enum interface: " + guid + " index=0\n" + "enum interface: "
                          + guid + " index=1\n" + "enum interface: " + guid + " index=2\n" + "enum interface: " + guid
                          + " index=3\n获取接口信息失败\n" + "enum interface: " + guid + " index=4\n"
                          + "enum interface: " + guid + " index=5\n");
}

TEST(OpenHidDevice, OpensBothHandlesAndReplacesThemOnTheNextOpen)
{
    InProcessKeyboard keyboard;
    HidDevice& device = keyboard.device;
    testing::internal::CaptureStdout();
    EXPECT_EQ(keyboard.open(), 2);
    const HidHandle firstRead = *device.readHandle;
    const HidHandle firstWrite = *device.writeHandle;
    EXPECT_FALSE(device.readClosed.isSet());

    EXPECT_EQ(keyboard.open(), 2);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(*device.readHandle, firstRead);
    EXPECT_NE(*device.writeHandle, firstWrite);
    EXPECT_TRUE(device.readClosed.waitFor(0ms));
    EXPECT_TRUE(device.writeClosed.waitFor(0ms));
    EXPECT_EQ(keyboard.backend.openHandleCount(), 2u);
    EXPECT_EQ(output, "open dev: 00000003\nopen dev: 00000004\nopen dev: 00000005\nopen dev: 00000006\n");
}

TEST(OpenHidDevice, VanishedKeyboardIsNeitherListedNorOpened)
{
    InProcessKeyboard keyboard;
    keyboard.emulator.vanish();
    EXPECT_TRUE(findHidInterfaces(keyboard.backend, kProducts).empty());
    EXPECT_EQ(keyboard.open(), 0);
}

TEST(OpenHidDevice, FailedOpensLeaveInvalidHandlesThatCloseCannotClear)
{
    EmulatorHidBackend backend;
    HidDevice device(backend);
    EXPECT_EQ(openHidDevice(device, "hid#vid_1209&pid_0001&mi_03#missing"), 0);
    EXPECT_EQ(device.readHandle, kInvalidHidHandle);
    EXPECT_EQ(device.writeHandle, kInvalidHidHandle);

    closeHidDevice(device);
    EXPECT_EQ(device.readHandle, kInvalidHidHandle);
    EXPECT_FALSE(device.readClosed.isSet());
    EXPECT_FALSE(device.writeClosed.isSet());
}

TEST(CloseHidDevice, EmptiesBothHandlesAndSignalsEachOnce)
{
    InProcessKeyboard keyboard;
    HidDevice& device = keyboard.device;
    keyboard.open();
    closeHidDevice(device);
    EXPECT_FALSE(device.readHandle);
    EXPECT_FALSE(device.writeHandle);
    EXPECT_EQ(keyboard.backend.openHandleCount(), 0u);
    EXPECT_TRUE(device.readClosed.waitFor(0ms));
    EXPECT_TRUE(device.writeClosed.waitFor(0ms));

    closeHidDevice(device); // nothing left to close
    EXPECT_FALSE(device.readClosed.isSet());
}

TEST(HidDevice, ClosesItsHandlesWhenDestroyed)
{
    EmulatorHidBackend backend;
    backend.plug(kInProcessKeyboardPath);
    {
        HidDevice device(backend);
        openHidDevice(device, kInProcessKeyboardPath);
        EXPECT_EQ(backend.openHandleCount(), 2u);
    }
    EXPECT_EQ(backend.openHandleCount(), 0u);
}

// Records what the hot-plug functions write into the connection value.
struct ConnectionLog {
    std::vector<int> writes;
    ConnectionWriter writer()
    {
        return [this](int value) { writes.push_back(value); };
    }
};

struct ArrivalCase {
    const char* path;
    bool opens;
};

class Arrival : public testing::TestWithParam<ArrivalCase> {};

TEST_P(Arrival, OpensAndConnectsOnlyForTheKeyboard)
{
    EmulatorHidBackend backend;
    backend.plug(GetParam().path);
    HidDevice device(backend);
    ConnectionLog connection;

    EXPECT_EQ(onHidArrival(device, GetParam().path, connection.writer()), GetParam().opens);
    EXPECT_EQ(connection.writes, GetParam().opens ? std::vector<int>{1} : std::vector<int>{});
    EXPECT_EQ(backend.openHandleCount(), GetParam().opens ? 2u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Paths, Arrival,
                         testing::Values(ArrivalCase{R"(\\?\hid#vid_1209&pid_0001&mi_03#/dev/hidraw1)", true},
                                         ArrivalCase{R"(\\?\hid#vid_1209&pid_0001#/dev/hidraw1)", true},
                                         ArrivalCase{R"(\\?\hid#vid_1209&pid_0001&mi_03&col01#/dev/hidraw1)", false},
                                         ArrivalCase{R"(\\?\hid#vid_1209&pid_0001&mi_00#/dev/hidraw1)", false},
                                         ArrivalCase{R"(\\?\hid#vid_046d&pid_0001&mi_03#/dev/hidraw1)", false},
                                         ArrivalCase{"/dev/hidraw1", false}));

// A backend whose opens can be told to fail, one by one.
class FailingOpenBackend final : public HidBackend {
public:
    EmulatorHidBackend inner;
    std::vector<bool> opensSucceed; // consumed front to back; empty = all succeed

    std::vector<std::string> enumerateInterfaces() override { return inner.enumerateInterfaces(); }
    HidHandle open(const std::string& path) override
    {
        const bool succeed = opensSucceed.empty() || opensSucceed.front();
        if (!opensSucceed.empty())
            opensSucceed.erase(opensSucceed.begin());
        return succeed ? inner.open(path) : kInvalidHidHandle;
    }
    bool close(HidHandle h) override { return inner.close(h); }
    bool setFeature(HidHandle h, std::span<const std::uint8_t> r) override { return inner.setFeature(h, r); }
    bool getFeature(HidHandle h, std::span<std::uint8_t> r) override { return inner.getFeature(h, r); }
};

TEST(ArrivalWithOneHandle, StillConnectsAndNoHandleDoesNot)
{
    FailingOpenBackend backend;
    backend.inner.plug(kInProcessKeyboardPath);
    HidDevice device(backend);
    ConnectionLog connection;

    backend.opensSucceed = {false, true}; // the write open fails, the read open succeeds
    EXPECT_TRUE(onHidArrival(device, kInProcessKeyboardPath, connection.writer()));
    EXPECT_EQ(device.writeHandle, kInvalidHidHandle);
    EXPECT_NE(device.readHandle, kInvalidHidHandle);

    backend.opensSucceed = {false, false};
    EXPECT_FALSE(onHidArrival(device, kInProcessKeyboardPath, connection.writer()));
    EXPECT_EQ(connection.writes, std::vector<int>{1});
}

TEST(Removal, ClosesAndDisconnectsOnlyForTheKeyboard)
{
    InProcessKeyboard keyboard;
    keyboard.open();
    ConnectionLog connection;

    onHidRemoval(keyboard.device, R"(\\?\hid#vid_046d&pid_c52b&mi_03#/dev/hidraw0)", connection.writer());
    onHidRemoval(keyboard.device, R"(\\?\hid#vid_1209&pid_0001&mi_03&col01#/dev/hidraw0)", connection.writer());
    EXPECT_EQ(keyboard.backend.openHandleCount(), 2u);
    EXPECT_TRUE(connection.writes.empty());

    onHidRemoval(keyboard.device, kInProcessKeyboardPath, connection.writer());
    EXPECT_EQ(keyboard.backend.openHandleCount(), 0u);
    EXPECT_FALSE(keyboard.device.readHandle);
    EXPECT_EQ(connection.writes, std::vector<int>{0});
}

// Arrival and removal drive the keyboard logic's connection value: the value itself (its
// hook) and its peers (the panel's value) see 1 and then 0; a repeated arrival changes
// nothing and so publishes nothing.
TEST(HotplugConnection, WritesAndDeliversTheConnectionValue)
{
    InProcessKeyboard keyboard;
    ConnectionValue logic;
    ConnectionValue panel;
    std::vector<int> hookCalls;
    logic.setHook(&hookCalls, [&](int, const int* items, int, int, int, int, int tag) {
        EXPECT_EQ(tag, 0);
        hookCalls.push_back(items[0]);
    });

    EXPECT_TRUE(onHidArrival(keyboard.device, kInProcessKeyboardPath, logic));
    ShapeDispatcher::instance().waitIdle();
    EXPECT_EQ(panel.selected(), 1);
    EXPECT_TRUE(onHidArrival(keyboard.device, kInProcessKeyboardPath, logic));
    ShapeDispatcher::instance().waitIdle();
    EXPECT_EQ(hookCalls, std::vector<int>{1});

    onHidRemoval(keyboard.device, kInProcessKeyboardPath, logic);
    ShapeDispatcher::instance().waitIdle();
    EXPECT_EQ(panel.selected(), 0);
    EXPECT_EQ(hookCalls, (std::vector<int>{1, 0}));
}

} // namespace
} // namespace kb
