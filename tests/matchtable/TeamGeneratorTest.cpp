#include "matchtable/TeamGenerator.h"
#include "matchtable/RestRotation.h"
#include "matchtable/TeamSetup.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

using namespace zoruka;

// The A pairs (odd slots) or B pairs (even slots) of a game, as sets of partners.
std::set<std::set<int>> teamPairs(const MatchTable& table, int game, int firstSlot)
{
    std::set<std::set<int>> pairs;
    for (int slot = firstSlot; slot <= 2 * table.params.courts; slot += 2) {
        const Pair pair = table.results.pair(game, slot);
        pairs.insert({pair.first, pair.second});
    }
    return pairs;
}

TEST(TeamGenerator, FourPlayersATeamRunOutOfPartnersAfterThreeGames)
{
    const MatchTable table = TeamGenerator::generate(4, 4, 2, 4);
    ASSERT_EQ(table.builtGames(), 3);
    using Pairs = std::set<std::set<int>>;
    EXPECT_EQ(teamPairs(table, 1, 1), (Pairs{{1, 2}, {3, 4}}));
    EXPECT_EQ(teamPairs(table, 2, 1), (Pairs{{1, 3}, {2, 4}}));
    EXPECT_EQ(teamPairs(table, 3, 1), (Pairs{{1, 4}, {2, 3}}));
    EXPECT_TRUE(table.results.gameIsEmpty(4));
}

TEST(TeamGenerator, EachTeamRotatesItsOwnRests)
{
    const auto a = RestRotation::games(6, 4, 3);
    EXPECT_EQ(a[1], (std::vector<int>{5, 6, 1, 2}));
    EXPECT_EQ(a[2], (std::vector<int>{3, 4, 5, 6}));
    const MatchTable table = TeamGenerator::generate(6, 4, 2, 3);
    std::set<int> gameTwoA;
    for (const auto& pair : teamPairs(table, 2, 1)) {
        gameTwoA.insert(pair.begin(), pair.end());
    }
    EXPECT_EQ(gameTwoA, (std::set<int>{1, 2, 5, 6}));
}

TEST(TeamGenerator, OneCourtHasNothingToRotate)
{
    const MatchTable table = TeamGenerator::generate(3, 3, 1, 50);
    EXPECT_EQ(table.builtGames(), 3); // three possible partnerships per team of three
    EXPECT_EQ(table.results.pair(1, 1), (Pair{1, 2}));
    EXPECT_EQ(table.results.pair(1, 2), (Pair{1, 2}));
}

TEST(TeamGenerator, NoCourtsOrBadCounts)
{
    EXPECT_EQ(TeamGenerator::generate(5, 5, 0, 5).builtGames(), 0);
    EXPECT_THROW(TeamGenerator::generate(3, 8, 2, 1), std::invalid_argument);
    EXPECT_THROW(TeamGenerator::generate(8, 3, 2, 1), std::invalid_argument);
    EXPECT_THROW(TeamGenerator::generate(8, 8, 2, 51), std::invalid_argument);
}

TEST(TeamSetup, MessagesInScreenOrderThenTeamSizes)
{
    namespace ts = zoruka::team_setup;
    EXPECT_EQ(ts::check("", "4", "", "3").message, ts::kChooseParticipants);
    EXPECT_EQ(ts::check("4", "x", "2", "3").message, ts::kChooseParticipants);
    EXPECT_EQ(ts::check("4", "4", "-1", "3").message, ts::kChooseCourts);
    EXPECT_EQ(ts::check("4", "4", "2", "").message, ts::kChooseGames);
    EXPECT_EQ(ts::check("3", "8", "2", "3").message, ts::kTooFewA);
    EXPECT_EQ(ts::check("8", "3", "2", "3").message, ts::kTooFewB);
    EXPECT_TRUE(ts::check("5", "4", "2", "0").ok());
}

// Every table for an A team of NA players over many B teams and courts, at G = 50.
class TeamTableProperties : public testing::TestWithParam<int> {};

TEST_P(TeamTableProperties, PlayersOncePerGameAndNoPartnerTwicePerTeam)
{
    const int sizeA = GetParam();
    for (int sizeB = 2; sizeB <= 50; sizeB += 6) {
        for (int courts = 1; 2 * courts <= std::min(sizeA, sizeB); courts += 2) {
            SCOPED_TRACE("NA=" + std::to_string(sizeA) + " NB=" + std::to_string(sizeB) +
                         " C=" + std::to_string(courts));
            const MatchTable table = TeamGenerator::generate(sizeA, sizeB, courts, 50);
            const int built = table.builtGames();
            EXPECT_GE(built, 1);
            const std::array<std::vector<std::vector<int>>, 2> playing{
                RestRotation::games(sizeA, 2 * courts, built),
                RestRotation::games(sizeB, 2 * courts, built)};
            std::array<std::set<std::set<int>>, 2> partnerships;
            for (int game = 1; game <= built; ++game) {
                for (int team = 0; team < 2; ++team) {
                    std::multiset<int> onCourt;
                    for (const auto& pair : teamPairs(table, game, team + 1)) {
                        onCourt.insert(pair.begin(), pair.end());
                        EXPECT_TRUE(partnerships[team].insert(pair).second) << "game " << game;
                    }
                    const auto& expected = playing[team][static_cast<std::size_t>(game - 1)];
                    EXPECT_EQ(onCourt, std::multiset<int>(expected.begin(), expected.end()))
                        << "team " << team << " game " << game;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ManyTeamSizes, TeamTableProperties, testing::Range(2, 51, 4));

} // namespace
