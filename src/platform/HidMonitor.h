#pragma once

#include "platform/UdevHandles.h"

#include <string>
#include <vector>

namespace kb {

enum class HidChange { Arrival, Removal };

// One hot-plug notification: what happened and the interface path it concerns.
struct HidNotification {
    HidChange change;
    std::string path;
};

// Follows hidraw nodes appearing and disappearing (udev's netlink monitor). The owner
// watches fd() for readability (a QSocketNotifier in the application) and then calls
// receive(). Create it after a umockdev testbed exists, or it never sees the fake events.
class HidMonitor {
public:
    HidMonitor();

    // -1 when the monitor could not be set up; it then never reports anything.
    int fd() const;

    // Every notification that is pending, oldest first; actions other than "add" and
    // "remove" and nodes without an interface path are dropped.
    std::vector<HidNotification> receive();

private:
    UdevContext context_;
    UdevMonitor monitor_;
};

} // namespace kb
