#include "state/ShapeBase.h"

#include <atomic>

#include "state/ShapeChange.h"
#include "state/ShapeDispatcher.h"
#include "state/ShapeFlags.h"

namespace kb {

namespace {

std::uint64_t nextSerial() {
  static std::atomic<std::uint64_t> counter{0};
  return ++counter;
}

const char* nameOrType(const char* name, const char* elementType) {
  return (name && *name) ? name : elementType;
}

}  // namespace

ShapeBase::ShapeBase(const char* name, const char* elementType, int channel)
    : selection(*this),
      name_(nameOrType(name, elementType)),
      elementType_(elementType),
      channel_((name && *name) ? 0 : channel),
      serial_(nextSerial()) {}

ShapeBase::ShapeBase(const ShapeBase& other)
    : selection(*this),
      name_(other.name_),
      elementType_(other.elementType_),
      channel_(other.channel_),
      serial_(nextSerial()) {
  selection.index_ = other.selection.index_;
}

ShapeBase::~ShapeBase() { leavePeers(); }

bool ShapeBase::setIndex(unsigned i) {
  std::lock_guard guard(lock_);
  if (i >= count()) return false;
  selection.index_ = i;
  return true;
}

void ShapeBase::clampIndex() {
  const unsigned n = count();
  if (selection.index_ >= n) selection.index_ = n > 0 ? n - 1 : 0;
}

bool ShapeBase::receive(const ShapeBase*, int, int, int, int) { return false; }

std::unique_ptr<ShapeBase> ShapeBase::clone(const ShapeBase*) const { return nullptr; }

void ShapeBase::takeIdentity(const ShapeBase& from) {
  name_ = from.name_;
  channel_ = from.channel_;
  peers_ = from.peers_;
}

void ShapeBase::post(std::unique_ptr<ShapeBase> snapshot, int oldCount, int oldIndex, int tag,
                     int flags) {
  if (isPrivate()) {
    // Private values have no peers: only their own hook can run, at once and without a lock.
    if (flags & ShapeFlagSelf) receive(this, oldCount, oldIndex, tag, ShapeFlagHook);
    return;
  }
  auto record = std::make_unique<ShapeChange>();
  record->target = this;
  record->targetSerial = serial_;
  record->snapshot = std::move(snapshot);
  record->tag = tag;
  record->oldCount = oldCount;
  record->oldIndex = oldIndex;
  record->flags = flags;
  ShapeDispatcher::instance().enqueue(std::move(record));
}

void ShapeBase::postSnapshot(int oldCount, int oldIndex, int tag, int flags) {
  std::unique_ptr<ShapeBase> snapshot;
  {
    std::lock_guard guard(lock_);
    snapshot = clone();
  }
  post(std::move(snapshot), oldCount, oldIndex, tag, flags);
}

void ShapeBase::publish(int tag, int flags) {
  std::unique_ptr<ShapeBase> snapshot;
  int currentCount = 0, currentIndex = 0;
  {
    std::lock_guard guard(lock_);
    snapshot = clone();
    currentCount = static_cast<int>(count());
    currentIndex = static_cast<int>(index());
  }
  post(std::move(snapshot), currentCount, currentIndex, tag, flags);
}

void ShapeBase::publishAll(int tag, bool force) {
  publish(tag, ShapeFlagSelf | ShapeFlagCopy | ShapeFlagHook | (force ? ShapeFlagForce : 0));
}

void ShapeBase::publishPeers(int tag, bool force) {
  publish(tag, ShapeFlagCopy | ShapeFlagHook | (force ? ShapeFlagForce : 0));
}

void ShapeBase::notifySelf(int tag, bool now) {
  if (now) {
    receive(this, static_cast<int>(count()), static_cast<int>(index()), tag, ShapeFlagHook);
  } else {
    publish(tag, ShapeFlagSelf);
  }
}

bool ShapeBase::Selection::select(unsigned i, int tag, bool includeSelf, bool force) {
  int currentCount = 0, oldIndex = 0;
  {
    std::lock_guard guard(owner_.mutex());
    if (i >= owner_.count()) return false;
    if (!force && i == index_) return true;
    oldIndex = static_cast<int>(index_);
    index_ = i;
    currentCount = static_cast<int>(owner_.count());
  }
  owner_.postSnapshot(currentCount, oldIndex, tag, shapeFlags(includeSelf, force));
  return true;
}

void ShapeBase::linkInto(Peers& peers) {
  ShapeDispatcher::instance().link(*this, peers);
  joined_ = true;
}

void ShapeBase::leavePeers() {
  if (!joined_) return;
  joined_ = false;
  ShapeDispatcher::instance().unlink(*this);
}

}  // namespace kb
