#pragma once

#include "matchtable/Roster.h"
#include "matchtable/RunParameters.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zoruka {

// Two player numbers standing together in one pair slot; 0 means empty.
struct Pair {
    int first = 0;
    int second = 0;

    bool empty() const { return first == 0; }
    bool operator==(const Pair&) const = default;
    auto operator<=>(const Pair&) const = default;
};

// The pairs of the last table built: game (1..50) x pair slot (1..50) x member (1..2).
// For court tables slots 2c-1 and 2c are the A and B sides of court c. A game whose first slot
// is empty ends the table.
class ResultStore {
public:
    static constexpr int kMaxGames = kMaxCount;
    static constexpr int kMaxSlots = kMaxCount;

    void clear() { m_pairs.fill({}); }

    Pair pair(int game, int slot) const
    {
        const auto& p = m_pairs[index(game, slot)];
        return {p[0], p[1]};
    }
    void setPair(int game, int slot, Pair pair)
    {
        m_pairs[index(game, slot)] = {static_cast<std::uint8_t>(pair.first),
                                      static_cast<std::uint8_t>(pair.second)};
    }

    bool gameIsEmpty(int game) const { return pair(game, 1).empty(); }

    // Games 1..n that are shown, printed and exported: those before the first empty game,
    // and at most `games`.
    int builtGames(int games) const;

private:
    static int index(int game, int slot) { return (game - 1) * kMaxSlots + (slot - 1); }

    std::array<std::array<std::uint8_t, 2>, kMaxGames * kMaxSlots> m_pairs{};
};

// The players resting in one game, per rotation group (see MatchKind).
using GameRests = std::array<std::vector<int>, 2>;

// A built table: the counts it was made from, its pairs, and who the numbers are when known.
struct MatchTable {
    RunParameters params;
    ResultStore results;
    // Element g - 1: who rests in game g, for tables that choose their own rests (balanced and
    // rebuilt tables; see TableRests.h). Empty when the rests follow the plain rotation.
    std::vector<GameRests> rests;
    // Empty: the players are known by number only, and nothing shows or prints a name.
    Roster roster;

    int builtGames() const { return results.builtGames(params.games); }
};

} // namespace zoruka
