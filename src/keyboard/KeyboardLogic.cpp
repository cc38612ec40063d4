#include "keyboard/KeyboardLogic.h"

#include "device/HidDiscovery.h"
#include "device/KeyboardIdentity.h"
#include "files/MacroSlotDecoder.h"
#include "keyboard/KeyboardCommands.h"
#include "keyboard/MacroSlotGroups.h"
#include "state/ShapeException.h"

#include <array>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

namespace kb {
namespace {

using namespace std::chrono_literals;

// The number of handles opened on the first keyboard interface present, 0 without one.
int openKeyboard(HidDevice& device)
{
    static constexpr std::array<std::int32_t, 1> kProducts{kKeyboardProductId};
    std::lock_guard openLock(device.openLock);
    const std::vector<std::string> paths = findHidInterfaces(device.backend, kProducts);
    return paths.empty() ? 0 : openHidDevice(device, paths.front());
}

// The selected element a hook was given, if there is one.
template <typename T>
const T* selectedItem(const T* items, int count, int index)
{
    return items && index >= 0 && index < count ? &items[index] : nullptr;
}

} // namespace

KeyboardLogic::KeyboardLogic(HidDevice& device)
    : device_(device)
{
    installHooks();
    workerA_.setIdleCallback(this, &KeyboardLogic::idleA);
    workerB_.setIdleCallback(this, &KeyboardLogic::idleB);
    const int opened = openKeyboard(device_);
    {
        std::lock_guard lock(connection_.mutex());
        connection_.selected() = opened;
    }
    connection_.publishAll(1, false);
}

KeyboardLogic::~KeyboardLogic()
{
    closing_ = true;
    closeHidDevice(device_);
    waitForHooks();
    workerA_.stop();
    workerB_.stop();
}

void KeyboardLogic::installHooks()
{
    keyColours_.setHook(this, &KeyboardLogic::onKeyColours);
    connection_.setHook(this, &KeyboardLogic::onConnection);
    customIndex_.setHook(this, &KeyboardLogic::onCustomIndex);
    assignment_.setHook(this, &KeyboardLogic::onAssignment);
    keys_.recordEnable.setHook(this, &KeyboardLogic::onRecordEnable);
    keys_.factoryReset.setHook(this, &KeyboardLogic::onFactoryReset);
    keys_.notifyMask.setHook(this, &KeyboardLogic::onNotifyMask);
    keys_.selectingKeys.setHook(this, &KeyboardLogic::onSettings);
    keys_.modeAttr.setHook(this, &KeyboardLogic::onMode);
    keys_.profileIndex.setHook(this, &KeyboardLogic::onProfile);
}

// A hook runs with its value's lock held: taking each lock once waits for a hook in
// progress, and every hook that starts later sees closing_ and returns.
void KeyboardLogic::waitForHooks()
{
    const ShapeBase* hooked[] = {&keyColours_,         &connection_,         &customIndex_,      &assignment_,
                                 &keys_.recordEnable,  &keys_.factoryReset,  &keys_.notifyMask,  &keys_.selectingKeys,
                                 &keys_.modeAttr,      &keys_.profileIndex};
    for (const ShapeBase* value : hooked)
        std::lock_guard lock(value->mutex());
}

void KeyboardLogic::writeConnection(int connection)
{
    connection_.writeValue(connection, 0, true, false);
}

ConnectionWriter KeyboardLogic::connectionWriter()
{
    return [this](int connection) { writeConnection(connection); };
}

// The connection value is written on the UI thread and read here on the dispatcher thread.
int KeyboardLogic::connectionValue()
{
    std::lock_guard lock(connection_.mutex());
    return connection_.count() > 0 ? connection_.selected() : 0;
}

// ---------------------------------------------------------------- connection

void KeyboardLogic::onConnection(int, const int* items, int count, int, int index, int, int)
{
    const int* connection = selectedItem(items, count, index);
    if (closing_ || !connection)
        return;
    if (*connection == 0)
        disconnect();
    else
        connect();
}

void KeyboardLogic::disconnect()
{
    workerA_.stop();
    workerB_.stop();
    keyCodes_.assign(nullptr, static_cast<int>(keyCodes_.count()), false);
    keyCodes_.publishPeers(0, false);
}

// Reads the keyboard's whole state. A failed read ends the sequence at once: what was
// stored until then stays, and nothing further is published.
void KeyboardLogic::connect()
{
    workerA_.start(this);
    workerB_.start(this);

    KbDeviceInfo info{};
    if (!readDeviceInfo(device_, info))
        return;
    macroSlotCount_ = info.macroSlotCount;
    if (!readModes(info.modeCount))
        return;
    std::uint8_t colourSet = 0;
    if (!readColourSet(device_, colourSet))
        return;
    const int customIndex = colourSet;
    customIndex_.setSelected(&customIndex);
    if (!readProfiles(info.profileCount, info.modeCount))
        return;
    std::uint8_t profile = 0;
    if (!readCurrentProfile(device_, profile))
        return;
    // A profile number beyond the list leaves the previous selection.
    registers_.setIndex(profile);
    publishSelection();
    readMacroSlots();
}

bool KeyboardLogic::readModes(unsigned modeCount)
{
    keys_.modeAttr.assign(nullptr, 0, false);
    for (unsigned mode = 0; mode < modeCount; ++mode) {
        _mode_attr_t attributes{};
        if (!readModeAttributes(device_, mode, attributes))
            return false;
        keys_.modeAttr.append(&attributes, 1);
    }
    return true;
}

// The registers are rebuilt from scratch, so a reconnect never keeps the previous
// keyboard's registers in front of the new ones. Register numbers and profile numbers
// travel as one-byte command indices, so a garbled count ends at the first number the
// keyboard cannot be asked for.
bool KeyboardLogic::readProfiles(unsigned profileCount, unsigned modeCount)
{
    const unsigned previousProfile = registers_.index();
    registers_.assign(nullptr, 0, false);
    keys_.profileIndex.assign(nullptr, 0, false);
    unsigned registerNumber = 0;
    for (unsigned profile = 0; profile < profileCount; ++profile) {
        if (!readProfile(profile, modeCount, registerNumber))
            return false;
    }
    registers_.setIndex(previousProfile);
    return true;
}

bool KeyboardLogic::readProfile(unsigned profile, unsigned modeCount, unsigned& registerNumber)
{
    ModeRegisterList list;
    for (unsigned mode = 0; mode < modeCount; ++mode) {
        _reg_mode_t reg{};
        if (!readModeRegister(device_, registerNumber++, reg))
            return false;
        list.append(&reg, 1);
    }
    std::uint8_t currentMode = 0;
    if (!readProfileMode(device_, profile, currentMode))
        return false;
    // A mode number beyond the list leaves the first mode selected.
    list.setIndex(currentMode);
    registers_.append(&list, 1);
    _profile_attr_t attributes{};
    attributes.setName("P" + std::to_string(profile));
    keys_.profileIndex.append(&attributes, 1);
    return true;
}

// Tells the panel the current mode, its settings, the colour set and the current profile.
// Stops silently at the first selection outside its list.
void KeyboardLogic::publishSelection()
{
    try {
        ModeRegisterList& profile = registers_.selected();
        keys_.modeAttr.setIndex(profile.index());
        keys_.modeAttr.publishPeers(0, false);
        keys_.selectingKeys.setSelected(&profile.selected());
        keys_.selectingKeys.publishPeers(0, false);
        customIndex_.publishPeers(1, false);
        customIndex_.notifySelf(1, false);
        keys_.profileIndex.setIndex(registers_.index());
        keys_.profileIndex.publishPeers(0, true);
    } catch (const ShapeException&) {
    }
}

std::vector<macro_code_t> KeyboardLogic::readKeyCodeTable()
{
    std::vector<macro_code_t> codes(keyCodes_.count());
    // A failed read leaves every entry 0.
    readKeyCodes(device_, codes);
    keyCodes_.assign(codes.data(), static_cast<int>(codes.size()), false);
    keyCodes_.publishPeers(0, false);
    return codes;
}

// Reads the macro slots that keys point to back into macro groups; a group that stands for
// the same slot, or holds the same macro, is replaced.
void KeyboardLogic::readMacroSlots()
{
    {
        std::lock_guard lock(groups_.mutex());
        if (auto* groups = groups_.container())
            forgetMacroSlots(*groups);
    }
    for (const macro_code_t code : readKeyCodeTable()) {
        if (code.type() < MacroCodeSlotBase || code.value() >= macroSlotCount_)
            continue;
        MacroSlotRecord record{};
        if (!readMacroSlot(device_, code.value(), record))
            return;
        if (record.eventCount == 0)
            continue;
        {
            std::lock_guard lock(groups_.mutex());
            auto* groups = groups_.container();
            if (!groups)
                return;
            replaceMacroSlotGroup(*groups, decodeMacroSlot(record, code.value()));
        }
        groups_.publishPeers(0, false);
    }
}

// ---------------------------------------------------------------- lighting modes and profiles

void KeyboardLogic::onSettings(int, const _reg_mode_t* items, int count, int, int index, int, int)
{
    const _reg_mode_t* reg = selectedItem(items, count, index);
    if (closing_ || !reg)
        return;
    try {
        // Throws when there is no current profile, or it has no modes.
        registers_.selected().selected() = *reg;
        sendModeRegister(device_, currentRegisterNumber(registers_), *reg);
    } catch (const ShapeException&) {
    }
}

void KeyboardLogic::onMode(int, const _mode_attr_t*, int, int, int index, int, int)
{
    if (closing_ || index < 0)
        return;
    try {
        // A mode beyond the list leaves the current one.
        registers_.selected().setIndex(static_cast<unsigned>(index));
        publishCurrentSettings();
        sendProfileMode(device_, static_cast<std::uint8_t>(index));
    } catch (const ShapeException&) {
    }
}

void KeyboardLogic::onProfile(int, const _profile_attr_t*, int, int, int index, int, int tag)
{
    if (closing_ || index < 0)
        return;
    try {
        // A profile beyond the list leaves the current one.
        registers_.setIndex(static_cast<unsigned>(index));
        publishCurrentSettings();
        publishCurrentMode();
        // A change that came from the keyboard is not written back.
        if (tag == 0)
            sendCurrentProfile(device_, static_cast<std::uint8_t>(index));
    } catch (const ShapeException&) {
    }
}

void KeyboardLogic::publishCurrentSettings()
{
    keys_.selectingKeys.setSelected(&registers_.selected().selected());
    keys_.selectingKeys.publishPeers(0, false);
}

void KeyboardLogic::publishCurrentMode()
{
    keys_.modeAttr.setIndex(registers_.selected().index());
    keys_.modeAttr.publishPeers(0, false);
}

// ---------------------------------------------------------------- per-key colours

void KeyboardLogic::onKeyColours(int, const rgba_t* items, int count, int, int, int, int)
{
    if (closing_ || !items || count < 0)
        return;
    sendKeyColours(device_, {items, static_cast<std::size_t>(count)});
}

void KeyboardLogic::onCustomIndex(int, const int* items, int count, int, int index, int, int tag)
{
    const int* set = selectedItem(items, count, index);
    if (closing_ || !set)
        return;
    // A set number that came from the keyboard is not written back.
    if (tag == 0 && !sendColourSet(device_, static_cast<std::uint8_t>(*set)))
        return;
    std::vector<rgba_t> colours(keyColours_.count());
    if (!readKeyColours(device_, static_cast<unsigned>(*set), colours))
        return;
    keyColours_.assign(colours.data(), static_cast<int>(colours.size()), false);
    keyColours_.publishPeers(0, false);
}

// ---------------------------------------------------------------- key assignment

// The new table is built aside: it replaces the logic's table only with what the keyboard
// answers after taking it, so an entry that never reached the keyboard is not kept (and
// later sent along with another key's change).
void KeyboardLogic::onAssignment(int, const macrokey_pack_t* items, int count, int, int index, int, int)
{
    const macrokey_pack_t* request = selectedItem(items, count, index);
    if (closing_ || !request || connectionValue() == 0)
        return;
    std::vector<macro_code_t> codes(keyCodes_.data(), keyCodes_.data() + keyCodes_.count());
    if (request->keyIndex >= codes.size())
        return;
    if (request->type < MacroCodeSlotBase)
        codes[request->keyIndex] = macro_code_t::make(request->type, request->value);
    else if (!assignMacro(*request, codes))
        return;
    if (!sendKeyCodes(device_, codes) || !readKeyCodes(device_, codes))
        return;
    keyCodes_.assign(codes.data(), static_cast<int>(codes.size()), false);
    keyCodes_.publishPeers(0, false);
}

// Downloads the macro into the first slot no group stands for and points the key at it.
bool KeyboardLogic::assignMacro(const macrokey_pack_t& request, std::vector<macro_code_t>& codes)
{
    std::optional<unsigned> slot;
    {
        std::lock_guard lock(groups_.mutex());
        if (const auto* groups = groups_.container())
            slot = findFreeMacroSlot(*groups, macroSlotCount_);
    }
    if (!slot)
        return false;
    codes[request.keyIndex] = macro_code_t::make(request.type, *slot);
    return sendMacroSlot(device_, *slot, request.record);
}

// ---------------------------------------------------------------- device control

void KeyboardLogic::onRecordEnable(int, const int*, int, int, int, int, int) {}

void KeyboardLogic::onFactoryReset(int, const int* items, int count, int, int index, int, int)
{
    const int* word = selectedItem(items, count, index);
    if (!closing_ && word)
        sendControlWord(device_, ControlFactoryReset, static_cast<std::uint16_t>(*word));
}

void KeyboardLogic::onNotifyMask(int, const int* items, int count, int, int index, int, int)
{
    const int* word = selectedItem(items, count, index);
    if (!closing_ && word)
        sendControlWord(device_, ControlNotifyMask, static_cast<std::uint16_t>(*word));
}

// ---------------------------------------------------------------- workers

void KeyboardLogic::idleA(SimpleThread& runner, void*)
{
    if (runner.timerCount() == 0)
        std::this_thread::sleep_for(10ms);
}

void KeyboardLogic::idleB(SimpleThread& runner, void*)
{
    runner.stopEvent().waitFor(10ms);
}

} // namespace kb
