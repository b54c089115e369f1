#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"

#include <string>
#include <string_view>
#include <variant>

namespace zoruka {

inline constexpr std::string_view kPreviousUnreadable = "前のゾルカを読み込めません: ";
inline constexpr std::string_view kPreviousOtherKind = "前のゾルカは種類が違います: ";

// A table of `kind` written by zoruka-cli as JSON (--format json), read back from `path` with
// its counts, pairs, rests and names, for a lineup change; or the message refusing the file (a
// file whose names rosterProblem() refuses included).
std::variant<MatchTable, std::string> readTableJson(MatchKind kind, const std::string& path);

} // namespace zoruka
