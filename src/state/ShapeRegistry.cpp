#include "state/ShapeRegistry.h"

namespace kb {

ShapeBase::Peers& ShapeRegistry::peersFor(int channel, const char* name, const char* elementType) {
  return lists_[channel][Key(name, elementType)];
}

std::size_t ShapeRegistry::listCount() const {
  std::size_t total = 0;
  for (const auto& [channel, byName] : lists_) total += byName.size();
  return total;
}

}  // namespace kb
