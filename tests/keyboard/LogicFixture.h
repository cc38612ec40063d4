#pragma once

// A keyboard logic with the panel's peer values, over an in-process backend into which the
// test plugs an emulated keyboard.

#include "PanelPeers.h"
#include "emulator/InProcessKeyboard.h"
#include "device/FeatureCommand.h"
#include "device/HidHotplug.h"
#include "keyboard/KeyboardLogic.h"
#include "state/ShapeDispatcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kb::test {

// The request frame of a read.
inline FrameHeader readRequest(std::uint8_t command, std::uint8_t index, std::uint16_t length)
{
    return {0, length, static_cast<std::uint8_t>(command | kReadRequestBit), index};
}

inline FrameHeader writeFrame(std::uint8_t command, std::uint8_t index, std::uint16_t length, std::uint32_t offset = 0)
{
    return {offset, length, command, index};
}

// The reads of a full connect sequence against the model, in order.
std::vector<FrameHeader> connectReads(const KeyboardModel& model);

// The factory keyboard with profile 1 current, colour set 2, and keys pointing at macros:
// keys 5 and 9 at slot 3 (two events), key 7 at slot 1 (empty), key 11 at slot 12 (beyond
// the keyboard's 10 slots) and key 20 at slot 4.
KeyboardModel testKeyboard();
MacroSlotRecord macroRecord(const char* name, std::uint8_t repeat, std::initializer_list<std::uint8_t> usages);

// A group as macro.xml holds it.
MacroRecordGroup macroGroup(std::int32_t id, const MacroSlotRecord& record);

class LogicTest : public testing::Test {
protected:
    explicit LogicTest(KeyboardModel model = testKeyboard())
        : emulator(std::move(model))
    {
    }
    ~LogicTest() override { settle(); }

    static void settle() { ShapeDispatcher::instance().waitIdle(); }

    void plug() { backend.plug(kInProcessKeyboardPath, &emulator); }
    void start()
    {
        logic = std::make_unique<KeyboardLogic>(device);
        settle();
    }
    void arrive()
    {
        onHidArrival(device, kInProcessKeyboardPath, logic->connectionWriter());
        settle();
    }
    void remove()
    {
        backend.unplug(kInProcessKeyboardPath);
        onHidRemoval(device, kInProcessKeyboardPath, logic->connectionWriter());
        settle();
    }
    void startConnected()
    {
        plug();
        start();
        emulator.clearLog();
        panel.clearPublications();
    }

    KeyboardEmulator emulator;
    EmulatorHidBackend backend;
    HidDevice device{backend};
    PanelPeers panel;
    std::unique_ptr<KeyboardLogic> logic;
};

} // namespace kb::test
