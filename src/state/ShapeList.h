#pragma once

// ShapeList<T, Channel>: a state value holding one std::list<T>, with list edits that publish.
//
//   ShapeList<MacroRecordGroup, 1> groups;          // unnamed: key (1, std::list<...>)
//   groups.pushBack(group);  groups.moveUp(2);  groups.eraseAt(0);   // each publishes with 7
//   groups.itemAt(row) (throws ShapeException), groups.findAt(row) (null when absent)
//   const std::list<T>* list = groups.container();
//
// Impossible positions (and a value that holds no list) return false and publish nothing.
// On a private list the publish runs only the list's own hook, synchronously.

#include <iterator>
#include <list>
#include <optional>
#include <utility>

#include "state/ShapeListOrVector.h"

namespace kb {

template <class T, int Channel>
class ShapeList final : public ShapeListOrVector<std::list<T>, Channel> {
  using Base = ShapeListOrVector<std::list<T>, Channel>;

 public:
  ShapeList() : Base(nullptr) { this->joinPeers(false, 1, nullptr); }
  ShapeList(const char* name, bool keepOwn) : Base(name) { this->joinPeers(keepOwn, 1, nullptr); }
  ShapeList(const ShapeList& other) : Base(other) { this->joinKeepingContents(); }
  ShapeList& operator=(const ShapeList& other) {
    Base::operator=(other);
    return *this;
  }
  ~ShapeList() override { this->leavePeers(); }

  bool pushBack(const T& item) {
    {
      std::lock_guard guard(this->mutex());
      if (!this->container()) return false;
      this->container()->push_back(item);
    }
    publishEdit();
    return true;
  }

  bool moveUp(unsigned position) {
    if (position == 0) return false;
    return swapAdjacent(position - 1);
  }

  bool moveDown(unsigned position) { return swapAdjacent(position); }

  bool eraseAt(unsigned position) {
    {
      std::lock_guard guard(this->mutex());
      auto it = iteratorAt(position);
      if (!it) return false;
      this->container()->erase(*it);
    }
    publishEdit();
    return true;
  }

  T* findAt(unsigned position) {
    auto it = iteratorAt(position);
    return it ? &**it : nullptr;
  }

  T& itemAt(unsigned position) {
    if (T* item = findAt(position)) return *item;
    throw ShapeException::outOfPosition(position, 0);
  }

 private:
  using Iterator = typename std::list<T>::iterator;

  // The iterator at position, or nothing when the value holds no list or the list is shorter.
  std::optional<Iterator> iteratorAt(unsigned position) {
    std::list<T>* list = this->container();
    if (!list || position >= list->size()) return std::nullopt;
    return std::next(list->begin(), position);
  }

  // Exchanges the contents of the items at first and first + 1.
  bool swapAdjacent(unsigned first) {
    {
      std::lock_guard guard(this->mutex());
      auto a = iteratorAt(first);
      auto b = iteratorAt(first + 1);
      if (!a || !b) return false;
      using std::swap;
      swap(**a, **b);
    }
    publishEdit();
    return true;
  }

  void publishEdit() { this->publish(0, ShapeFlagSelf | ShapeFlagCopy | ShapeFlagHook); }
};

}  // namespace kb
