#include "matchtable/RestRotation.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

TEST(RestRotation, CursorCarriesOverAndWrapsAfterTheLastPlayer)
{
    RestRotation rotation(5, 4);
    EXPECT_EQ(rotation.nextGame(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(rotation.nextGame(), (std::vector<int>{5, 1, 2, 3}));
    EXPECT_EQ(rotation.nextGame(), (std::vector<int>{4, 5, 1, 2}));
}

TEST(RestRotation, EveryoneOnCourtKeepsTheSameOrder)
{
    for (const auto& game : RestRotation::games(8, 8, 4)) {
        EXPECT_EQ(game, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    }
}

TEST(RestRotation, RestListIsAscendingAndCommaJoined)
{
    const std::vector<int> rests = restingPlayers({4, 5, 6, 7, 9, 10, 11, 1, 2}, 12);
    EXPECT_EQ(rests, (std::vector<int>{3, 8, 12}));
    EXPECT_EQ(restListText(rests), "3,8,12");
    EXPECT_EQ(restListText({}), "");
}

} // namespace
