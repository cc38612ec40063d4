#pragma once

// Records every call of a state value's change hook, from any thread.

#include <mutex>
#include <thread>
#include <vector>

#include "state/ShapeLock.h"

namespace kb::test {

template <class T>
class HookLog {
 public:
  struct Call {
    int channel;
    std::vector<T> items;
    int count;
    int oldCount;
    int index;
    int oldIndex;
    int tag;
    std::thread::id thread;
  };

  void onChange(int channel, const T* items, int count, int oldCount, int index, int oldIndex,
                int tag) {
    std::lock_guard guard(mutex_);
    calls_.push_back({channel, std::vector<T>(items, items + count), count, oldCount, index,
                      oldIndex, tag, std::this_thread::get_id()});
  }

  template <class Value>
  void attach(Value& value) {
    value.setHook(this, &HookLog::onChange);
  }

  std::size_t size() const {
    std::lock_guard guard(mutex_);
    return calls_.size();
  }
  Call at(std::size_t i) const {
    std::lock_guard guard(mutex_);
    return calls_.at(i);
  }
  std::vector<Call> calls() const {
    std::lock_guard guard(mutex_);
    return calls_;
  }

 private:
  mutable ShapeLock mutex_;  // destroyed visibly, unlike std::mutex (see ShapeLock)
  std::vector<Call> calls_;
};

}  // namespace kb::test
