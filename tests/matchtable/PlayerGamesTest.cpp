#include "matchtable/PlayerGames.h"
#include "matchtable/DoublesGenerator.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/TeamGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using namespace zoruka;

struct KindCase {
    const char* name;
    MatchKind kind;
    std::function<MatchTable()> table;
    std::array<int, 2> sizes;
    std::size_t partners; // of a player on court
    std::size_t opponents;
};

class PlayerGamesOfEveryKind : public testing::TestWithParam<KindCase> {};

const PlayerGame& gameOf(const std::array<std::vector<std::vector<PlayerGame>>, 2>& all,
                         PlayerSeat player, int game)
{
    return all[static_cast<std::size_t>(player.group)][static_cast<std::size_t>(player.number - 1)]
              [static_cast<std::size_t>(game)];
}

// Partners and opponents are mutual and share the court; each court of a game holds four
// players (fixed pairs: two pairs).
TEST_P(PlayerGamesOfEveryKind, AreMutualAndFillEveryCourt)
{
    const KindCase& c = GetParam();
    const MatchTable table = c.table();
    const auto all = playerGames(c.kind, table);
    const int games = table.builtGames();
    ASSERT_GT(games, 0);
    for (int group = 0; group < 2; ++group) {
        ASSERT_EQ(all[static_cast<std::size_t>(group)].size(),
                  static_cast<std::size_t>(c.sizes[static_cast<std::size_t>(group)]));
    }
    for (int game = 0; game < games; ++game) {
        std::vector<int> onCourt(static_cast<std::size_t>(table.params.courts) + 1, 0);
        for (int group = 0; group < 2; ++group) {
            for (int k = 1; k <= c.sizes[static_cast<std::size_t>(group)]; ++k) {
                const PlayerSeat me{group, k};
                const PlayerGame& mine = gameOf(all, me, game);
                if (mine.rests()) {
                    EXPECT_TRUE(mine.partners.empty() && mine.opponents.empty());
                    continue;
                }
                ++onCourt[static_cast<std::size_t>(mine.court)];
                EXPECT_EQ(mine.partners.size(), c.partners);
                EXPECT_EQ(mine.opponents.size(), c.opponents);
                for (const PlayerSeat& partner : mine.partners) {
                    const PlayerGame& theirs = gameOf(all, partner, game);
                    EXPECT_EQ(theirs.court, mine.court);
                    EXPECT_EQ(theirs.side, mine.side);
                    EXPECT_NE(std::find(theirs.partners.begin(), theirs.partners.end(), me),
                              theirs.partners.end());
                }
                for (const PlayerSeat& opponent : mine.opponents) {
                    const PlayerGame& theirs = gameOf(all, opponent, game);
                    EXPECT_EQ(theirs.court, mine.court);
                    EXPECT_NE(theirs.side, mine.side);
                    EXPECT_NE(std::find(theirs.opponents.begin(), theirs.opponents.end(), me),
                              theirs.opponents.end());
                }
            }
        }
        for (int court = 1; court <= table.params.courts; ++court) {
            EXPECT_EQ(onCourt[static_cast<std::size_t>(court)],
                      c.kind == MatchKind::FixedPairs ? 2 : 4);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PlayerGamesOfEveryKind,
    testing::Values(KindCase{"Doubles",
                             MatchKind::Doubles,
                             [] { return DoublesGenerator::generate(11, 2, 6); },
                             {11, 0},
                             1,
                             2},
                    KindCase{"Mixed",
                             MatchKind::Mixed,
                             [] { return MixedGenerator::generate(7, 6, 2, 5); },
                             {7, 6},
                             1,
                             2},
                    KindCase{"Team",
                             MatchKind::Team,
                             [] { return TeamGenerator::generate(6, 9, 2, 5); },
                             {6, 9},
                             1,
                             2},
                    KindCase{"Fixed",
                             MatchKind::FixedPairs,
                             [] { return FixedPairGenerator::generate(5, 4, 3, 4); },
                             {5, 4},
                             0,
                             1}),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

} // namespace
