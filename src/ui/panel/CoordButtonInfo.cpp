#include "ui/panel/CoordButtonInfo.h"

#include <tuple>

namespace kb {

namespace {

auto comparedFields(const CoordButtonInfo& key)
{
    return std::tie(key.id, key.value, key.name, key.rect, key.background, key.foreground,
                    key.tip, key.marked, key.hover, key.checked, key.disabled);
}

} // namespace

bool CoordButtonInfo::operator==(const CoordButtonInfo& other) const
{
    return comparedFields(*this) == comparedFields(other);
}

} // namespace kb
