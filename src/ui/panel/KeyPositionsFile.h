#pragma once

#include "ui/panel/CoordButtonInfo.h"

#include <string>
#include <vector>

namespace kb {

// Reads a keyboard picture's positions file: root element `positions`, one child element
// per key in document order. Attributes: "id", "value", "index" (signed, default -1),
// "bground", "fground" (unsigned colours, default 0), "name", and "rect" as
// "x, y, width, height". A file that is missing, is no regular file, does not parse or has
// no `positions` root gives no keys.
std::vector<CoordButtonInfo> readKeyPositions(const std::string& path);

// Parses "x,y,w,h" (spaces ignored) into a key rect; missing numbers read as 0, and
// numbers or edges beyond the int range stop at its ends.
KeyRect parseKeyRect(const std::string& text);

}  // namespace kb
