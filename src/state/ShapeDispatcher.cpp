#include "state/ShapeDispatcher.h"

#include <system_error>

#include "state/ShapeFlags.h"

namespace kb {

ShapeDispatcher& ShapeDispatcher::instance() {
  // Never destroyed: values and the worker may still use it while the process exits.
  static ShapeDispatcher* const dispatcher = new ShapeDispatcher();
  return *dispatcher;
}

// ---------------------------------------------------------------- joining and leaving

ShapeBase::Peers& ShapeDispatcher::peersFor(const ShapeBase& value) {
  std::lock_guard guard(queueLock_);
  return registry_.peersFor(value.channel(), value.name(), value.elementType());
}

ShapeBase::Peers::iterator ShapeDispatcher::skipUnlinked(ShapeBase::Peers& peers,
                                                         ShapeBase::Peers::iterator it) {
  while (it != peers.end() && !(*it)->linked_) ++it;
  return it;
}

ShapeBase* ShapeDispatcher::pinFirstPeer(ShapeBase::Peers& peers) {
  std::lock_guard guard(queueLock_);
  auto it = skipUnlinked(peers, peers.begin());
  if (it == peers.end()) return nullptr;
  ++(*it)->pins_;
  return *it;
}

void ShapeDispatcher::link(ShapeBase& value, ShapeBase::Peers& peers) {
  std::lock_guard guard(queueLock_);
  value.peers_ = &peers;
  value.node_ = peers.insert(peers.end(), &value);
  value.linked_ = true;
}

void ShapeDispatcher::unlink(ShapeBase& value) {
  std::unique_lock guard(queueLock_);
  if (!value.linked_) return;
  value.linked_ = false;
  changed_.wait(guard, [&] { return value.pins_ == 0; });
  value.peers_->erase(value.node_);
}

void ShapeDispatcher::unpinLocked(ShapeBase& value) {
  if (--value.pins_ == 0 && !value.linked_) changed_.notify_all();
}

void ShapeDispatcher::unpin(ShapeBase& value) {
  std::lock_guard guard(queueLock_);
  unpinLocked(value);
}

ShapeBase* ShapeDispatcher::pinMember(ShapeBase::Peers& peers, const ShapeBase* target,
                                      std::uint64_t serial) {
  for (ShapeBase* value : peers) {
    if (value == target && value->serial_ == serial && value->linked_) {
      ++value->pins_;
      return value;
    }
  }
  return nullptr;
}

// ---------------------------------------------------------------- the queue

void ShapeDispatcher::enqueue(std::unique_ptr<ShapeChange> record) {
  std::lock_guard guard(queueLock_);
  queue_.push_back(std::move(record));
  if (!running_) startWorker();
}

void ShapeDispatcher::startWorker() {
  reapWorker();
  try {
    worker_ = std::thread([this] { run(); });
  } catch (const std::system_error&) {
    // Without a thread nothing can be delivered: the queued changes are discarded, the values
    // keep what was written.
    queue_.clear();
    return;
  }
  workerId_ = worker_.get_id();
  running_ = true;
  ++workerStarts_;
}

// Joins a worker that has already found the queue empty. Safe under the queue lock: such a
// worker never takes the lock again.
void ShapeDispatcher::reapWorker() {
  if (!running_ && worker_.joinable()) worker_.join();
}

void ShapeDispatcher::waitIdle() {
  std::unique_lock guard(queueLock_);
  if (running_ && std::this_thread::get_id() == workerId_) return;  // a hook cannot wait for itself
  changed_.wait(guard, [&] { return !running_; });
  reapWorker();
}

bool ShapeDispatcher::workerRunning() {
  std::lock_guard guard(queueLock_);
  return running_;
}

unsigned long ShapeDispatcher::workerStarts() {
  std::lock_guard guard(queueLock_);
  return workerStarts_;
}

void ShapeDispatcher::run() {
  std::unique_lock guard(queueLock_);
  while (!queue_.empty()) {
    std::unique_ptr<ShapeChange> record = std::move(queue_.front());
    queue_.pop_front();
    guard.unlock();
    deliver(*record);
    record.reset();
    guard.lock();
  }
  running_ = false;
  changed_.notify_all();
}

// Walks the publisher's peer list from first to last. Each step is taken under the queue lock;
// the value being served stays pinned so that its node cannot be erased under the walk.
void ShapeDispatcher::deliver(const ShapeChange& record) {
  if (!record.snapshot || !record.snapshot->peers_) return;
  ShapeBase::Peers& peers = *record.snapshot->peers_;
  std::unique_lock guard(queueLock_);
  auto it = skipUnlinked(peers, peers.begin());
  if (it == peers.end()) return;
  ++(*it)->pins_;
  for (;;) {
    guard.unlock();
    serve(**it, record);
    guard.lock();
    auto next = skipUnlinked(peers, std::next(it));
    if (next != peers.end()) ++(*next)->pins_;
    unpinLocked(**it);
    if (next == peers.end()) return;
    it = next;
  }
}

void ShapeDispatcher::serve(ShapeBase& peer, const ShapeChange& record) {
  std::lock_guard valueGuard(peer.mutex());
  const bool publisher = peer.serial_ == record.targetSerial;
  int flags = 0, oldCount = 0, oldIndex = 0;
  if (publisher) {
    if (!(record.flags & ShapeFlagSelf)) return;
    flags = (record.flags & ~ShapeFlagCopy) | ShapeFlagHook;
    oldCount = record.oldCount;
    oldIndex = record.oldIndex;
  } else {
    flags = record.flags & ~ShapeFlagSelf;
    if (flags == 0) return;
    oldCount = static_cast<int>(peer.count());
    oldIndex = static_cast<int>(peer.index());
  }
  {
    // The hand-over decision is made under the delivery lock. The receive itself (copy and
    // hook) runs under the peer's lock only: hooks write their owner's other values, and a
    // delivery lock held around them would order it before those values' locks.
    std::lock_guard deliveryGuard(deliveryLock_);
    if (peer.hookOwner_ && handToWindow(peer, record, oldCount, oldIndex, flags)) return;
  }
  if (!publisher && peer.hold_ != 0) return;
  try {
    peer.receive(record.snapshot.get(), oldCount, oldIndex, record.tag, flags);
  } catch (...) {
    // A failing hook ends its own reaction only; the dispatcher goes on with the next peer.
  }
}

bool ShapeDispatcher::handToWindow(ShapeBase& peer, const ShapeChange& record, int oldCount,
                                   int oldIndex, int flags) {
  // Posting under the queue lock means an unregistered window is never posted to afterwards.
  std::lock_guard guard(queueLock_);
  auto found = windows_.find(peer.hookOwner_);
  if (found == windows_.end()) return false;
  HookerWindowListener& listener = *found->second;
  return listener.proxy(*record.snapshot, &peer, oldCount, oldIndex, record.tag, flags,
                        listener.window());
}

// ---------------------------------------------------------------- windows

void ShapeDispatcher::registerWindow(void* hookOwner,
                                     std::unique_ptr<HookerWindowListener> listener) {
  std::lock_guard guard(queueLock_);
  windows_[hookOwner] = std::move(listener);
}

void ShapeDispatcher::unregisterWindow(void* hookOwner) {
  std::lock_guard guard(queueLock_);
  windows_.erase(hookOwner);
}

void ShapeDispatcher::deliverOnWindow(std::unique_ptr<ShapeChange> record) {
  if (!record || !record->snapshot || !record->target || !record->snapshot->peers_) return;
  ShapeBase* target = nullptr;
  {
    std::lock_guard guard(queueLock_);
    target = pinMember(*record->snapshot->peers_, record->target, record->targetSerial);
  }
  if (!target) return;  // the target has left its peers: the change is dropped
  {
    std::lock_guard valueGuard(target->mutex());
    try {
      target->receive(record->snapshot.get(), record->oldCount, record->oldIndex, record->tag,
                      record->flags);
    } catch (...) {
      // As on the dispatcher thread: a failing hook does not take the window's loop down.
    }
  }
  unpin(*target);
}

}  // namespace kb
