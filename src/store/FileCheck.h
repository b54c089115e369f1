#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zoruka {

class Database;

// What is wrong with an opened database file, one sentence each in Japanese; empty when nothing
// is. Only reads, and stays quick on a file of many years (bench_store):
// - its size against its pages (a file cut short, or with bytes appended), `fileSize` being the
//   size of the file on disk, since a copy in memory has none of its own;
// - SQLite's quick check of every page and index;
// - for a file of the current layout, layoutProblems().
std::vector<std::string> damageFindings(Database& database, std::uintmax_t fileSize);

} // namespace zoruka
