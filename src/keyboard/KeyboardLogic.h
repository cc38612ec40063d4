#pragma once

// KeyboardLogic: the device side of the program. It holds the same shared state values as
// the keyboard panel and the macro editor, finds and opens the keyboard when it is built,
// reads the keyboard's whole state into those values whenever the keyboard becomes
// connected (the connect sequence), and turns changes of the values into keyboard commands
// through its change hooks. It never calls the user interface; all exchange goes through
// the values. Every hook runs on the state model's dispatcher thread.
//
//   HidDevice device(backend);
//   KeyboardLogic logic(device);            // opens the keyboard if present, publishes the connection
//   onHidArrival(device, path, logic.connectionWriter());
//   onHidRemoval(device, path, logic.connectionWriter());

#include "device/HidDevice.h"
#include "device/HidHotplug.h"
#include "device/SimpleThread.h"
#include "files/MacroRecordGroup.h"
#include "keyboard/KeyboardRecords.h"
#include "keyboard/ModeRegisters.h"
#include "state/SharedKeys.h"
#include "state/ShapeList.h"
#include "state/ShapeType.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace kb {

class KeyboardLogic {
public:
    // Joins the values, installs the hooks, opens the first keyboard interface present and
    // publishes the number of handles opened as the connection value (to itself too).
    explicit KeyboardLogic(HidDevice& device);
    // Closes the device, waits for a hook in progress, stops the workers.
    ~KeyboardLogic();

    KeyboardLogic(const KeyboardLogic&) = delete;
    KeyboardLogic& operator=(const KeyboardLogic&) = delete;

    // Writes the connection value (1 on arrival, 0 on removal) and publishes it to its peers
    // and to the logic itself; an unchanged value publishes nothing. Call on the UI thread.
    void writeConnection(int connection);
    ConnectionWriter connectionWriter();

private:
    void installHooks();
    void waitForHooks();
    int connectionValue();

    // Connection hook and the connect sequence.
    void onConnection(int channel, const int* items, int count, int oldCount, int index, int oldIndex, int tag);
    void disconnect();
    void connect();
    bool readModes(unsigned modeCount);
    bool readProfiles(unsigned profileCount, unsigned modeCount);
    bool readProfile(unsigned profile, unsigned modeCount, unsigned& registerNumber);
    void publishSelection();
    void readMacroSlots();
    std::vector<macro_code_t> readKeyCodeTable();

    // Lighting modes and profiles.
    void onSettings(int channel, const _reg_mode_t* items, int count, int oldCount, int index, int oldIndex, int tag);
    void onMode(int channel, const _mode_attr_t* items, int count, int oldCount, int index, int oldIndex, int tag);
    void onProfile(int channel, const _profile_attr_t* items, int count, int oldCount, int index, int oldIndex,
                   int tag);
    void publishCurrentSettings();
    void publishCurrentMode();

    // Per-key colours.
    void onKeyColours(int channel, const rgba_t* items, int count, int oldCount, int index, int oldIndex, int tag);
    void onCustomIndex(int channel, const int* items, int count, int oldCount, int index, int oldIndex, int tag);

    // Key assignment.
    void onAssignment(int channel, const macrokey_pack_t* items, int count, int oldCount, int index, int oldIndex,
                      int tag);
    bool assignMacro(const macrokey_pack_t& request, std::vector<macro_code_t>& codes);

    // Device control.
    void onRecordEnable(int channel, const int* items, int count, int oldCount, int index, int oldIndex, int tag);
    void onFactoryReset(int channel, const int* items, int count, int oldCount, int index, int oldIndex, int tag);
    void onNotifyMask(int channel, const int* items, int count, int oldCount, int index, int oldIndex, int tag);

    // Idle steps of the two workers.
    void idleA(SimpleThread& runner, void* owner);
    void idleB(SimpleThread& runner, void* owner);

    ShapeList<MacroRecordGroup, 1> groups_;
    ShapeType<rgba_t, 1000, 108, 1> keyColours_;
    ConnectionValue connection_;
    ShapeType<int, 1001, 1, 1> customIndex_;
    ShapeType<macrokey_pack_t, 10000, 1, 1> assignment_;
    ShapeType<macro_code_t, 2, 109, 1> keyCodes_;
    ModeRegisters registers_;
    SimpleThread workerA_;
    SimpleThread workerB_;
    SharedKeys keys_{true};
    HidDevice& device_;
    std::uint16_t macroSlotCount_ = 0;
    // Set first thing by the destructor: hooks that start afterwards do nothing.
    std::atomic<bool> closing_{false};
};

} // namespace kb
