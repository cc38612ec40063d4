#include "ui/panel/KeyPositionsFile.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>

namespace kb {

KeyRect parseKeyRect(const std::string& text) {
  std::string compact = text;
  std::erase(compact, ' ');
  int x = 0, y = 0, w = 0, h = 0;
  std::sscanf(compact.c_str(), "%d,%d,%d,%d", &x, &y, &w, &h);
  return KeyRect{x, y, x + w, y + h};
}

std::vector<CoordButtonInfo> readKeyPositions(const std::string& path) {
  std::vector<CoordButtonInfo> keys;
  pugi::xml_document doc;
  if (!doc.load_file(path.c_str())) return keys;
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
