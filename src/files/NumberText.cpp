#include "files/NumberText.h"

#include <limits>

namespace kb {
namespace {

// The parts of a number that both conversions share: its sign and its magnitude, saturated at
// one above the largest 32-bit unsigned value so that every overflow is visible.
struct ScannedNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;
};

constexpr std::uint64_t kSaturated = std::uint64_t{std::numeric_limits<std::uint32_t>::max()} + 1;

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

bool startsWithHexPrefix(std::string_view text) {
    return text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
           digitValue(text[2]) < 16;
}

ScannedNumber scan(std::string_view text, int base) {
    ScannedNumber number;
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    if (base == 16 && startsWithHexPrefix(text.substr(pos))) pos += 2;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos]);
        if (digit >= base) break;
        number.magnitude = number.magnitude * static_cast<std::uint64_t>(base) +
                           static_cast<std::uint64_t>(digit);
        if (number.magnitude > kSaturated) number.magnitude = kSaturated;
    }
    return number;
}

} // namespace

std::int32_t readLong(std::string_view text, int base) {
    const ScannedNumber number = scan(text, base);
    constexpr std::uint64_t maxPositive = std::numeric_limits<std::int32_t>::max();
    if (number.negative) {
        if (number.magnitude > maxPositive + 1) return std::numeric_limits<std::int32_t>::min();
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(number.magnitude));
    }
    if (number.magnitude > maxPositive) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(number.magnitude);
}

std::uint32_t readULong(std::string_view text, int base) {
    const ScannedNumber number = scan(text, base);
    if (number.magnitude >= kSaturated) return std::numeric_limits<std::uint32_t>::max();
    const auto value = static_cast<std::uint32_t>(number.magnitude);
    return number.negative ? static_cast<std::uint32_t>(0u - value) : value;
}

std::int32_t readWrappedLong(std::string_view text) {
    return static_cast<std::int32_t>(readULong(text, 10));
}

} // namespace kb
