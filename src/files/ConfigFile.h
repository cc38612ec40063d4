#pragma once

// The contents of config.xml as plain records.
//
// The file is a sequence of top-level elements with no single root. For each of "local", "usb",
// "funkey" and "combkey" only the first top-level element of that name is read; nested elements
// are not found. Missing elements and attributes give empty text, 0 or an empty list.
//
//   local   language                       text
//   usb     vid pid interface subdevice    hexadecimal (readLong base 16)
//   funkey  child elements: name code path argm; code unsigned decimal (readULong);
//           a child whose name is missing or empty is skipped
//   combkey child elements: name, code as a pair list (readPairList); every child is taken
//
// Children are taken in document order whatever their element names.

#include <string>
#include <vector>

#include <pugixml.hpp>

#include "files/ConfigRecords.h"

namespace kb {

struct ConfigContents {
    std::string language;
    UsbInfo usb;
    std::vector<MacroFuncKey> mediaKeys;
    std::vector<MacroCombKey> functionKeys;

    bool operator==(const ConfigContents& other) const = default;
};

ConfigContents readConfigDocument(const pugi::xml_document& document);

} // namespace kb
