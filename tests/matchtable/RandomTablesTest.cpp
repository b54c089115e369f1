#include "matchtable/RandomTables.h"
#include "matchtable/DoublesGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/RestRotation.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

using namespace zoruka;

std::multiset<int> playersOf(const MatchTable& table, int game)
{
    std::multiset<int> players;
    for (int slot = 1; slot <= 2 * table.params.courts; ++slot) {
        const Pair pair = table.results.pair(game, slot);
        players.insert({pair.first, pair.second});
    }
    return players;
}

bool sameTable(const MatchTable& a, const MatchTable& b)
{
    for (int game = 1; game <= a.params.games; ++game) {
        for (int slot = 1; slot <= 2 * a.params.courts; ++slot) {
            if (a.results.pair(game, slot) != b.results.pair(game, slot)) {
                return false;
            }
        }
    }
    return true;
}

TEST(RandomDoubles, EveryGameCompleteWithTheRotationsPlayers)
{
    for (const auto& [n, c] : {std::pair{4, 1}, {9, 2}, {17, 4}, {50, 12}, {48, 12}}) {
        const MatchTable table = randomDoubles(n, c, 50, 7);
        ASSERT_EQ(table.builtGames(), 50) << n << "/" << c;
        const auto playing = RestRotation::games(n, 4 * c, 50);
        for (int game = 1; game <= 50; ++game) {
            const auto& expected = playing[static_cast<std::size_t>(game - 1)];
            EXPECT_EQ(playersOf(table, game), std::multiset<int>(expected.begin(), expected.end()))
                << n << "/" << c << " game " << game;
        }
    }
}

TEST(RandomDoubles, OneCourtDrawsTwoPlacesAndFillsTheRestInOrder)
{
    // With four players the last two listed take the two places nobody drew, lower place first.
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        const MatchTable table = randomDoubles(4, 1, 1, seed);
        std::vector<int> placeOf(5, 0);
        const Pair a = table.results.pair(1, 1);
        const Pair b = table.results.pair(1, 2);
        placeOf[static_cast<std::size_t>(a.first)] = 1;
        placeOf[static_cast<std::size_t>(a.second)] = 2;
        placeOf[static_cast<std::size_t>(b.first)] = 3;
        placeOf[static_cast<std::size_t>(b.second)] = 4;
        EXPECT_LT(placeOf[3], placeOf[4]) << "seed " << seed;
    }
}

TEST(RandomDoubles, SeedReproducesItsTableAndSeedsDiffer)
{
    EXPECT_TRUE(sameTable(randomDoubles(20, 4, 30, 42), randomDoubles(20, 4, 30, 42)));
    EXPECT_FALSE(sameTable(randomDoubles(20, 4, 30, 42), randomDoubles(20, 4, 30, 43)));
    EXPECT_THROW(randomDoubles(7, 2, 1, 1), std::invalid_argument);
}

TEST(RandomMixed, MenAndWomenKeepTheirRotationAndSides)
{
    const MatchTable table = randomMixed(9, 7, 3, 50, 5);
    ASSERT_EQ(table.builtGames(), 50);
    const auto men = RestRotation::games(9, 6, 50);
    const auto women = RestRotation::games(7, 6, 50);
    for (int game = 1; game <= 50; ++game) {
        std::multiset<int> gameMen;
        std::multiset<int> gameWomen;
        for (int slot = 1; slot <= 6; ++slot) {
            gameMen.insert(table.results.pair(game, slot).first);
            gameWomen.insert(table.results.pair(game, slot).second);
        }
        const auto& m = men[static_cast<std::size_t>(game - 1)];
        const auto& w = women[static_cast<std::size_t>(game - 1)];
        EXPECT_EQ(gameMen, std::multiset<int>(m.begin(), m.end())) << "game " << game;
        EXPECT_EQ(gameWomen, std::multiset<int>(w.begin(), w.end())) << "game " << game;
    }
}

TEST(RandomMixed, OneCourtMakesNoDraws)
{
    // Two men and two women a game take slots 1 and 2 in list order, whatever the seed.
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const MatchTable table = randomMixed(3, 2, 1, 2, seed);
        EXPECT_EQ(table.results.pair(1, 1), (Pair{1, 1}));
        EXPECT_EQ(table.results.pair(1, 2), (Pair{2, 2}));
        EXPECT_EQ(table.results.pair(2, 1), (Pair{3, 1}));
        EXPECT_EQ(table.results.pair(2, 2), (Pair{1, 2}));
    }
    EXPECT_TRUE(sameTable(randomMixed(20, 20, 5, 20, 9), randomMixed(20, 20, 5, 20, 9)));
    EXPECT_FALSE(sameTable(randomMixed(20, 20, 5, 20, 9), randomMixed(20, 20, 5, 20, 10)));
}

} // namespace
