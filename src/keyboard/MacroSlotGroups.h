#pragma once

// How macro slots read from the keyboard meet the macro groups of macro.xml: a group's id
// names the keyboard slot it stands for (-1 none).

#include "files/MacroRecordGroup.h"

#include <list>
#include <optional>

namespace kb {

// Every group stands for no slot until the keyboard's slots have been read again.
void forgetMacroSlots(std::list<MacroRecordGroup>& groups);

// Removes the first group that stands for the same slot, or has the same repeat count and
// the same items in the same order, then appends the new group.
void replaceMacroSlotGroup(std::list<MacroRecordGroup>& groups, const MacroRecordGroup& group);

// The smallest slot number below slotCount that no group stands for, if any.
std::optional<unsigned> findFreeMacroSlot(const std::list<MacroRecordGroup>& groups, unsigned slotCount);

} // namespace kb
