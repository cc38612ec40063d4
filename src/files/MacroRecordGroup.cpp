#include "files/MacroRecordGroup.h"

namespace kb {

MacroRecordGroup::MacroRecordGroup()
{
    const MacroRecordGpInfo fresh{-1, 1, std::string()};
    info_.setSelected(&fresh);
}

const MacroRecordGroup::Items& MacroRecordGroup::items() const
{
    static const Items none;
    const Items* list = items_.container();
    return list ? *list : none;
}

void MacroRecordGroup::setItems(const Items& items)
{
    items_.assign(&items, 1, false);
}

void MacroRecordGroup::appendItem(const MacroRecordGpItem& item)
{
    if (Items* list = items_.container()) {
        list->push_back(item);
    } else {
        setItems(Items{item});
    }
}

bool MacroRecordGroup::operator==(const MacroRecordGroup& other) const
{
    return info_ == other.info_ && items_ == other.items_;
}

} // namespace kb
