#pragma once

#include <bit>
#include <cstdint>

namespace zoruka {

// A set of player numbers 1..63 as bits (bit p = player p), so that a partner search over all
// players is a couple of machine instructions.
using PlayerSet = std::uint64_t;

inline constexpr PlayerSet playerBit(int player) { return PlayerSet{1} << player; }

// Players 1..count.
inline constexpr PlayerSet playersUpTo(int count)
{
    return count <= 0 ? 0 : ((PlayerSet{1} << (count + 1)) - 2);
}

inline int lowestPlayer(PlayerSet set) { return std::countr_zero(set); }

inline int highestPlayer(PlayerSet set) { return 63 - std::countl_zero(set); }

} // namespace zoruka
