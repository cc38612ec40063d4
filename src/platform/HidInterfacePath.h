#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kb {

// The interface path of a hidraw node, in the form the matching rules read:
//   \\?\hid#vid_VVVV&pid_PPPP&mi_NN#/dev/hidrawK
// Vendor and product come from the HID device's "bus:vendor:product.n" component of the
// sysfs DEVPATH, the interface number from its USB interface component ("1-2:1.3" gives 03;
// a device that is not on USB has no &mi_ part). It needs only DEVPATH and DEVNAME, so a
// removal event, whose sysfs entries are already gone, yields the same path as the arrival.
// Empty when DEVPATH names no HID device, its interface number does not fit in one byte,
// or DEVNAME is empty.
std::optional<std::string> hidInterfacePath(std::string_view devpath, std::string_view devnode);

// The device node to open: what follows the last '#' of an interface path (the whole
// path when it has none).
std::string hidNodeOfPath(std::string_view path);

} // namespace kb
