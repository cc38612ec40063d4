#pragma once

#include "files/MacroRecords.h"
#include "state/ShapeList.h"
#include "state/ShapeType.h"

#include <cstdint>
#include <list>
#include <string>

namespace kb {

// One macro: a header (slot id, repeat count, name) and its key events, each
// held in a private state value. Copying a group copies both values' elements
// and selected index; the copy is independent of the original.
class MacroRecordGroup {
public:
    using InfoValue = ShapeType<MacroRecordGpInfo, -1, 1, 1>;
    using ItemList = ShapeList<MacroRecordGpItem, -1>;
    using Items = std::list<MacroRecordGpItem>;

    // A new group: id -1, repeat 1, empty name, no items.
    MacroRecordGroup();
    MacroRecordGroup(const MacroRecordGroup& other) = default;
    MacroRecordGroup& operator=(const MacroRecordGroup& other) = default;

    // The two values themselves, for editors that publish through them.
    InfoValue& infoValue() { return info_; }
    const InfoValue& infoValue() const { return info_; }
    ItemList& itemList() { return items_; }
    const ItemList& itemList() const { return items_; }

    // The selected header (the value always holds one).
    MacroRecordGpInfo& info() { return info_.selected(); }
    const MacroRecordGpInfo& info() const { return info_.selected(); }

    std::int32_t id() const { return info().id; }
    void setId(std::int32_t id) { info().id = id; }
    std::int32_t repeat() const { return info().repeat; }
    void setRepeat(std::int32_t repeat) { info().repeat = repeat; }
    const std::string& name() const { return info().name; }
    void setName(std::string name) { info().name = std::move(name); }

    // The items (empty when the list value holds no container).
    const Items& items() const;
    // Replaces or extends the items without notification.
    void setItems(const Items& items);
    void appendItem(const MacroRecordGpItem& item);

    // Headers equal, and the same items in the same order.
    bool operator==(const MacroRecordGroup& other) const;

private:
    InfoValue info_;
    ItemList items_;
};

} // namespace kb
