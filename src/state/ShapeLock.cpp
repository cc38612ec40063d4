#include "state/ShapeLock.h"

#include <system_error>

namespace kb {

ShapeLock::ShapeLock() {
  pthread_mutexattr_t attributes;
  pthread_mutexattr_init(&attributes);
  pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
  const int error = pthread_mutex_init(&mutex_, &attributes);
  pthread_mutexattr_destroy(&attributes);
  if (error != 0) throw std::system_error(error, std::generic_category(), "ShapeLock");
}

ShapeLock::~ShapeLock() { pthread_mutex_destroy(&mutex_); }

void ShapeLock::lock() {
  const int error = pthread_mutex_lock(&mutex_);
  if (error != 0) throw std::system_error(error, std::generic_category(), "ShapeLock");
}

void ShapeLock::unlock() { pthread_mutex_unlock(&mutex_); }

bool ShapeLock::try_lock() { return pthread_mutex_trylock(&mutex_) == 0; }

}  // namespace kb
