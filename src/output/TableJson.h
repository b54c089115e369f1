#pragma once

#include "matchtable/ResultStore.h"

#include <string>

namespace zoruka {

// A doubles table as one line of JSON (no trailing newline):
// {"kind":"doubles","params":{"participants":9,"courts":2,"games":5},
//  "games":[{"game":1,"slots":[[1,2],[3,8],[4,5],[6,7]],"rests":[9]},...]}
// Slots stand in result-store order (2c-1 = court c side A), rests ascending; the games are
// those before the first empty one.
std::string doublesTableJson(const MatchTable& table);

} // namespace zoruka
