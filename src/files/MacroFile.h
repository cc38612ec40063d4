#pragma once

// The contents of macro.xml as plain records, and their document text.
//
//   <?xml version="1.0"?>
//   <record page gpsel singlekey funcsel cmbtype cmbsel dlmode playmode period>
//   	<group id repeat name>
//   		<item name code delay state />
//
// Written as UTF-8 without a byte-order mark, one element per line, one tab per level. The
// settings and the group id and repeat are signed decimal; item code, delay and state are
// written as unsigned 32-bit decimal and read back so that every written value returns
// unchanged ("4294967295" reads as -1). A missing number reads as 0, a missing name as "".
//
// Reading finds the first top-level "record" and takes its child elements as groups and their
// child elements as items, whatever their names.

#include <string>
#include <vector>

#include <pugixml.hpp>

#include "files/MacroRecords.h"

namespace kb {

struct MacroGroupContents {
    MacroRecordGpInfo info;
    std::vector<MacroRecordGpItem> items;

    bool operator==(const MacroGroupContents& other) const = default;
};

struct MacroFileContents {
    MacroRecordParam settings;
    std::vector<MacroGroupContents> groups;

    bool operator==(const MacroFileContents& other) const = default;
};

MacroFileContents readMacroDocument(const pugi::xml_document& document);

// The whole file's text.
std::string writeMacroDocument(const MacroFileContents& contents);

} // namespace kb
