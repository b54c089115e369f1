#pragma once

#include "matchtable/PartnerMarks.h"
#include "matchtable/PlayerSet.h"
#include "matchtable/ResultStore.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zoruka {

// Pairs up the players of one game: greedy partner search over the partner marks, the pairs
// formed so far as a stack of slots, and backtracking that undoes pairs until some player can
// pair differently.
class PairSearch {
public:
    explicit PairSearch(PartnerMarks& marks) : m_marks(marks) {}

    // The game's players in list order (positions 1..P); each player appears once.
    void startGame(const std::vector<int>& playing);
    // No position taken, no pair formed.
    void startAttempt();

    int positions() const { return static_cast<int>(m_list.size()); }
    int playerAt(int position) const { return m_list[static_cast<std::size_t>(position - 1)]; }

    // The first position >= `from` whose player is not yet in a pair, or 0 when there is none.
    int nextFreePosition(int from) const;

    // The first free partner of `player` who plays this game and is not yet in a pair, searching
    // the player numbers upward or downward; 0 when there is none.
    int findPartner(int player, bool descending) const;

    // Forms the pair (p, q) in the next slot; both are marked as tried in this attempt.
    void recordPair(int p, int q);

    // Undoes pairs from the last one until the first member of an undone pair still has a free
    // partner among the unpaired players. Returns false when every pair was undone without one.
    bool backtrack();

    const std::vector<Pair>& pairs() const { return m_pairs; }

private:
    PlayerSet unpairedPlayers() const { return m_playing & ~m_paired; }
    void setPaired(int player, bool paired);

    PartnerMarks& m_marks;
    std::vector<int> m_list;
    std::array<int, kMaxCount + 1> m_position{}; // player -> 1-based list position
    PlayerSet m_playing = 0;
    PlayerSet m_paired = 0;
    std::uint64_t m_freePositions = 0; // bit k-1 = position k not yet in a pair
    std::vector<Pair> m_pairs;
};

} // namespace zoruka
