#pragma once

// The records of macro.xml, apart from the group that holds them
// (MacroRecordGroup).

#include <cstdint>
#include <string>

namespace kb {

// Pages of the macro dialog.
enum MacroPage : std::int32_t {
    MacroPageRecord = 0,
    MacroPageSingleKey = 1,
    MacroPageMediaKey = 2,
    MacroPageFunctionKey = 3,
};

// Delay modes of the macro recorder.
enum MacroDelayMode : std::int32_t {
    MacroDelayMeasured = 0,
    MacroDelayFixed = 1,
    MacroDelayNone = 2,
};

// The macro editor's settings.
struct MacroRecordParam {
    std::int32_t page = 0;      // MacroPage
    std::int32_t gpsel = 0;     // selected group; outside the list selects none
    std::int32_t singlekey = 0; // key code captured on the single-key page, 0 none
    std::int32_t funcsel = 0;   // chosen media key
    std::int32_t cmbtype = 0;   // stored and restored only
    std::int32_t cmbsel = 0;    // chosen function key
    std::int32_t dlmode = 0;    // MacroDelayMode
    std::int32_t period = 0;    // fixed delay in ms for MacroDelayFixed
    std::int32_t playmode = 0;  // selected play mode

    bool operator==(const MacroRecordParam& other) const = default;
};

// A macro group's header. Value-initialised it is all 0; a new group sets
// id -1 and repeat 1 (see MacroRecordGroup).
struct MacroRecordGpInfo {
    std::int32_t id = 0;     // keyboard macro slot the group stands for, -1 none
    std::int32_t repeat = 0; // repeat count sent with the macro
    std::string name;

    bool operator==(const MacroRecordGpInfo& other) const = default;
};

// One key event of a macro.
struct MacroRecordGpItem {
    std::int32_t code = 0;  // scan code, plus 0x100 for an extended key
    std::int32_t state = 0; // 1 press, 0 release
    std::int32_t delay = 0; // ms before the next event
    std::string name;       // the key's name as the key table spells it

    bool operator==(const MacroRecordGpItem& other) const = default;
};

} // namespace kb
