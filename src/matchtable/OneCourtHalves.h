#pragma once

#include "matchtable/HalvesDesign.h"

#include <cstdint>

namespace zoruka {

// Halves and partners of doubles of eight players on one court whose halves mix, in blocks of
// two games (see planHalves). On one court a block's halves are its two games, so who shares a
// half decides who can partner and meet; halves and partners are therefore searched together,
// keeping every partnership within `partnerCap` and every two players' meetings within
// `meetCap` (and, in short tables, everybody meeting everybody) where the search finds a way,
// and coming as close as it can otherwise. Nobody rests twice in a row more than once. Player
// index i is the group's i-th present player. The same arguments give the same design.
HalvesDesign oneCourtHalves(int games, int partnerCap, int meetCap, std::uint64_t seed);

} // namespace zoruka
