#pragma once

#include <cstdint>

namespace kb {

// Milliseconds of a monotonic clock as a 32-bit count; it wraps after about
// 49.7 days, so differences must be taken in unsigned 32-bit arithmetic.
std::uint32_t tickCount();

} // namespace kb
