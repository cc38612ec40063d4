#pragma once

// ShapeVector<T, Channel>: a state value holding one std::vector<T>, replaced and published
// whole (write/writeItem/writeArray of the container, or container() edits then publish).
//
//   ShapeVector<CoordButtonInfo, -1> picked{"custom.led.sel", keepOwn};

#include <vector>

#include "state/ShapeListOrVector.h"

namespace kb {

template <class T, int Channel>
class ShapeVector final : public ShapeListOrVector<std::vector<T>, Channel> {
  using Base = ShapeListOrVector<std::vector<T>, Channel>;

 public:
  ShapeVector() : Base(nullptr) { this->joinPeers(false, 1, nullptr); }
  ShapeVector(const char* name, bool keepOwn) : Base(name) { this->joinPeers(keepOwn, 1, nullptr); }
  ShapeVector(const ShapeVector& other) : Base(other) { this->joinKeepingContents(); }
  ShapeVector& operator=(const ShapeVector& other) {
    Base::operator=(other);
    return *this;
  }
  ~ShapeVector() override { this->leavePeers(); }
};

}  // namespace kb
