#pragma once

#include <string>

namespace zoruka {

// The labels printed and exported with match tables; numbers stand in two-character fields.

// " 9 名"
std::string participantsLabel(int participants);
// "（  2 面 )": a full-width opening and an ASCII closing parenthesis.
std::string courtsLabel(int courts);
// "第  1 試合"
std::string gameLabel(int game);
// The court side of pair slot `slot` (1-based): " 1-A" for slot 1, " 1-B" for slot 2, " 2-A", ...
std::string courtSideLabel(int slot);

} // namespace zoruka
