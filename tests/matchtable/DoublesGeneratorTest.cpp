#include "matchtable/DoublesGenerator.h"
#include "matchtable/RestRotation.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <utility>

namespace {

using namespace zoruka;

std::vector<Pair> slotsOf(const MatchTable& table, int game)
{
    std::vector<Pair> slots;
    for (int slot = 1; slot <= 2 * table.params.courts; ++slot) {
        slots.push_back(table.results.pair(game, slot));
    }
    return slots;
}

TEST(DoublesGenerator, FirstGameAlternatesSearchDirectionFromAscending)
{
    const MatchTable table = DoublesGenerator::generate(8, 2, 1);
    EXPECT_EQ(slotsOf(table, 1), (std::vector<Pair>{{1, 2}, {3, 8}, {4, 5}, {6, 7}}));
    EXPECT_EQ(table.builtGames(), 1);
}

TEST(DoublesGenerator, RestsRotateThroughThePlayerNumbers)
{
    const MatchTable table = DoublesGenerator::generate(9, 2, 3);
    ASSERT_EQ(table.builtGames(), 3);
    const auto playing = RestRotation::games(9, 8, 3);
    EXPECT_EQ(playing[1], (std::vector<int>{9, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(playing[2], (std::vector<int>{8, 9, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(restingPlayers(playing[0], 9), std::vector<int>{9});
    EXPECT_EQ(restingPlayers(playing[1], 9), std::vector<int>{8});
    EXPECT_EQ(restingPlayers(playing[2], 9), std::vector<int>{7});
    // Game 2 starts descending again, from player 9 of its list.
    EXPECT_EQ(slotsOf(table, 2), (std::vector<Pair>{{9, 7}, {1, 3}, {2, 5}, {4, 6}}));
}

TEST(DoublesGenerator, TableEndsWhenNoPartnerIsLeft)
{
    // Four players have three possible partners each: three games, the fourth stays empty.
    const MatchTable table = DoublesGenerator::generate(4, 1, 5);
    EXPECT_EQ(table.builtGames(), 3);
    EXPECT_TRUE(table.results.gameIsEmpty(4));
    EXPECT_TRUE(table.results.gameIsEmpty(5));
}

TEST(DoublesGenerator, NoCourtsGiveAnEmptyTable)
{
    EXPECT_EQ(DoublesGenerator::generate(5, 0, 3).builtGames(), 0);
    EXPECT_EQ(DoublesGenerator::generate(0, 0, 50).builtGames(), 0);
    const RunParameters params = DoublesGenerator::generate(5, 0, 3).params;
    EXPECT_EQ(params.onCourt, 0);
    EXPECT_EQ(params.resting, 5);
}

TEST(DoublesGenerator, TablesDependOnlyOnTheirCounts)
{
    const MatchTable first = DoublesGenerator::generate(12, 3, 50);
    DoublesGenerator::generate(30, 7, 50);
    const MatchTable again = DoublesGenerator::generate(12, 3, 50);
    for (int game = 1; game <= 50; ++game) {
        EXPECT_EQ(slotsOf(first, game), slotsOf(again, game)) << "game " << game;
    }
}

TEST(DoublesGenerator, RefusesCountsBeyondItsTables)
{
    EXPECT_THROW(DoublesGenerator::generate(51, 1, 1), std::invalid_argument);
    EXPECT_THROW(DoublesGenerator::generate(7, 2, 1), std::invalid_argument);
    EXPECT_THROW(DoublesGenerator::generate(50, 1, 51), std::invalid_argument);
    EXPECT_THROW(DoublesGenerator::generate(10, -1, 1), std::invalid_argument);
}

// Every table for N participants at G = 50, on every number of courts they can fill.
class DoublesTableProperties : public testing::TestWithParam<int> {};

TEST_P(DoublesTableProperties, PlayersOncePerGameNoPartnerTwiceRestsInRotation)
{
    const int participants = GetParam();
    for (int courts = 0; 4 * courts <= participants; ++courts) {
        SCOPED_TRACE("N=" + std::to_string(participants) + " C=" + std::to_string(courts));
        const MatchTable table = DoublesGenerator::generate(participants, courts, 50);
        const int built = table.builtGames();
        if (courts > 0) {
            EXPECT_GE(built, 1);
        }
        const auto playing = RestRotation::games(participants, 4 * courts, built);
        std::set<std::pair<int, int>> partnerships;
        for (int game = 1; game <= built; ++game) {
            const auto& expected = playing[static_cast<std::size_t>(game - 1)];
            std::multiset<int> onCourt;
            for (const Pair& pair : slotsOf(table, game)) {
                ASSERT_FALSE(pair.empty()) << "game " << game;
                onCourt.insert({pair.first, pair.second});
                const auto partnership = std::minmax(pair.first, pair.second);
                EXPECT_TRUE(partnerships.insert(partnership).second)
                    << pair.first << "-" << pair.second << " again in game " << game;
            }
            EXPECT_EQ(onCourt, std::multiset<int>(expected.begin(), expected.end()))
                << "game " << game;
            EXPECT_TRUE(table.results.pair(game, 2 * courts + 1).empty());
        }
        for (int game = built + 1; game <= 50; ++game) {
            EXPECT_TRUE(table.results.gameIsEmpty(game)) << "game " << game;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryParticipantCount, DoublesTableProperties, testing::Range(0, 51));

} // namespace
