#include "files/XmlFile.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace kb {
namespace {

// The file is known to exist when the parser runs, so a file it cannot open (no read
// permission) is unreadable, not missing: a missing file may be replaced by the next save.
FileStatus statusOf(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_file_not_found:
    case pugi::status_io_error:
    case pugi::status_out_of_memory: return FileStatus::Unreadable;
    default: return FileStatus::Malformed;
    }
}

} // namespace

FileResult loadXmlFile(const std::filesystem::path& path, pugi::xml_document& document) {
    // Only regular files are read: a folder or a device would make the parser attempt an
    // absurd allocation, and a named pipe would block it.
    document.reset();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return {FileStatus::Missing, path.string() + ": File was not found"};
    if (error || status.type() != std::filesystem::file_type::regular)
        return {FileStatus::Unreadable, path.string() + ": not a readable regular file"};

    errno = 0;
    const pugi::xml_parse_result parsed = document.load_file(path.c_str());
    const int openError = errno;
    if (parsed) return {};
    document.reset();
    std::string detail = path.string() + ": ";
    if (parsed.status == pugi::status_file_not_found)
        detail += std::string("could not be opened: ") + std::strerror(openError);
    else
        detail += parsed.description();
    if (statusOf(parsed.status) == FileStatus::Malformed)
        detail += " at offset " + std::to_string(parsed.offset);
    return {statusOf(parsed.status), std::move(detail)};
}

std::string_view attributeText(const pugi::xml_node& element, const char* name) {
    return element.attribute(name).value();
}

} // namespace kb
