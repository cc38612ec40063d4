#pragma once

// Loading an XML file with pugixml's default parse options and automatic encoding detection
// (several top-level elements are accepted).

#include <filesystem>

#include <pugixml.hpp>

#include "files/FileResult.h"

namespace kb {

// Loads path into document. Only a regular file (or a link to one) is read. On failure the document is left empty and the result tells why.
FileResult loadXmlFile(const std::filesystem::path& path, pugi::xml_document& document);

// The text of an attribute of element; empty when element or attribute is missing.
std::string_view attributeText(const pugi::xml_node& element, const char* name);

} // namespace kb
