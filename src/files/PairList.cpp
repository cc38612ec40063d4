#include "files/PairList.h"

#include <algorithm>
#include <string>

#include "files/NumberText.h"

namespace kb {
namespace {

// The non-empty parts of text between separators.
std::vector<std::string_view> splitSkippingEmpty(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

std::vector<MacroKeyPair> readPairList(std::string_view text) {
    std::string compact(text);
    compact.erase(std::remove(compact.begin(), compact.end(), ' '), compact.end());

    std::vector<MacroKeyPair> pairs;
    for (std::string_view piece : splitSkippingEmpty(compact, ',')) {
        const std::vector<std::string_view> numbers = splitSkippingEmpty(piece, ':');
        if (numbers.empty()) continue;
        const std::int32_t second = numbers.size() > 1 ? readLong(numbers[1], 10) : 0;
        pairs.emplace_back(readLong(numbers[0], 10), second);
    }
    return pairs;
}

} // namespace kb
