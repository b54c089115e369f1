#include "matchtable/HalvesPlan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace zoruka;

struct HalvesCase {
    std::vector<int> groupSizes;
    int blocks;
};

class HalvesPlanShapes : public testing::TestWithParam<HalvesCase> {};

// Every block rests half of each group first, nobody rests twice in a row more than once (second
// in one block, first in the next), the halves do mix, and a seed gives one plan.
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
    ASSERT_EQ(static_cast<int>(plan.size()), shape.blocks);
    for (const auto& block : plan) {
        for (const auto& group : groups) {
            const auto first = std::count_if(group.begin(), group.end(), [&](int id) {
                return block[static_cast<std::size_t>(id)];
            });
            EXPECT_EQ(first * 2, static_cast<long>(group.size()));
        }
    }
    bool mixed = false;
    for (int id = 0; id < next; ++id) {
        int doubleRests = 0;
        for (int t = 0; t + 1 < shape.blocks; ++t) {
            const bool now = plan[static_cast<std::size_t>(t)][static_cast<std::size_t>(id)];
            const bool then = plan[static_cast<std::size_t>(t + 1)][static_cast<std::size_t>(id)];
            doubleRests += !now && then ? 1 : 0;
            mixed = mixed || now != then;
        }
        EXPECT_LE(doubleRests, 1) << "player " << id;
    }
    EXPECT_TRUE(mixed);
    EXPECT_EQ(plan, planHalves(groups, shape.blocks, {99, 99, 99}, 7));
}

INSTANTIATE_TEST_SUITE_P(Shapes, HalvesPlanShapes,
                         testing::Values(HalvesCase{{8}, 25}, HalvesCase{{4, 4}, 10},
                                         HalvesCase{{16, 16}, 15}, HalvesCase{{6}, 8}));

} // namespace
