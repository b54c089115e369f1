#pragma once

#include <algorithm>
#include <array>

// The cost model of the balanced search (BalancedSearch.cpp, which alone includes this): what
// partnerships, meetings and short lists of opponents cost, and the count changes of a move.

namespace zoruka::search_cost {

// Cost of a partnership formed once more after c times, in units that the search weighs against
// the other costs: lightly while it roams, heavily at the end and when tables are compared.
// Rising with c, so that repeats past the bound go to the pairs that have had fewest; and past the
// bound steeply from `share` on, the partnerships every pair would have if they were spread evenly
// (rounded up): a pair above it leaves pairs below it, and only an even spread keeps every pair
// within the share.
constexpr long kBeyondShare = 8;
inline long partnerStep(int c, int share)
{
    return c < share || share < 2 ? c : c + kBeyondShare * (c - share + 1);
}

// Cost of two players meeting once more after c times: steep, so that counts stay close, and
// steeper still past `limit`, the most meetings a fair table allows.
constexpr long kPastLimit = 40;
inline long opponentStep(int c, int limit)
{
    return static_cast<long>(c) * c + (c >= limit ? kPastLimit : 0);
}
// A player who meets m fewer different opponents than his group's target costs nothing while m
// is 0 .. 2, since numbers of different opponents may differ by 2, and steeply outside: below
// the band the target tops, and above it (m < 0), once the target is what most players reach
// rather than what they could.
inline long unmetCost(int m)
{
    const long outside = std::max(m - 2, 0) + std::max(-m, 0);
    return 4 * outside * outside;
}
// Fixed pairs: cost of a meeting one round too early or too late.
constexpr long kRoundStep = 8;

// Weight of a partnership's units when tables are compared.
constexpr long kPartnerWeight = 100000;
// The annealing: the temperature falls from hot to cold over the steps while the weight of
// partnerships rises from light to heavy.
constexpr double kHot = 3.0;
constexpr double kCold = 0.05;
constexpr double kLightPartners = 3.0;
constexpr double kHeavyPartners = 4000.0;
// Later rounds start from the best table so far, as hot as the first (a table that missed is
// stuck where it is), with partnerships weightier.
constexpr double kFirmPartners = 300.0;
// Counts at or above this are all alike to the lower bound.
constexpr int kMaxLevel = 128;

// The two parts of a table's cost.
struct Cost {
    long partners = 0; // partnerStep units
    long others = 0;   // opponents, or for fixed pairs the rounds

    long weighed(long partnerWeight) const { return partners * partnerWeight + others; }
    Cost& operator+=(const Cost& more)
    {
        partners += more.partners;
        others += more.others;
        return *this;
    }
};

// The count changes a move would make, for pricing it before it is made. Swaps never change one
// count twice; a rest move may (the same two players related in both its games), so it merges
// changes of the same pair.
struct CountChanges {
    explicit CountChanges(bool merging = false) : merge(merging) {}

    struct Change {
        int x;
        int y;
        int by;
    };
    // Left unset: filled before read, and clearing them every move would cost more than pricing.
    std::array<Change, 16> partners;
    std::array<Change, 16> meetings;
    int partnerCount = 0;
    int meetingCount = 0;
    bool merge;

    void partner(int x, int y, int by) { add(partners, partnerCount, x, y, by); }
    void meeting(int x, int y, int by) { add(meetings, meetingCount, x, y, by); }

private:
    void add(std::array<Change, 16>& changes, int& count, int x, int y, int by) const
    {
        const int low = std::min(x, y);
        const int high = std::max(x, y);
        for (int i = 0; merge && i < count; ++i) {
            Change& change = changes[static_cast<std::size_t>(i)];
            if (change.x == low && change.y == high) {
                change.by += by;
                return;
            }
        }
        changes[static_cast<std::size_t>(count++)] = {low, high, by};
    }
};

// The cost of a count going from `from` to `to` by steps of `step`.
template <typename Step> long stepsBetween(const Step& step, int from, int to)
{
    long cost = 0;
    for (int c = from; c < to; ++c) {
        cost += step(c);
    }
    for (int c = to; c < from; ++c) {
        cost -= step(c);
    }
    return cost;
}

} // namespace zoruka::search_cost
