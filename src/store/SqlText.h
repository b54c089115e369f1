#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// A table, index or column name as an SQL identifier. The names come from the schema, never
// from input, and hold no double quotes.
std::string quotedName(std::string_view name);

// Names as a comma-separated list of identifiers: "a", "b", "c".
std::string quotedNames(const std::vector<std::string_view>& names);

// `count` parameter marks separated by commas: ?, ?, ?
std::string placeholders(std::size_t count);

} // namespace zoruka
