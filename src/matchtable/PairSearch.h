#pragma once

#include "matchtable/PartnerMarks.h"
#include "matchtable/PlayerSet.h"
#include "matchtable/ResultStore.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zoruka {

// The search direction and failure count of a game's pair search; both carry over from one
// attempt of the game to the next.
struct ScanState {
    bool alternate = true;   // flip the direction before every partner search
    bool descending = false; // search partner numbers downward
    int failures = 0;        // failed searches since the last pair was formed
};

// Pairs up the players of one game over the partner marks:
// - the game list is scanned from position 1; each player not yet in a pair takes the first
//   free partner among the unpaired players, searching the player numbers upward or downward
//   as the direction says (flipped before every search, unless the search always runs one way);
//   the pair is marked as tried;
// - a player without a partner undoes the last pairs until the first member of an undone pair
//   still has a free partner (that pair stays marked as tried, so he will pair differently);
//   a player with nobody left forgets whom he tried, for himself only; then the scan restarts.
class PairSearch {
public:
    explicit PairSearch(PartnerMarks& marks) : m_marks(marks) {}

    // The game's players in list order (P <= 50 positions); each player appears once.
    void startGame(const std::vector<int>& playing);

    // One attempt at pairing every player of the game. Fails when backtracking runs out, when
    // more than `failureLimit` searches fail without a pair formed in between, or when the scan
    // would look at more than `stepLimit` list positions (taken positions count too).
    bool pairEveryone(ScanState& state, int failureLimit, long stepLimit);

    // The pairs of the last attempt, in the order they were formed.
    const std::vector<Pair>& pairs() const { return m_pairs; }

private:
    PartnerMarks& m_marks;
    std::vector<int> m_list;
    std::array<std::uint64_t, kMaxCount + 1> m_positionBit{}; // player -> bit of his position
    PlayerSet m_playing = 0;
    std::vector<Pair> m_pairs;
};

} // namespace zoruka
