#pragma once

// The keyboard logic's mirror of the keyboard's lighting registers: one private list of
// registers per profile, one register per mode. The outer selected index is the current
// profile; each inner list's selected index is that profile's current mode. Register number
// r of the keyboard belongs to profile r / modes and mode r % modes.

#include "keyboard/KeyboardRecords.h"
#include "state/ShapeType.h"

namespace kb {

using ModeRegisterList = ShapeType<_reg_mode_t, -1, 0, 1>;
using ModeRegisters = ShapeType<ModeRegisterList, -1, 0, 0>;

// The keyboard's register number of the current profile's current mode. Throws
// ShapeException when there is no current profile.
unsigned currentRegisterNumber(ModeRegisters& registers);

} // namespace kb
