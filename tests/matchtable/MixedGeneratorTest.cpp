#include "matchtable/MixedGenerator.h"
#include "matchtable/MixedSetup.h"
#include "matchtable/RestRotation.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

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

TEST(MixedGenerator, FirstGameSearchesAscendingThenAlternates)
{
    const MatchTable table = MixedGenerator::generate(4, 4, 2, 1);
    EXPECT_EQ(slotsOf(table, 1), (std::vector<Pair>{{1, 1}, {2, 4}, {3, 2}, {4, 3}}));
}

TEST(MixedGenerator, MenAndWomenRotateSeparately)
{
    const auto men = RestRotation::games(5, 4, 2);
    const auto women = RestRotation::games(4, 4, 2);
    EXPECT_EQ(men[1], (std::vector<int>{5, 1, 2, 3}));
    EXPECT_EQ(women[1], (std::vector<int>{1, 2, 3, 4}));
    const MatchTable table = MixedGenerator::generate(5, 4, 2, 2);
    ASSERT_EQ(table.builtGames(), 2);
    std::multiset<int> gameTwoMen;
    for (const Pair& pair : slotsOf(table, 2)) {
        gameTwoMen.insert(pair.first);
    }
    EXPECT_EQ(gameTwoMen, (std::multiset<int>{1, 2, 3, 5}));
}

TEST(MixedGenerator, EveryManPlayingEveryGameRunsOutAfterAllWomen)
{
    // Four men on two courts play every game; each has only four possible partners.
    const MatchTable table = MixedGenerator::generate(4, 4, 2, 6);
    EXPECT_EQ(table.builtGames(), 4);
    EXPECT_TRUE(table.results.gameIsEmpty(5));
    EXPECT_TRUE(table.results.gameIsEmpty(6));
}

TEST(MixedGenerator, NoCourtsGiveAnEmptyTable)
{
    EXPECT_EQ(MixedGenerator::generate(4, 4, 0, 5).builtGames(), 0);
    EXPECT_EQ(MixedGenerator::generate(0, 0, 0, 5).builtGames(), 0);
}

TEST(MixedGenerator, RefusesCountsBeyondItsTables)
{
    EXPECT_THROW(MixedGenerator::generate(3, 4, 2, 1), std::invalid_argument);
    EXPECT_THROW(MixedGenerator::generate(51, 50, 1, 1), std::invalid_argument);
    EXPECT_THROW(MixedGenerator::generate(50, 50, 26, 1), std::invalid_argument);
}

TEST(MixedSetup, MessagesInScreenOrderThenCapacity)
{
    namespace ms = zoruka::mixed_setup;
    EXPECT_EQ(ms::check("8", "abc", "2", "3").message, ms::kChooseWomen);
    EXPECT_EQ(ms::check("x", "abc", "2", "3").message, ms::kChooseMen);
    EXPECT_EQ(ms::check("8", "8", "2.5", "3").message, ms::kChooseCourts);
    EXPECT_EQ(ms::check("8", "8", "2", "51").message, ms::kChooseGames);
    EXPECT_EQ(ms::check("8", "8", "5", "3").message, ms::kTooFewMen);
    EXPECT_EQ(ms::check("10", "8", "5", "3").message, ms::kTooFewWomen);
    const ms::Check ok = ms::check("8", "8", "2", "3");
    ASSERT_TRUE(ok.ok());
    EXPECT_EQ(ok.params->men, 8);
    EXPECT_EQ(ok.params->women, 8);
    EXPECT_EQ(ok.params->courts, 2);
    EXPECT_EQ(ok.params->games, 3);
}

// Every table for M men over women counts and courts they can fill, at G = 50.
class MixedTableProperties : public testing::TestWithParam<int> {};

TEST_P(MixedTableProperties, EveryoneOncePerGameAndNoPairTwice)
{
    const int men = GetParam();
    for (int women = 0; women <= 50; women += 7) {
        for (int courts = 1; 2 * courts <= std::min(men, women); courts += 3) {
            SCOPED_TRACE("M=" + std::to_string(men) + " W=" + std::to_string(women) +
                         " C=" + std::to_string(courts));
            const MatchTable table = MixedGenerator::generate(men, women, courts, 50);
            const int built = table.builtGames();
            EXPECT_GE(built, 1);
            const auto gameMen = RestRotation::games(men, 2 * courts, built);
            const auto gameWomen = RestRotation::games(women, 2 * courts, built);
            std::set<Pair> formed;
            for (int game = 1; game <= built; ++game) {
                std::multiset<int> menOnCourt;
                std::multiset<int> womenOnCourt;
                for (const Pair& pair : slotsOf(table, game)) {
                    menOnCourt.insert(pair.first);
                    womenOnCourt.insert(pair.second);
                    EXPECT_TRUE(formed.insert(pair).second)
                        << pair.first << "/" << pair.second << " again in game " << game;
                }
                const auto& expectedMen = gameMen[static_cast<std::size_t>(game - 1)];
                const auto& expectedWomen = gameWomen[static_cast<std::size_t>(game - 1)];
                EXPECT_EQ(menOnCourt, std::multiset<int>(expectedMen.begin(), expectedMen.end()))
                    << "game " << game;
                EXPECT_EQ(womenOnCourt,
                          std::multiset<int>(expectedWomen.begin(), expectedWomen.end()))
                    << "game " << game;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ManyMenCounts, MixedTableProperties, testing::Range(2, 51, 3));

} // namespace
