#pragma once

// ShapeType<T, Channel, InitialCount, ZeroFill>: a state value that joins its peers when built.
//
//   ShapeType<int, 1000, 1, 1> connection;                       // unnamed: key (1000, int)
//   ShapeType<int, -1, 1, 0> reset{"kb.factor.reset", 0, keepOwn}; // named: channel 0, one element
//   ShapeType<_mode_attr_t, -1, 1, 0> modes{"custom.mode.attr", keepOwn, 0}; // named, start count
//
// Unnamed values copy the first peer's elements and count (index 0) or start with InitialCount
// elements; named values do the same unless keepOwn is set. A negative Channel is private.
// Joining publishes nothing. The destructor leaves the peers and waits for any delivery in flight.
//
// Copy construction makes a value with the same name and channel that keeps the copied contents
// (elements, count, index) and, when linked, joins the same peers; copy assignment copies
// elements, count and index only. This is what records that hold private values rely on.

#include "state/ShapeBody.h"

namespace kb {

template <class T, int Channel, int InitialCount, int ZeroFill>
class ShapeType final : public ShapeBody<T, Channel, ZeroFill> {
  using Body = ShapeBody<T, Channel, ZeroFill>;

 public:
  ShapeType() : Body(nullptr) { this->joinPeers(false, InitialCount, nullptr); }
  ShapeType(const char* name, bool keepOwn, int startCount) : Body(name) {
    this->joinPeers(keepOwn, startCount, nullptr);
  }
  ShapeType(const char* name, const T& initial, bool keepOwn) : Body(name) {
    this->joinPeers(keepOwn, 1, &initial);
  }
  ShapeType(const ShapeType& other) : Body(other) { this->joinKeepingContents(); }
  ShapeType& operator=(const ShapeType& other) {
    Body::operator=(other);
    return *this;
  }
  ~ShapeType() override { this->leavePeers(); }
};

}  // namespace kb
