#include "state/HookerWindow.h"

#include "state/ShapeDispatcher.h"

namespace kb {

void registerHookerWindow(void* hookOwner, ShapeWindow* window) {
  ShapeDispatcher::instance().registerWindow(
      hookOwner, std::make_unique<HookerWindowListener>(window, &marshalToWindow));
}

void unregisterHookerWindow(void* hookOwner) {
  ShapeDispatcher::instance().unregisterWindow(hookOwner);
}

bool marshalToWindow(ShapeWindow* window, const ShapeBase& snapshot, ShapeBase* target,
                     int oldCount, int oldIndex, int tag, int flags) {
  if (!window) return false;
  auto record = std::make_unique<ShapeChange>();
  record->target = target;
  record->targetSerial = target->serial();
  record->snapshot = snapshot.clone();
  record->tag = tag;
  record->oldCount = oldCount;
  record->oldIndex = oldIndex;
  record->flags = flags;
  window->postShapeChange(std::move(record));
  return true;
}

void deliverShapeChange(std::unique_ptr<ShapeChange> record) {
  ShapeDispatcher::instance().deliverOnWindow(std::move(record));
}

}  // namespace kb
