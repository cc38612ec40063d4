#pragma once

// ShapeBase: the type-independent part of every state value.
//
// A state value is a typed array of elements with a selected index, a name, a link channel, a
// lock and a change hook. Values with the same channel, name and element type are peers: what
// one of them publishes, the dispatcher copies into the others and reports through their hooks.
// A negative channel makes a value private (never linked); a non-empty name moves it to channel 0.
//
// Owners read count(), index() and the typed data() (ShapeBody); they change the selection with
// select() (published) or setIndex() (silent). Publishing never waits for peers or hooks.
//
// Locking: every value has a recursive lock (mutex(), a ShapeLock). The owner's write operations
// take it briefly; deliveries run the receiver's hook with it held. Only write values your object owns
// from its hooks, and never destroy a value from inside its own hook.

#include <cstdint>
#include <list>
#include <memory>
#include <mutex>

#include "state/ShapeLock.h"

namespace kb {

class ShapeDispatcher;
class ShapeWindow;

class ShapeBase {
 public:
  using Peers = std::list<ShapeBase*>;

  // The selected index and the one operation that changes it and publishes.
  class Selection {
   public:
    explicit Selection(ShapeBase& owner) : owner_(owner) {}
    virtual ~Selection() = default;
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // Selects element i and publishes with flags 6 (+1 includeSelf, +8 force). False when i is
    // not below the count; true without publishing when i is already selected and not forced.
    virtual bool select(unsigned i, int tag, bool includeSelf, bool force);

    unsigned index() const { return index_; }

   private:
    friend class ShapeBase;
    ShapeBase& owner_;
    unsigned index_ = 0;
  };

  // May take over the delivery of a change to a value, to run it on a window's thread.
  class IHookerProxy {
   public:
    virtual ~IHookerProxy() = default;
    // True when it has taken the delivery of snapshot to target over.
    virtual bool proxy(const ShapeBase& snapshot, ShapeBase* target, int oldCount, int oldIndex,
                       int tag, int flags, ShapeWindow* window) = 0;
  };
  // The implementation of a proxy interface; HookerWindow.h gives the one for IHookerProxy.
  template <class Proxy>
  class HookerListener;

  virtual ~ShapeBase();
  ShapeBase& operator=(const ShapeBase&) = delete;

  const char* name() const { return name_; }
  int channel() const { return channel_; }
  bool isPrivate() const { return channel_ < 0; }
  const char* elementType() const { return elementType_; }
  void* hookOwner() const { return hookOwner_; }
  ShapeLock& mutex() const { return lock_; }
  // Unique per value and never reused, so records can tell a destroyed target from a new one.
  std::uint64_t serial() const { return serial_; }

  virtual unsigned count() const = 0;
  unsigned index() const { return selection.index(); }
  // Moves the selection without publishing; false (nothing changes) when i is not below count.
  bool setIndex(unsigned i);
  bool select(unsigned i, int tag, bool includeSelf, bool force) {
    return selection.select(i, tag, includeSelf, force);
  }

  // The elements as untyped memory (ShapeBody::data() gives them typed); null while empty.
  virtual const void* rawData() const { return nullptr; }
  // While non-zero the dispatcher thread does not deliver peers' changes to this value.
  virtual int& holdFlag() { return hold_; }
  // Takes a change from source (same element type); true when the copy changed this value.
  virtual bool receive(const ShapeBase* source, int oldCount, int oldIndex, int tag, int flags);
  // A detached copy (elements, count, index, name, channel) of from, or of this value.
  virtual std::unique_ptr<ShapeBase> clone(const ShapeBase* from = nullptr) const;
  // Queues a change (linked) or runs the own hook at once when flags has ShapeFlagSelf (private).
  virtual void post(std::unique_ptr<ShapeBase> snapshot, int oldCount, int oldIndex, int tag,
                    int flags);
  virtual void publish(int tag, int flags);
  virtual void publishAll(int tag, bool force);
  // now: the own hook runs at once on this thread; otherwise it is published to self only.
  virtual void notifySelf(int tag, bool now);
  virtual void publishPeers(int tag, bool force);

  Selection selection;

 protected:
  ShapeBase(const char* name, const char* elementType, int channel);
  // Copies name, channel and selected index; lock, hook and peer membership are the new value's.
  ShapeBase(const ShapeBase& other);

  // Posts a fresh clone of this value with the given old count and index.
  void postSnapshot(int oldCount, int oldIndex, int tag, int flags);
  // Copies name, channel and peer list from another value (used by clone).
  void takeIdentity(const ShapeBase& from);
  void setIndexUnchecked(unsigned i) { selection.index_ = i; }
  // Restores index < count (or 0 when empty).
  void clampIndex();

  // Joining and leaving the peers: the most derived constructor/destructor calls these.
  void linkInto(Peers& peers);
  void leavePeers();

  void* hookOwner_ = nullptr;

 private:
  friend class ShapeDispatcher;

  const char* name_;
  const char* elementType_;
  int channel_;
  int hold_ = 0;
  mutable ShapeLock lock_;
  const std::uint64_t serial_;  // unique per value, never reused

  // Membership, guarded by the dispatcher's queue lock (peers_ is also copied into snapshots).
  Peers* peers_ = nullptr;
  Peers::iterator node_;
  bool linked_ = false;
  bool joined_ = false;  // owner-side: this value entered a peer list
  int pins_ = 0;         // deliveries that hold this value between lookup and service
};

}  // namespace kb
