#pragma once

// A window stand-in: keeps posted records until the test runs them, as an event loop would.

#include <deque>
#include <memory>
#include <mutex>

#include "state/HookerWindow.h"

#include "state/ShapeLock.h"

namespace kb::test {

class FakeWindow : public ShapeWindow {
 public:
  void postShapeChange(std::unique_ptr<ShapeChange> record) override {
    std::lock_guard guard(mutex_);
    pending_.push_back(std::move(record));
  }

  std::size_t pending() const {
    std::lock_guard guard(mutex_);
    return pending_.size();
  }

  // Delivers every waiting record on the calling thread; returns how many there were.
  std::size_t runPending() {
    std::deque<std::unique_ptr<ShapeChange>> batch;
    {
      std::lock_guard guard(mutex_);
      batch.swap(pending_);
    }
    const std::size_t n = batch.size();
    for (auto& record : batch) deliverShapeChange(std::move(record));
    return n;
  }

 private:
  mutable ShapeLock mutex_;  // destroyed visibly, unlike std::mutex (see ShapeLock)
  std::deque<std::unique_ptr<ShapeChange>> pending_;
};

}  // namespace kb::test
