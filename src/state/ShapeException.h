#pragma once

// Thrown when an index lies outside a state value or container. Thrown by value, caught by
// reference; what() returns the UTF-8 message.

#include <exception>
#include <string>

namespace kb {

class ShapeException : public std::exception {
 public:
  explicit ShapeException(std::string message);

  // "Out of range( array length "<count>", access index "<index>""
  static ShapeException outOfRange(unsigned count, unsigned index);
  // "Out of range( array postion "<position>", access index "<index>""
  static ShapeException outOfPosition(unsigned position, unsigned index);

  const char* what() const noexcept override;
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

}  // namespace kb
