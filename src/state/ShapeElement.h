#pragma once

// How state values treat their element type: the stable per-type key name of unnamed values,
// element equality (the type's operator==, or the bytes of a plain record without one) and
// clearing to zero.

#include <algorithm>
#include <concepts>
#include <cstring>
#include <type_traits>
#include <typeinfo>

namespace kb {

template <class T>
const char* shapeTypeName() {
  return typeid(T).name();
}

template <class T>
bool shapeElementEqual(const T& a, const T& b) {
  if constexpr (std::equality_comparable<T>) {
    return a == b;
  } else {
    static_assert(std::is_trivially_copyable_v<T>, "element type needs operator==");
    return std::memcmp(&a, &b, sizeof(T)) == 0;
  }
}

template <class T>
bool shapeElementsEqual(const T* a, const T* b, unsigned n) {
  return std::equal(a, a + n, b, [](const T& x, const T& y) { return shapeElementEqual(x, y); });
}

template <class T>
void shapeZero(T* items, unsigned n) {
  if constexpr (std::is_trivially_copyable_v<T>) {
    if (n > 0) std::memset(static_cast<void*>(items), 0, sizeof(T) * n);
  } else {
    std::fill(items, items + n, T{});
  }
}

}  // namespace kb
