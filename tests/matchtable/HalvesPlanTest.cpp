#include "matchtable/HalvesPlan.h"
#include "matchtable/HalvesDesign.h"
#include "matchtable/OneCourtHalves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

namespace {

using namespace zoruka;

struct HalvesCase {
    std::vector<int> groupSizes;
    int blocks;
};

// Every block rests half of each group first, nobody rests twice in a row more than once (second
// in one block, first in the next), and the halves do mix.
void expectHalvesKept(const std::vector<std::vector<bool>>& plan,
                      const std::vector<std::vector<int>>& groups, int blocks)
{
    ASSERT_EQ(static_cast<int>(plan.size()), blocks);
    for (const auto& block : plan) {
        for (const auto& group : groups) {
            const auto first = std::count_if(group.begin(), group.end(), [&](int id) {
                return block[static_cast<std::size_t>(id)];
            });
            EXPECT_EQ(first * 2, static_cast<long>(group.size()));
        }
    }
    bool mixed = false;
    for (const auto& group : groups) {
        for (int id : group) {
            int doubleRests = 0;
            for (int t = 0; t + 1 < blocks; ++t) {
                const bool now = plan[static_cast<std::size_t>(t)][static_cast<std::size_t>(id)];
                const bool then =
                    plan[static_cast<std::size_t>(t + 1)][static_cast<std::size_t>(id)];
                doubleRests += !now && then ? 1 : 0;
                mixed = mixed || now != then;
            }
            EXPECT_LE(doubleRests, 1) << "player " << id;
        }
    }
    EXPECT_TRUE(mixed);
}

class HalvesPlanShapes : public testing::TestWithParam<HalvesCase> {};

TEST_P(HalvesPlanShapes, KeepsHalvesAndGivesEachPlayerOneDoubleRestAtMost)
{
    const HalvesCase& shape = GetParam();
    std::vector<std::vector<int>> groups;
    int next = 0;
    for (int size : shape.groupSizes) {
        std::vector<int>& group = groups.emplace_back();
        for (int k = 0; k < size; ++k) {
            group.push_back(next++);
        }
    }
    const auto plan = planHalves(groups, shape.blocks, {99, 99, 99}, 7);
    expectHalvesKept(plan, groups, shape.blocks);
    EXPECT_EQ(plan, planHalves(groups, shape.blocks, {99, 99, 99}, 7));
}

INSTANTIATE_TEST_SUITE_P(Shapes, HalvesPlanShapes,
                         testing::Values(HalvesCase{{8}, 25}, HalvesCase{{4, 4}, 10},
                                         HalvesCase{{16, 16}, 15}, HalvesCase{{6}, 8}));

// On top of the plan's promises: each block partners everybody once, within his half, and no
// pair partners more than blocks / (players - 1) times, rounded up.
void expectDesignKeepsItsPromises(int players, int blocks, bool halfEarlier)
{
    const auto design = halvesDesign(players, blocks, 3, halfEarlier);
    ASSERT_TRUE(design.has_value());
    std::vector<int> group(static_cast<std::size_t>(players));
    std::iota(group.begin(), group.end(), 0);
    expectHalvesKept(design->restsFirst, {group}, blocks);
    std::map<std::pair<int, int>, int> partnerships;
    for (int t = 0; t < blocks; ++t) {
        const auto& half = design->restsFirst[static_cast<std::size_t>(t)];
        std::vector<int> partnered(static_cast<std::size_t>(players), 0);
        for (const auto& [x, y] : design->partners[static_cast<std::size_t>(t)]) {
            EXPECT_EQ(half[static_cast<std::size_t>(x)], half[static_cast<std::size_t>(y)]);
            ++partnered[static_cast<std::size_t>(x)];
            ++partnered[static_cast<std::size_t>(y)];
            ++partnerships[{std::min(x, y), std::max(x, y)}];
        }
        EXPECT_EQ(partnered, std::vector<int>(static_cast<std::size_t>(players), 1));
    }
    for (const auto& [pair, count] : partnerships) {
        EXPECT_LE(count, (blocks + players - 2) / (players - 1));
    }
    EXPECT_EQ(design->partners, halvesDesign(players, blocks, 3, halfEarlier)->partners);
}

class HalvesDesignShapes : public testing::TestWithParam<HalvesCase> {};

TEST_P(HalvesDesignShapes, PartnersEverybodyWithinHisHalfAndSpreadsPartnerships)
{
    const int players = GetParam().groupSizes[0];
    const int blocks = GetParam().blocks;
    for (bool halfEarlier : {false, true}) {
        expectDesignKeepsItsPromises(players, blocks, halfEarlier);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, HalvesDesignShapes,
                         testing::Values(HalvesCase{{8}, 25}, HalvesCase{{16}, 15},
                                         HalvesCase{{16}, 25}, HalvesCase{{32}, 31},
                                         HalvesCase{{32}, 6}));

TEST(HalvesDesign, OnlyForPowersOfTwo)
{
    EXPECT_FALSE(halvesDesign(24, 10, 0).has_value());
    EXPECT_FALSE(halvesDesign(2, 10, 0).has_value());
    EXPECT_TRUE(halvesDesign(4, 3, 0).has_value());
}

// Eight players on one court: the halves are the block's two games, so the design fixes every
// game. Games, the most partnerships and meetings of two players, and whether everybody meets
// everybody.
struct OneCourtCase {
    int games;
    int partnerCap;
    int meetCap;
    bool meetAll;
};

class OneCourtHalvesShapes : public testing::TestWithParam<OneCourtCase> {};

TEST_P(OneCourtHalvesShapes, KeepsHalvesPartnershipsAndMeetingsWithinTheirCaps)
{
    const auto [games, partnerCap, meetCap, meetAll] = GetParam();
    const int blocks = (games + 1) / 2;
    const std::vector<int> group{0, 1, 2, 3, 4, 5, 6, 7};
    // A search: some seeds miss where the caps are tight, so the first within them is judged.
    bool within = false;
    for (std::uint64_t seed = 0; seed < 8 && !within; ++seed) {
        const HalvesDesign design = oneCourtHalves(games, partnerCap, meetCap, seed);
        expectHalvesKept(design.restsFirst, {group}, blocks);
        std::map<std::pair<int, int>, int> partnerships;
        std::map<std::pair<int, int>, int> meetings;
        for (int game = 0; game < games; ++game) {
            const auto t = static_cast<std::size_t>(game / 2);
            std::vector<std::pair<int, int>> pairs; // those of this game
            for (const auto& [x, y] : design.partners[t]) {
                EXPECT_EQ(design.restsFirst[t][static_cast<std::size_t>(x)],
                          design.restsFirst[t][static_cast<std::size_t>(y)]);
                if (design.restsFirst[t][static_cast<std::size_t>(x)] == (game % 2 == 1)) {
                    pairs.emplace_back(std::min(x, y), std::max(x, y));
                }
            }
            ASSERT_EQ(pairs.size(), 2U);
            for (const auto& [x, y] : pairs) {
                ++partnerships[{x, y}];
            }
            for (int a : {pairs[0].first, pairs[0].second}) {
                for (int b : {pairs[1].first, pairs[1].second}) {
                    ++meetings[{std::min(a, b), std::max(a, b)}];
                }
            }
        }
        within = std::all_of(partnerships.begin(), partnerships.end(),
                             [&](const auto& p) { return p.second <= partnerCap; }) &&
                 std::all_of(meetings.begin(), meetings.end(),
                             [&](const auto& m) { return m.second <= meetCap; }) &&
                 (!meetAll || meetings.size() == 28);
        EXPECT_EQ(design.partners, oneCourtHalves(games, partnerCap, meetCap, seed).partners);
    }
    EXPECT_TRUE(within);
}

INSTANTIATE_TEST_SUITE_P(Shapes, OneCourtHalvesShapes,
                         testing::Values(OneCourtCase{12, 1, 3, true},
                                         OneCourtCase{20, 2, 4, false},
                                         OneCourtCase{31, 3, 6, false},
                                         OneCourtCase{50, 4, 9, false}));

} // namespace
