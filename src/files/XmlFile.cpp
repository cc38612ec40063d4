#include "files/XmlFile.h"

#include <string>

namespace kb {
namespace {

FileStatus statusOf(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_file_not_found: return FileStatus::Missing;
    case pugi::status_io_error:
    case pugi::status_out_of_memory: return FileStatus::Unreadable;
    default: return FileStatus::Malformed;
    }
}

} // namespace

FileResult loadXmlFile(const std::filesystem::path& path, pugi::xml_document& document) {
    const pugi::xml_parse_result parsed = document.load_file(path.c_str());
    if (parsed) return {};
    document.reset();
    std::string detail = path.string() + ": " + parsed.description();
    if (statusOf(parsed.status) == FileStatus::Malformed)
        detail += " at offset " + std::to_string(parsed.offset);
    return {statusOf(parsed.status), std::move(detail)};
}

std::string_view attributeText(const pugi::xml_node& element, const char* name) {
    return element.attribute(name).value();
}

} // namespace kb
