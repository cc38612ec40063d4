#pragma once

#include "files/MacroRecordGroup.h"
#include "files/MacroRecords.h"
#include "keyboard/KeyboardRecords.h"

#include <cstdint>
#include <vector>

namespace kb {

// Turns the events of a macro slot read from the keyboard back into macro
// items: the key comes from the key table by its HID usage (the "not found"
// row when no key has it), the state from the event's press bit, the delay
// from its 15 delay bits.
MacroRecordGpItem decodeMacroEvent(const macro_event_t& event);

// The record's first eventCount events, at most the 109 it can hold.
std::vector<MacroRecordGpItem> decodeMacroEvents(const MacroSlotRecord& record);

// A new group for the macro read from the keyboard's slot `slot`: id = slot,
// the record's repeat count, its name up to the first 0, one item per event.
MacroRecordGroup decodeMacroSlot(const MacroSlotRecord& record, std::int32_t slot);

} // namespace kb
