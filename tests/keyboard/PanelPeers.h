#pragma once

// The values the keyboard panel and the macro dialog hold, as peers of the keyboard logic's,
// with a log of the publications that reach them.

#include "files/MacroRecordGroup.h"
#include "keyboard/KeyboardRecords.h"
#include "state/ShapeList.h"
#include "state/ShapeType.h"
#include "state/SharedKeys.h"

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace kb::test {

// One hook call on a panel value: which value, and the publisher's tag.
struct Publication {
    std::string key;
    int tag;
    bool operator==(const Publication&) const = default;
    friend void PrintTo(const Publication& p, std::ostream* out) { *out << p.key << "/" << p.tag; }
};

class PanelPeers {
public:
    PanelPeers()
    {
        logHook(keys.selectingKeys, "custom.selecting.keys");
        logHook(keys.modeAttr, "custom.mode.attr");
        logHook(keys.profileIndex, "kb.profile.index");
        logHook(connection, "connection");
        logHook(customIndex, "custom index");
        logHook(keyColours, "key colours");
        logHook(keyCodes, "key codes");
        logHook(groups, "groups");
    }

    std::vector<Publication> publications() const
    {
        std::lock_guard lock(logLock_);
        return log_;
    }
    void clearPublications()
    {
        std::lock_guard lock(logLock_);
        log_.clear();
    }

    SharedKeys keys{false};
    ShapeType<int, 1000, 1, 1> connection;
    ShapeType<int, 1001, 1, 1> customIndex;
    ShapeType<rgba_t, 1000, 108, 1> keyColours;
    ShapeType<macro_code_t, 2, 109, 1> keyCodes;
    ShapeList<MacroRecordGroup, 1> groups;
    ShapeType<macrokey_pack_t, 10000, 1, 1> request; // the macro dialog's

private:
    template <typename Value>
    void logHook(Value& value, std::string key)
    {
        value.setHook(this, [this, key](int, const auto*, int, int, int, int, int tag) {
            std::lock_guard lock(logLock_);
            log_.push_back({key, tag});
        });
    }

    mutable std::mutex logLock_;
    std::vector<Publication> log_;
};

} // namespace kb::test
