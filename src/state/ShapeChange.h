#pragma once

// The record of one published change, as queued for the dispatcher and as handed to a window.
// In the queue, target is the publisher; when handed to a window, target is the value that is to
// receive. targetSerial identifies the target even after it was destroyed.

#include <cstdint>
#include <memory>

#include "state/ShapeBase.h"

namespace kb {

struct ShapeChange {
  ShapeBase* target = nullptr;
  std::uint64_t targetSerial = 0;
  std::unique_ptr<ShapeBase> snapshot;  // a clone of the publisher, taken when it published
  int tag = 0;
  int oldCount = 0;
  int oldIndex = 0;
  int flags = 0;
};

}  // namespace kb
