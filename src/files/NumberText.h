#pragma once

// Numbers read from XML attribute text the way the C library's wcstol and wcstoul read them on
// a platform with 32-bit longs: leading white space, an optional sign, for base 16 an optional
// "0x"/"0X" prefix, then digits up to the first character that is not one. No digits gives 0.

#include <cstdint>
#include <string_view>

namespace kb {

// As wcstol: a value out of range is clamped to the 32-bit signed limits.
std::int32_t readLong(std::string_view text, int base);

// As wcstoul: a minus sign negates the value modulo 2^32; a magnitude above 4294967295 gives
// 4294967295.
std::uint32_t readULong(std::string_view text, int base);

// A number written as unsigned 32-bit decimal that stands for a signed one: read as readULong
// and taken back as its two's-complement value, so "4294967295" and "-1" both give -1.
std::int32_t readWrappedLong(std::string_view text);

} // namespace kb
