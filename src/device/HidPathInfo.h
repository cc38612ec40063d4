#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kb {

// What an interface path says about its device; -1 marks a part the path does not have.
struct HidPathInfo {
    std::int32_t vendorId = -1;
    std::int32_t productId = -1;
    std::int32_t revision = -1;
    std::int32_t interfaceNumber = -1;
    std::int32_t collection = -1;

    bool operator==(const HidPathInfo&) const = default;
};

// Searches the path (case-sensitive, anywhere in it) for
//   hid#vid_XXXX&pid_XXXX[&rev_XXXX][&mi_XX][&colXX]
// Vendor and product are the four characters after "vid_" and "pid_"; of the revision,
// interface and collection parts only the last character counts ("mi_03" gives 3,
// "col02" gives 2). Each part is read as hexadecimal up to its first non-hex character
// (none gives 0). Empty when the pattern is not in the path.
std::optional<HidPathInfo> parseHidPath(std::string_view path);

} // namespace kb
