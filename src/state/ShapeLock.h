#pragma once

// ShapeLock: the recursive lock of one state value (a hook may re-enter its own value).
// Unlike std::recursive_mutex it destroys the underlying pthread mutex, so that thread checkers
// do not mistake a new value at a reused address for the old one. Usable with std::lock_guard.

#include <pthread.h>

namespace kb {

class ShapeLock {
 public:
  ShapeLock();
  ~ShapeLock();
  ShapeLock(const ShapeLock&) = delete;
  ShapeLock& operator=(const ShapeLock&) = delete;

  void lock();
  void unlock();
  bool try_lock();

 private:
  pthread_mutex_t mutex_;
};

}  // namespace kb
