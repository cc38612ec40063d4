#pragma once

// ShapeDispatcher: the process-wide registry of peers and the queue of published changes.
//
// A linked value's publish appends a ShapeChange to the queue and returns at once. One worker
// thread, started by the first post and ended when it finds the queue empty, delivers each change
// to every peer in joining order: it takes the peer's lock, then (for the hand-over decision) the
// delivery lock, and either hands the delivery to the window that the peer's hook owner
// registered (registerHookerWindow, through its HookerListener) or lets the peer receive (copy and run its hook) under its
// lock. Changes are delivered one at a time, in publishing order.
//
// Locks, always in this order: a value's lock, the delivery lock, the queue lock. The queue lock
// guards the queue, the registry, membership and pins, and the window registrations; it is never
// held while a value's lock is taken. A value found in a peer list is pinned under the queue lock
// until it has been served, and a value's destructor leaves its list and waits for its pins to
// drop, so a destroyed value is never delivered to.
//
// waitIdle() blocks until the queue is empty and the worker thread has ended (changes published
// by hooks meanwhile extend the wait). Use it in tests and at shutdown, never from a hook.
// Deliveries handed to a window run when that window's event loop gets to them.
//
// The dispatcher is created on first use and intentionally never destroyed.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "state/HookerWindow.h"
#include "state/ShapeBase.h"
#include "state/ShapeChange.h"
#include "state/ShapeRegistry.h"

namespace kb {

class ShapeDispatcher {
 public:
  static ShapeDispatcher& instance();

  ShapeDispatcher(const ShapeDispatcher&) = delete;
  ShapeDispatcher& operator=(const ShapeDispatcher&) = delete;

  // --- Joining and leaving, used by the value classes.
  ShapeBase::Peers& peersFor(const ShapeBase& value);
  // The first linked value of the list, pinned (unpin it when done), or null.
  ShapeBase* pinFirstPeer(ShapeBase::Peers& peers);
  void link(ShapeBase& value, ShapeBase::Peers& peers);
  // Leaves the peer list and waits until no delivery holds the value any more.
  void unlink(ShapeBase& value);
  void unpin(ShapeBase& value);

  // --- The queue.
  void enqueue(std::unique_ptr<ShapeChange> record);
  void waitIdle();
  bool workerRunning();
  // How many worker threads have been started so far.
  unsigned long workerStarts();

  // --- Windows.
  // Replaces whatever was registered for the hook owner.
  void registerWindow(void* hookOwner, std::unique_ptr<HookerWindowListener> listener);
  void unregisterWindow(void* hookOwner);
  // Delivers a record that a window handed back on its own thread; dropped when the target left.
  void deliverOnWindow(std::unique_ptr<ShapeChange> record);

 private:
  ShapeDispatcher() = default;

  void startWorker();
  void reapWorker();
  void run();
  void deliver(const ShapeChange& record);
  void serve(ShapeBase& peer, const ShapeChange& record);
  bool handToWindow(ShapeBase& peer, const ShapeChange& record, int oldCount, int oldIndex,
                    int flags);

  // Under the queue lock:
  static ShapeBase::Peers::iterator skipUnlinked(ShapeBase::Peers& peers,
                                                 ShapeBase::Peers::iterator it);
  ShapeBase* pinMember(ShapeBase::Peers& peers, const ShapeBase* target, std::uint64_t serial);
  void unpinLocked(ShapeBase& value);

  std::mutex queueLock_;
  std::condition_variable changed_;  // the worker ended, or a pin was dropped
  std::mutex deliveryLock_;
  std::deque<std::unique_ptr<ShapeChange>> queue_;
  bool running_ = false;
  std::thread worker_;
  std::thread::id workerId_;
  unsigned long workerStarts_ = 0;
  ShapeRegistry registry_;
  std::map<void*, std::unique_ptr<HookerWindowListener>> windows_;
};

}  // namespace kb
