#pragma once

#include "matchtable/PlayerSet.h"
#include "matchtable/ResultStore.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zoruka {

// Pairs each man of a game with a woman he has not partnered before (pair = {man, woman}).
// - The men of the game are walked in list order; each unpaired man takes the first free woman
//   of the game, searching the women's numbers upward or downward; the direction flips before
//   every search for the whole table.
// - A man without a partner withdraws the last pairs: a withdrawn man who still sees a free woman
//   (ignoring the women his "seen" list has lost) lets the walk restart; one who does not
//   forgets the women he tried, which also frees their places in the game, and the next pair is
//   withdrawn.
// - Every pair formed in an earlier game is never formed again.
class MixedPairSearch {
public:
    // Men 1..men and women 1..women, nobody paired yet; the first search runs ascending.
    void reset(int men, int women);

    // Pairs the men and women of one game (same number of each, P <= 50, each listed once).
    // Returns false when the game cannot be built: withdrawing ran out, more than P searches
    // failed without a pair formed in between, or the walk would look at more than `stepLimit`
    // men's positions (paired ones count too). On success the pairs, in the order formed, are
    // kept for good.
    bool pairGame(const std::vector<int>& men, const std::vector<int>& women, long stepLimit);

    const std::vector<Pair>& pairs() const { return m_pairs; }

private:
    int m_men = 0;
    int m_women = 0;
    bool m_descending = true;
    std::array<PlayerSet, kMaxCount + 1> m_free{};  // per man: women never tried nor partnered
    std::array<PlayerSet, kMaxCount + 1> m_tried{}; // per man: women tried in this game
    // Per man: women his partner check no longer sees. Committing man m with woman w hides woman
    // m from man w; the walk's own search does not look at this.
    std::array<PlayerSet, kMaxCount + 1> m_hidden{};
    std::vector<Pair> m_pairs;
};

} // namespace zoruka
