#include "matchtable/DoublesSetup.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;
namespace ds = zoruka::doubles_setup;

TEST(DoublesSetup, FirstFailingFieldInScreenOrderGivesTheMessage)
{
    const ds::Check all = ds::check("", "x", "2.5");
    EXPECT_EQ(all.message, ds::kChooseParticipants);
    EXPECT_EQ(all.failed, (std::array<bool, 3>{true, true, true}));
    EXPECT_FALSE(all.ok());

    const ds::Check courts = ds::check("9", "-1", "abc");
    EXPECT_EQ(courts.message, ds::kChooseCourts);
    EXPECT_EQ(courts.failed, (std::array<bool, 3>{false, true, true}));

    const ds::Check games = ds::check("9", "2", "試合");
    EXPECT_EQ(games.message, ds::kChooseGames);
    EXPECT_EQ(games.failed, (std::array<bool, 3>{false, false, true}));

    EXPECT_EQ(ds::check("51", "2", "3").message, ds::kChooseParticipants);
}

TEST(DoublesSetup, CourtsMustFitIntoTheParticipants)
{
    const ds::Check tooFew = ds::check("7", "2", "1");
    EXPECT_FALSE(tooFew.ok());
    EXPECT_EQ(tooFew.message, ds::kTooFewParticipants);
    EXPECT_EQ(tooFew.failed, (std::array<bool, 3>{}));

    const ds::Check exact = ds::check("8", "2", "5");
    ASSERT_TRUE(exact.ok());
    EXPECT_EQ(exact.params->onCourt, 8);
    EXPECT_EQ(exact.params->resting, 0);
    EXPECT_EQ(exact.params->pairSize, 2);
    EXPECT_EQ(exact.params->games, 5);
}

} // namespace
