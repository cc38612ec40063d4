#pragma once

#include "device/HidDevice.h"

#include <cstdint>

namespace kb {

// The command index travels in one byte; a command with a larger index is refused.
inline constexpr unsigned kMaxCommandIndex = 255;

// Sends `length` bytes of the command's payload, from `offset` within it, in reports of
// at most 512 bytes through the write handle. With no payload the data bytes are 0. A
// length of 0 still sends one empty frame. Returns the bytes sent: it stops at the first
// failed transfer, and sends nothing (returns 0) for an index above kMaxCommandIndex.
std::uint32_t writeFeatureCommand(HidDevice& device, const void* payload, std::uint8_t command, unsigned index,
                                  std::uint32_t offset, std::uint32_t length);

// Reads `length` bytes of the command's payload into `destination`: for each chunk of at
// most 512 bytes a request (the command with its read bit) goes out through the write
// handle and the answer comes back through the read handle. An answer counts only if it
// echoes the request's command, offset and index. Returns the bytes read, stopping at the
// first failure or mismatch; 0 and nothing sent for an index above kMaxCommandIndex.
std::uint32_t readFeatureCommand(HidDevice& device, std::uint8_t command, unsigned index, void* destination,
                                 std::uint32_t length);

} // namespace kb
