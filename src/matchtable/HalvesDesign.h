#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace zoruka {

// Halves and partners, block by block, of a group of 2^m players (m >= 2) of exactly twice the
// places whose halves mix (see planHalves for the blocks). Players are the vectors of m bits.
// In a block the group splits by a linear form f (those with f(x) = c rest in the first game)
// and every player x partners x + d for one d with f(d) = 0, so that partners share a half and
// the block's partnerships are every player's once. Different blocks take different d, so no
// partnership comes again before every pair has had one, and past that each comes up at most
// blocks / (n - 1) times, rounded up. The form changes in a few segments of the table; at each
// change those who rest second and then first rest twice in a row, every player once at most.
// Partners only ever being in the same half is what keeps partnerships from repeating there,
// where a search of partners within freely mixed halves repeats some.
struct HalvesDesign {
    std::vector<std::vector<bool>> restsFirst;              // per block, per player index
    std::vector<std::vector<std::pair<int, int>>> partners; // per block: player index pairs
};

// No design for other sizes, nor for more blocks than the double rests can mix. `halfEarlier`
// moves every change of form half a segment earlier, so that two groups designed one with and one
// without it change halves at different times and every player of one plays alongside every
// player of the other about equally often. The same arguments give the same design.
std::optional<HalvesDesign> halvesDesign(int players, int blocks, std::uint64_t seed,
                                         bool halfEarlier = false);

} // namespace zoruka
