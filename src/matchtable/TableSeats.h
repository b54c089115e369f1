#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"

#include <array>
#include <vector>

namespace zoruka {

// The players of a table as one list of ids: rotation group 0's numbers 1 .. sizes[0] first,
// then group 1's.
struct PlayerIds {
    std::array<int, 2> sizes{};

    int count() const { return sizes[0] + sizes[1]; }
    int id(int group, int number) const { return (group == 0 ? 0 : sizes[0]) + number - 1; }
    int group(int id) const { return id < sizes[0] ? 0 : 1; }
    int number(int id) const { return id < sizes[0] ? id + 1 : id - sizes[0] + 1; }
};

// A game of the result store seat by seat, court by court, as SeatLayout places them; -1 where
// the store's slot is empty.
std::vector<int> gameSeats(MatchKind kind, const MatchTable& table, int game, const PlayerIds& ids);

// Writes a game's seats into the result store.
void writeGameSeats(MatchKind kind, MatchTable& table, int game, const std::vector<int>& seats,
                    const PlayerIds& ids);

} // namespace zoruka
