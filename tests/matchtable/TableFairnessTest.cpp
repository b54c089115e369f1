#include "matchtable/TableFairness.h"
#include "matchtable/DoublesGenerator.h"
#include "matchtable/DoublesSetup.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/LineupSetup.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/RandomTables.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

TEST(TableFairness, ExactTablesAreMeasuredAsBuilt)
{
    // 9 players on 2 courts: the exact rule stops after 7 of the 9 games possible without a
    // repeat; rests rotate one at a time.
    const TableFairness doubles =
        tableFairness(MatchKind::Doubles, DoublesGenerator::generate(9, 2, 9));
    EXPECT_EQ(doubles, (TableFairness{7, 9, 9, 0, 3, 2, 1}));
    EXPECT_EQ(fairnessLine(MatchKind::Doubles, doubles),
              "試合数 7/9（重複なしの上限 9）　ペアの重複 0　同じ相手との対戦 最多 3回（下限 2回）"
              "　休憩回数の差 1");

    // 4 + 4 on 2 courts: every man with every woman once, four games.
    const TableFairness mixed =
        tableFairness(MatchKind::Mixed, MixedGenerator::generate(4, 4, 2, 6));
    EXPECT_EQ(mixed.built, 4);
    EXPECT_EQ(mixed.bound, 4);
    EXPECT_EQ(mixed.repeats, 0);
    EXPECT_EQ(mixed.restSpread, 0);
}

TEST(TableFairness, RepeatsAreSaidFirst)
{
    // Random tables repeat partners; fixed pairs count meetings of the same two pairs.
    const TableFairness random = tableFairness(MatchKind::Doubles, randomDoubles(4, 1, 10, 1));
    EXPECT_GT(random.repeats, 0);
    EXPECT_EQ(fairnessLine(MatchKind::Doubles, random).rfind(table_fairness::kPairsAgain, 0), 0u);

    // 2 + 2 pairs on 2 courts: two games meet everyone once; the exact rule stops there.
    const TableFairness fixed =
        tableFairness(MatchKind::FixedPairs, FixedPairGenerator::generate(2, 2, 2, 2));
    EXPECT_EQ(fixed, (TableFairness{2, 2, 2, 0, 1, 1, 0}));
    EXPECT_NE(fairnessLine(MatchKind::FixedPairs, fixed).find("同じ対戦の重複 0"),
              std::string::npos);
}

TEST(LineupSetup, RefusesWhatCannotChange)
{
    const MatchTable table = DoublesGenerator::generate(9, 2, 5);
    const RunParameters same = DoublesGenerator::parameters(9, 2, 5);
    const auto refusal = [&](std::string_view from, const RunParameters& params,
                             std::string_view leaving) {
        const auto checked =
            lineup_setup::check(MatchKind::Doubles, table, from, params, {leaving, {}});
        const auto* message = std::get_if<std::string>(&checked);
        return message ? *message : std::string();
    };
    EXPECT_EQ(refusal("3", same, "2, 9"), std::string(doubles_setup::kTooFewParticipants));
    EXPECT_EQ(refusal("3", same, " 9 "), "");
    EXPECT_EQ(refusal("6", same, ""), std::string(lineup_setup::kGamesFromChange));
    EXPECT_EQ(refusal("6", DoublesGenerator::parameters(9, 2, 8), ""), "");
    for (const char* from : {"1", "7", "x", ""}) {
        EXPECT_EQ(refusal(from, same, ""), std::string(lineup_setup::kChooseFromGame)) << from;
    }
    for (const char* leaving : {"0", "10", "3,3", "3,,4", "a"}) {
        EXPECT_EQ(refusal("3", same, leaving), std::string(lineup_setup::kLeavingNumbers))
            << leaving;
    }
    EXPECT_EQ(refusal("3", DoublesGenerator::parameters(9, 1, 5), ""),
              std::string(lineup_setup::kSameCourts));
    const auto nothing = lineup_setup::check(MatchKind::Doubles, MatchTable{}, "2", same, {});
    EXPECT_EQ(std::get<std::string>(nothing), std::string(lineup_setup::kNothingBuilt));
}

} // namespace
