#pragma once

// The process-wide map of peer lists: channel -> (name, element type) -> values in joining
// order. Lists are created on first use and never removed, so a list's address is stable.
// Every call must be made under the dispatcher's queue lock (ShapeDispatcher owns the registry).

#include <map>
#include <string>
#include <utility>

#include "state/ShapeBase.h"

namespace kb {

class ShapeRegistry {
 public:
  ShapeBase::Peers& peersFor(int channel, const char* name, const char* elementType);

  // Number of peer lists (for tests and diagnostics).
  std::size_t listCount() const;

 private:
  using Key = std::pair<std::string, std::string>;  // name, element type
  std::map<int, std::map<Key, ShapeBase::Peers>> lists_;
};

}  // namespace kb
