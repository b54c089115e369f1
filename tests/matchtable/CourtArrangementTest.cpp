#include "matchtable/CourtArrangement.h"
#include "matchtable/OpponentHistory.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

// Pairs named by their first member, to read arrangements at a glance.
std::vector<int> order(const Arrangement& slots)
{
    std::vector<int> firsts;
    for (const Pair& pair : slots) {
        firsts.push_back(pair.first);
    }
    return firsts;
}

TEST(CourtArrangement, ShuffleVisitsOnePlusCourtsSquaredArrangementsInRotationOrder)
{
    std::vector<std::vector<int>> visited;
    const auto recorded =
        recordCourtShuffles({{1, 2}, {3, 4}, {5, 6}, {7, 8}}, [&](const Arrangement& slots) {
            visited.push_back(order(slots));
            return RepeatSummary{1, 1};
        });
    ASSERT_EQ(visited.size(), 5u);
    EXPECT_EQ(visited[0], (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(visited[1], (std::vector<int>{7, 1, 3, 5})); // all slots rotated
    EXPECT_EQ(visited[2], (std::vector<int>{3, 7, 1, 5})); // all but the last rotated
    EXPECT_EQ(visited[3], (std::vector<int>{5, 3, 7, 1}));
    EXPECT_EQ(visited[4], (std::vector<int>{7, 5, 3, 1}));
    EXPECT_EQ(recorded.size(), 5u); // equal sums are all recorded
}

TEST(CourtArrangement, OnlyArrangementsNoWorseThanTheBestSoFarAreRecorded)
{
    const std::vector<int> sums{5, 7, 3, 3, 4};
    std::size_t call = 0;
    const auto recorded =
        recordCourtShuffles({{1, 2}, {3, 4}, {5, 6}, {7, 8}}, [&](const Arrangement&) {
            return RepeatSummary{sums[call++], 0};
        });
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_EQ(recorded[0].repeats.sum, 5);
    EXPECT_EQ(recorded[1].repeats.sum, 3);
    EXPECT_EQ(recorded[2].repeats.sum, 3);
}

TEST(OpponentHistory, CountsGamesInWhichTwoPlayersStoodOnOppositeSides)
{
    OpponentHistory history;
    history.clear();
    history.addGame({{1, 2}, {3, 4}, {5, 6}, {7, 8}});
    history.addGame({{1, 5}, {3, 7}, {2, 4}, {6, 8}});
    EXPECT_EQ(history.courtsOpposed(1, 3), 2);
    EXPECT_EQ(history.courtsOpposed(3, 1), 2);
    EXPECT_EQ(history.courtsOpposed(1, 2), 0); // partners, never opponents
    EXPECT_EQ(history.courtsOpposed(2, 6), 1);
    EXPECT_EQ(history.courtsOpposedInLastGame(2, 6), 1);
    EXPECT_EQ(history.courtsOpposedInLastGame(1, 4), 0); // met in game 1 only

    const RepeatSummary repeats = history.repeats({{1, 2}, {3, 5}});
    EXPECT_EQ(repeats.sum, 2 + 0 + 1 + 0); // 1-3, 1-5 (partners only), 2-3, 2-5
    EXPECT_EQ(repeats.maximum, 2);
    EXPECT_EQ(history.meetingsFromLastGame({{1, 2}, {3, 5}}), 1);
}

} // namespace
