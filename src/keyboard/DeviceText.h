#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kb {

// Text inside device records is narrow, in the locale's character set; the rest
// of the program works with UTF-8. These helpers convert a fixed-width record
// field in both directions.

// The field's text up to its first 0 byte (or the whole field), as UTF-8.
// Bytes that the locale's character set cannot decode become U+FFFD.
std::string deviceTextToUtf8(const char* field, std::size_t width);

// Stores UTF-8 text into a field: converted to the locale's character set, cut
// on a character boundary so that at most width - 1 bytes are stored, and the
// rest of the field cleared, so the field always ends with a 0 byte.
// Characters the character set cannot represent are stored as '?'.
void utf8ToDeviceText(std::string_view text, char* field, std::size_t width);

// Whether two fields hold the same text up to their terminating 0 (or the
// field's end); bytes after the terminator do not count.
bool deviceTextEqual(const char* a, const char* b, std::size_t width);

} // namespace kb
