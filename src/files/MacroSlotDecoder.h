#pragma once

#include "files/MacroRecords.h"
#include "keyboard/KeyboardRecords.h"

#include <vector>

namespace kb {

// Turns the events of a macro slot read from the keyboard back into macro
// items: the key comes from the key table by its HID usage (the "not found"
// row when no key has it), the state from the event's press bit, the delay
// from its 15 delay bits.
MacroRecordGpItem decodeMacroEvent(const macro_event_t& event);

// The record's first eventCount events, at most the 109 it can hold.
std::vector<MacroRecordGpItem> decodeMacroEvents(const MacroSlotRecord& record);

} // namespace kb
