#pragma once

// Handing deliveries to a window's thread.
//
//   registerHookerWindow(this, window);   // after setHook(this, ...) on the values of `this`
//
// From then on every delivery to a value whose hook owner is `this` is cloned into a
// ShapeChange and given to window->postShapeChange() instead of running on the dispatcher thread;
// the window calls deliverShapeChange(std::move(record)) on its own thread, which runs the hook.
// Registering again replaces the window; a null window (or unregisterHookerWindow) makes the
// dispatcher thread deliver again. Unregister before the window is destroyed. The hook owner
// pointer must be the same pointer that was passed to setHook.

#include <memory>

#include "state/ShapeChange.h"
#include "state/ShapeWindow.h"

namespace kb {

void registerHookerWindow(void* hookOwner, ShapeWindow* window);
void unregisterHookerWindow(void* hookOwner);

// Builds the record for target (with a clone of snapshot) and posts it to the window; false when
// the window is null, in which case the caller delivers itself.
bool marshalToWindow(ShapeWindow* window, const ShapeBase& snapshot, ShapeBase* target,
                     int oldCount, int oldIndex, int tag, int flags);

// Runs on the window's thread: lets the target receive the change, unless it has left its peers
// (destroyed meanwhile), in which case the change is dropped. The record is freed either way.
void deliverShapeChange(std::unique_ptr<ShapeChange> record);

// What registerHookerWindow registers for a hook owner: the window, and the function that hands
// a delivery to it (marshalToWindow). The dispatcher asks it for every delivery to the owner's
// values and calls proxy() with the registered window.
template <>
class ShapeBase::HookerListener<ShapeBase::IHookerProxy> final : public ShapeBase::IHookerProxy {
 public:
  using Function = bool (*)(ShapeWindow* window, const ShapeBase& snapshot, ShapeBase* target,
                            int oldCount, int oldIndex, int tag, int flags);

  HookerListener(ShapeWindow* window, Function function) : window_(window), function_(function) {}

  ShapeWindow* window() const { return window_; }

  bool proxy(const ShapeBase& snapshot, ShapeBase* target, int oldCount, int oldIndex, int tag,
             int flags, ShapeWindow* window) override {
    return function_(window, snapshot, target, oldCount, oldIndex, tag, flags);
  }

 private:
  ShapeWindow* window_;
  Function function_;
};

using HookerWindowListener = ShapeBase::HookerListener<ShapeBase::IHookerProxy>;

}  // namespace kb
