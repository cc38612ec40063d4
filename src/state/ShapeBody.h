#pragma once

// ShapeBody<T, Channel, ZeroFill>: typed storage and every typed operation of a state value.
// Build values with ShapeType (or ShapeList / ShapeVector), which also join the peers;
// a bare ShapeBody is what clone() makes: a detached snapshot.
//
//   value.setHook(this, &Owner::onChange);      // void onChange(int channel, const T* items,
//                                                //   int count, int oldCount, int index,
//                                                //   int oldIndex, int tag)
//   value.writeValue(x, tag, includeSelf, force); // store in the selected element, publish
//   value.writeArrayEx(src, n, tag, includeSelf, force);
//   value.selected() = x; value.publishPeers(0, true);
//
// Hooks get the new elements, count and index from the publisher and the receiver's count and
// index from before the change; a non-zero tag marks a change that hooks should not pass on.
//
// On an empty value, write/writeValue/writeItem/setSelected do nothing (nothing is published)
// and selectedEquals is false; selected() throws ShapeException. Negative counts are ignored.
//
// Copying a value into another copies elements, count and index only; name, channel, lock, hook
// and peer membership stay with the target. operator== compares elements, count and index.

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "state/ShapeBase.h"
#include "state/ShapeDispatcher.h"
#include "state/ShapeElement.h"
#include "state/ShapeException.h"
#include "state/ShapeFlags.h"

namespace kb {

template <class T, int Channel, int ZeroFill>
class ShapeBody : public ShapeBase {
 public:
  using Element = T;
  using ChangeHook = std::function<void(int channel, const T* items, int count, int oldCount,
                                        int index, int oldIndex, int tag)>;
  template <class Owner>
  using MemberHook = void (Owner::*)(int channel, const T* items, int count, int oldCount,
                                     int index, int oldIndex, int tag);

  explicit ShapeBody(const char* name = nullptr) : ShapeBase(name, shapeTypeName<T>(), Channel) {}
  ShapeBody(const ShapeBody& other) : ShapeBase(other), items_(other.items_) {}
  ShapeBody& operator=(const ShapeBody& other) {
    std::lock_guard guard(mutex());
    assign(other.data(), static_cast<int>(other.count()), false);
    setIndexUnchecked(std::min(other.index(), count() > 0 ? count() - 1 : 0u));
    return *this;
  }
  ~ShapeBody() override { leavePeers(); }

  bool operator==(const ShapeBody& other) const {
    return count() == other.count() && index() == other.index() &&
           shapeElementsEqual(items_.data(), other.items_.data(), count());
  }

  unsigned count() const final { return static_cast<unsigned>(items_.size()); }
  const T* data() const { return items_.empty() ? nullptr : items_.data(); }
  const void* rawData() const final { return data(); }

  // The selected element; throws ShapeException when the index is not below the count.
  T& selected() {
    if (index() >= count()) throw ShapeException::outOfRange(count(), index());
    return items_[index()];
  }
  const T& selected() const { return const_cast<ShapeBody*>(this)->selected(); }

  // Installs the hook (a null hook changes nothing). Install right after construction.
  void setHook(void* owner, ChangeHook hook) {
    if (!hook) return;
    std::lock_guard guard(mutex());
    hookOwner_ = owner;
    hook_ = std::move(hook);
  }
  template <class Owner>
  void setHook(Owner* owner, MemberHook<Owner> hook) {
    if (!hook) return;
    setHook(static_cast<void*>(owner),
            [owner, hook](int channel, const T* items, int n, int oldCount, int i, int oldIndex,
                          int tag) { (owner->*hook)(channel, items, n, oldCount, i, oldIndex, tag); });
  }

  bool receive(const ShapeBase* source, int oldCount, int oldIndex, int tag, int flags) override;
  std::unique_ptr<ShapeBase> clone(const ShapeBase* from = nullptr) const override;

  virtual void assign(const T* src, int n, bool fill);
  virtual void setSelected(const T* item);
  virtual void appendCopies(const T* item, int n);
  virtual void append(const T* src, int n);
  virtual bool equals(const T* src, int n) const;
  virtual bool allEqual(const T* item, int n) const;
  virtual bool selectedEquals(const T* item) const;
  virtual void write(const T* item, int tag, int flags);
  virtual void writeValue(T item, int tag, bool includeSelf, bool force) {
    write(&item, tag, shapeFlags(includeSelf, force));
  }
  virtual void writeItem(const T* item, int tag, bool includeSelf, bool force) {
    write(item, tag, shapeFlags(includeSelf, force));
  }
  virtual void writeArray(const T* src, int n, int tag, int flags);
  virtual void fill(const T* item, int n, int tag, int flags);
  virtual void fillValue(T item, int n, int tag, bool includeSelf, bool force) {
    fill(&item, n, tag, shapeFlags(includeSelf, force));
  }
  virtual void writeArrayEx(const T* src, int n, int tag, bool includeSelf, bool force) {
    writeArray(src, n, tag, shapeFlags(includeSelf, force));
  }
  virtual void fillEx(const T* item, int n, int tag, bool includeSelf, bool force) {
    fill(item, n, tag, shapeFlags(includeSelf, force));
  }

 protected:
  std::vector<T>& elements() { return items_; }
  const std::vector<T>& elements() const { return items_; }

  // Joins the peers of (channel, name, element type): copies the first peer's elements and count
  // unless keepOwn is set or there is none, else starts with startCount elements (copies of
  // *initial, or new ones). Private values only take their start contents. Publishes nothing.
  void joinPeers(bool keepOwn, int startCount, const T* initial);
  // Joins the peers keeping the contents already copied in (copy construction).
  void joinKeepingContents();

 private:
  // assign() without taking the lock: for the owner's lock holders and for joining, when no
  // other thread can see the value yet.
  void replaceElements(const T* src, int n, bool fill);
  void zeroAll() { shapeZero(items_.data(), count()); }
  bool sameElementType(const ShapeBase& other) const {
    return std::strcmp(other.elementType(), elementType()) == 0;
  }

  std::vector<T> items_;
  ChangeHook hook_;
};

// ---------------------------------------------------------------- implementation

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::assign(const T* src, int n, bool fill) {
  std::lock_guard guard(mutex());
  replaceElements(src, n, fill);
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::replaceElements(const T* src, int n, bool fill) {
  if (n < 0) return;
  if (n == 0) {
    items_.clear();
  } else if (src && src != data()) {
    if (fill) {
      const T first = *src;
      items_.assign(static_cast<std::size_t>(n), first);
    } else if (static_cast<unsigned>(n) == count()) {
      std::copy(src, src + n, items_.begin());
    } else {
      std::vector<T> fresh(src, src + n);
      items_.swap(fresh);
    }
  } else if (!src) {
    if (static_cast<unsigned>(n) != count()) std::vector<T>(static_cast<std::size_t>(n)).swap(items_);
    if constexpr (ZeroFill != 0) zeroAll();
  }
  clampIndex();
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::setSelected(const T* item) {
  std::lock_guard guard(mutex());
  if (!item || count() == 0) return;
  items_[index()] = *item;
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::appendCopies(const T* item, int n) {
  if (!item || n <= 0) return;
  std::lock_guard guard(mutex());
  const T copy = *item;
  items_.insert(items_.end(), static_cast<std::size_t>(n), copy);
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::append(const T* src, int n) {
  if (n <= 0) return;
  std::lock_guard guard(mutex());
  if (src) {
    std::vector<T> added(src, src + n);
    items_.insert(items_.end(), added.begin(), added.end());
    return;
  }
  const unsigned before = count();
  items_.resize(before + static_cast<unsigned>(n));
  if constexpr (ZeroFill != 0) shapeZero(items_.data() + before, static_cast<unsigned>(n));
}

template <class T, int Channel, int ZeroFill>
bool ShapeBody<T, Channel, ZeroFill>::equals(const T* src, int n) const {
  if (n < 0 || static_cast<unsigned>(n) != count()) return false;
  if (src == data()) return true;
  if (!src || !data()) return false;
  return shapeElementsEqual(src, data(), count());
}

template <class T, int Channel, int ZeroFill>
bool ShapeBody<T, Channel, ZeroFill>::allEqual(const T* item, int n) const {
  if (!item || n < 0 || static_cast<unsigned>(n) != count() || !data()) return false;
  return std::all_of(items_.begin(), items_.end(),
                     [item](const T& element) { return shapeElementEqual(element, *item); });
}

template <class T, int Channel, int ZeroFill>
bool ShapeBody<T, Channel, ZeroFill>::selectedEquals(const T* item) const {
  if (!item || count() == 0) return false;
  return shapeElementEqual(items_[index()], *item);
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::write(const T* item, int tag, int flags) {
  int currentCount = 0, currentIndex = 0;
  {
    std::lock_guard guard(mutex());
    if (!item || count() == 0) return;
    const bool same = selectedEquals(item);
    if (same && !(flags & ShapeFlagForce)) return;
    if (!same) setSelected(item);
    currentCount = static_cast<int>(count());
    currentIndex = static_cast<int>(index());
  }
  if (flags != 0) postSnapshot(currentCount, currentIndex, tag, flags);
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::writeArray(const T* src, int n, int tag, int flags) {
  if (n < 0) return;
  int oldCount = 0, oldIndex = 0;
  {
    std::lock_guard guard(mutex());
    const bool same = equals(src, n);
    if (same && !(flags & ShapeFlagForce)) return;
    oldCount = static_cast<int>(count());
    oldIndex = static_cast<int>(index());
    if (!same) assign(src, n, false);
  }
  if (flags != 0) postSnapshot(oldCount, oldIndex, tag, flags);
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::fill(const T* item, int n, int tag, int flags) {
  if (!item || n < 0) return;
  int oldCount = 0, oldIndex = 0;
  {
    std::lock_guard guard(mutex());
    const bool same = allEqual(item, n);
    if (same && !(flags & ShapeFlagForce)) return;
    oldCount = static_cast<int>(count());
    oldIndex = static_cast<int>(index());
    if (!same) assign(item, n, true);
  }
  if (flags != 0) postSnapshot(oldCount, oldIndex, tag, flags);
}

template <class T, int Channel, int ZeroFill>
bool ShapeBody<T, Channel, ZeroFill>::receive(const ShapeBase* source, int oldCount, int oldIndex,
                                              int tag, int flags) {
  if (!source || !sameElementType(*source)) return false;
  const T* sourceItems = static_cast<const T*>(source->rawData());
  const int sourceCount = static_cast<int>(source->count());
  const unsigned sourceIndex = source->index();
  bool changed = false;
  if (flags & ShapeFlagCopy) {
    if (!equals(sourceItems, sourceCount)) {
      assign(sourceItems, sourceCount, false);
      changed = true;
    }
    if (index() != sourceIndex) {
      setIndexUnchecked(sourceIndex);
      clampIndex();
      changed = true;
    }
  }
  const bool runHook = (flags & ShapeFlagForce) ||
                       ((flags & ShapeFlagHook) && (!(flags & ShapeFlagCopy) || changed));
  if (hook_ && runHook) {
    hook_(channel(), sourceItems, sourceCount, oldCount, static_cast<int>(sourceIndex), oldIndex,
          tag);
  }
  return changed;
}

template <class T, int Channel, int ZeroFill>
std::unique_ptr<ShapeBase> ShapeBody<T, Channel, ZeroFill>::clone(const ShapeBase* from) const {
  const ShapeBase* origin = from ? from : this;
  if (!sameElementType(*origin)) return nullptr;
  auto copy = std::make_unique<ShapeBody>();
  copy->takeIdentity(*origin);
  copy->assign(static_cast<const T*>(origin->rawData()), static_cast<int>(origin->count()), false);
  copy->setIndexUnchecked(origin->index());
  copy->clampIndex();
  return copy;
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::joinPeers(bool keepOwn, int startCount, const T* initial) {
  auto startContents = [&] { replaceElements(initial, startCount, false); };
  if (isPrivate()) {
    startContents();
    return;
  }
  ShapeDispatcher& dispatcher = ShapeDispatcher::instance();
  Peers& peers = dispatcher.peersFor(*this);
  if (!keepOwn) {
    if (ShapeBase* first = dispatcher.pinFirstPeer(peers)) {
      {
        // Copy and link while the peer is locked: a change delivered to it meanwhile is either
        // in the copy or will reach this value too.
        std::lock_guard guard(first->mutex());
        replaceElements(static_cast<const T*>(first->rawData()),
                        static_cast<int>(first->count()), false);
        linkInto(peers);
      }
      dispatcher.unpin(*first);
      return;
    }
  }
  startContents();
  linkInto(peers);
}

template <class T, int Channel, int ZeroFill>
void ShapeBody<T, Channel, ZeroFill>::joinKeepingContents() {
  if (isPrivate()) return;
  linkInto(ShapeDispatcher::instance().peersFor(*this));
}

}  // namespace kb
