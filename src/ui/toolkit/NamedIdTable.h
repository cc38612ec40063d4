#pragma once

#include <span>
#include <string_view>

namespace kb {

// One row of the table that gives every widget name of the layouts its numeric id.
struct NamedId {
  std::string_view name;
  int id;
};

// The 117 rows, sorted by name in ordinal (byte) order so that they can be searched
// by halving. The ids are fixed: code compares event sources against them.
std::span<const NamedId> namedIdTable();

// The id of a widget name, or 0 when the table has no such name.
int namedIdOf(std::string_view name);
// The name of an id, or an empty view when no row has it.
std::string_view nameOfNamedId(int id);

}  // namespace kb
