#pragma once

// The pair-list text of a key combination in config.xml: "224:0, 4:0" gives (224, 0), (4, 0).
//
// Spaces are dropped first (the XML parser has already turned tabs and line breaks in attribute
// values into spaces). The text is split at "," and each piece at ":", empty parts skipped, so
// "7" and ":7" both give (7, 0) and "1:2,,3" gives (1, 2), (3, 0). The first part is the first
// number, the second part (0 when there is none) the second; further parts are ignored. A piece
// made of colons only holds no number and gives no pair. Numbers read as readLong in base 10.

#include <string_view>
#include <vector>

#include "files/ConfigRecords.h"

namespace kb {

std::vector<MacroKeyPair> readPairList(std::string_view text);

} // namespace kb
