#include "ui/panel/KeyPositionsFile.h"

#include "files/XmlFile.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace kb {

namespace {

std::int32_t clampToInt32(long long v) {
  return static_cast<std::int32_t>(std::clamp<long long>(v, std::numeric_limits<std::int32_t>::min(),
                                                         std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

KeyRect parseKeyRect(const std::string& text) {
  std::string compact = text;
  std::erase(compact, ' ');
  // "%d,%d,%d,%d": reading stops at the first missing number or separator; the numbers
  // not read stay 0. Values beyond the int range, and edges past it, stop at its ends.
  std::array<long long, 4> v{};
  const char* p = compact.c_str();
  for (size_t i = 0; i < v.size(); ++i) {
    if (i > 0 && *p++ != ',') break;
    char* end = nullptr;
    const long long n = std::strtoll(p, &end, 10);
    if (end == p) break;
    v[i] = clampToInt32(n);
    p = end;
  }
  const auto [x, y, w, h] = v;
  return KeyRect{clampToInt32(x), clampToInt32(y), clampToInt32(x + w), clampToInt32(y + h)};
}

std::vector<CoordButtonInfo> readKeyPositions(const std::string& path) {
  std::vector<CoordButtonInfo> keys;
  pugi::xml_document doc;
  if (!loadXmlFile(path, doc).ok()) return keys;
  const pugi::xml_node root = doc.child("positions");
  if (!root) return keys;
  int position = 0;
  for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    CoordButtonInfo key;
    key.position = position++;
    key.id = node.attribute("id").as_int(-1);
    key.value = node.attribute("value").as_int(-1);
    key.index = node.attribute("index").as_int(-1);
    key.background = node.attribute("bground").as_uint(0);
    key.foreground = node.attribute("fground").as_uint(0);
    key.name = node.attribute("name").as_string();
    if (const pugi::xml_attribute rect = node.attribute("rect")) key.rect = parseKeyRect(rect.as_string());
    keys.push_back(std::move(key));
  }
  return keys;
}

}  // namespace kb
