#include "device/HidPathInfo.h"

#include <cstdlib>
#include <regex>
#include <string>

namespace kb {
namespace {

using PathMatch = std::match_results<std::string_view::const_iterator>;

// The repetition of the optional parts stands outside their capture group, so each of
// them captures only its last character.
const std::regex& hidPathPattern()
{
    static const std::regex pattern(
        R"(hid#vid_([\da-zA-Z]{4})&pid_([\da-zA-Z]{4})(&rev_([\da-zA-Z]){4})?(&mi_([\da-zA-Z]){2})?(&col([\da-zA-Z]){2})?)",
        std::regex::ECMAScript);
    return pattern;
}

std::int32_t hexPart(const PathMatch& match, int group)
{
    if (!match[group].matched)
        return -1;
    const std::string text = match[group].str();
    return static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 16));
}

} // namespace

std::optional<HidPathInfo> parseHidPath(std::string_view path)
{
    PathMatch match;
    if (!std::regex_search(path.begin(), path.end(), match, hidPathPattern()))
        return std::nullopt;
    HidPathInfo info;
    info.vendorId = hexPart(match, 1);
    info.productId = hexPart(match, 2);
    info.revision = hexPart(match, 4);
    info.interfaceNumber = hexPart(match, 6);
    info.collection = hexPart(match, 8);
    return info;
}

} // namespace kb
