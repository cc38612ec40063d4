#include "keyboard/ModeRegisters.h"

namespace kb {

unsigned currentRegisterNumber(ModeRegisters& registers)
{
    const ModeRegisterList& profile = registers.selected();
    return registers.index() * profile.count() + profile.index();
}

} // namespace kb
