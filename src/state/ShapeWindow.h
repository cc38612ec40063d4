#pragma once

// A window that runs the hooks of its registered objects on its own thread. The application
// implements postShapeChange by posting the record to its event loop (a QEvent of type 0x1400
// that owns the record) and calls deliverShapeChange(record) when the event arrives. A record
// dropped unread (the window died first) is simply destroyed.
//
// postShapeChange runs on the dispatcher thread with the state model's queue lock held: it must
// only hand the record over, never call back into state values.

#include <memory>

namespace kb {

struct ShapeChange;

class ShapeWindow {
 public:
  virtual ~ShapeWindow() = default;
  virtual void postShapeChange(std::unique_ptr<ShapeChange> record) = 0;
};

}  // namespace kb
