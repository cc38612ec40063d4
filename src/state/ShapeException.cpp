#include "state/ShapeException.h"

#include <cstdio>
#include <utility>

namespace kb {

namespace {

// Messages are limited to 100 characters, as the callers expect short texts.
constexpr std::size_t kMessageLimit = 100;

std::string formatMessage(const char* format, int first, int second) {
  char buffer[kMessageLimit + 1];
  std::snprintf(buffer, sizeof buffer, format, first, second);
  return buffer;
}

}  // namespace

ShapeException::ShapeException(std::string message) : message_(std::move(message)) {}

ShapeException ShapeException::outOfRange(unsigned count, unsigned index) {
  return ShapeException(formatMessage("Out of range( array length \"%d\", access index \"%d\"",
                                      static_cast<int>(count), static_cast<int>(index)));
}

ShapeException ShapeException::outOfPosition(unsigned position, unsigned index) {
  return ShapeException(formatMessage("Out of range( array postion \"%d\", access index \"%d\"",
                                      static_cast<int>(position), static_cast<int>(index)));
}

const char* ShapeException::what() const noexcept { return message_.c_str(); }

}  // namespace kb
