#include "store/StoreTestSupport.h"

#include "registers/Attendance.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

using Groups = std::array<std::vector<std::string>, 2>;

Attendee member(const std::string& name, const std::string& sex = "1", const std::string& team = "")
{
    return {name, false, sex, team};
}

Attendee guest(const std::string& name, const std::string& sex = "1", const std::string& team = "")
{
    return {name, true, sex, team};
}

TEST(AttendanceBook, AListIsStoredUnderItsDayAndOfferedAgainThatDayOrLater)
{
    test::TempFolder folder;
    Database::openOrCreate(folder.location());
    const AttendanceBook book(folder.location());
    const DayKey april5{"26", "04", "05"};
    const DayKey april12{"26", "04", "12"};
    EXPECT_EQ(book.offered(april5), std::nullopt);

    const std::vector<Attendee> first = {member("佐藤"), guest("ゲスト 一", "2", "B"),
                                         member("青木", "2", "A")};
    book.store(april5, first);
    ASSERT_TRUE(book.offered(april5));
    EXPECT_EQ(book.offered(april5)->attendees, first);
    EXPECT_EQ(book.offered(april5)->day, april5);
    // A later day without a list of its own is offered the last one used.
    EXPECT_EQ(book.offered(april12)->day, april5);

    const std::vector<Attendee> second = {member("伊藤"), member("佐藤")};
    book.store(april12, second);
    EXPECT_EQ(book.offered(DayKey{"26", "05", "01"})->attendees, second);
    EXPECT_EQ(book.offered(april5)->attendees, first);

    // Storing a day again replaces its list and leaves the other days alone.
    book.store(april5, {member("加藤")});
    EXPECT_EQ(book.offered(april5)->attendees, std::vector<Attendee>{member("加藤")});
    EXPECT_EQ(book.offered(april12)->attendees, second);
}

TEST(AttendanceBook, PracticeDaysComeFromTheCalendar)
{
    test::TempFolder folder;
    Database::openOrCreate(folder.location());
    test::RawConnection(folder.databaseFile())
        .execute("INSERT INTO 練習予定 VALUES ('26','04','05')");
    const AttendanceBook book(folder.location());
    EXPECT_TRUE(book.isPracticeDay({"26", "04", "05"}));
    EXPECT_FALSE(book.isPracticeDay({"26", "04", "06"}));
    EXPECT_EQ(DayKey::of({2026, 4, 5}), (DayKey{"26", "04", "05"}));
}

TEST(AttendanceBook, AFailedStoreChangesNothing)
{
    test::TempFolder folder;
    Database::openOrCreate(folder.location());
    const AttendanceBook book(folder.location());
    const DayKey day{"26", "04", "05"};
    book.store(day, {member("佐藤")});
    {
        // Another program holds the file: the list is not half written.
        test::RawConnection other(folder.databaseFile());
        other.execute("BEGIN EXCLUSIVE");
        EXPECT_THROW(book.store(day, {member("伊藤"), member("加藤")}), StoreError);
        other.execute("ROLLBACK");
    }
    EXPECT_EQ(book.offered(day)->attendees, std::vector<Attendee>{member("佐藤")});
}

struct LineupCase {
    const char* name;
    AttendanceSplit split;
    std::vector<Attendee> attendees;
    std::variant<Groups, std::string> expected;
};

class Lineups : public testing::TestWithParam<LineupCase> {};

TEST_P(Lineups, NumberTheAttendeesInTheirOrderWithinEachGroup)
{
    EXPECT_EQ(lineupOf(GetParam().attendees, GetParam().split), GetParam().expected);
}

std::vector<Attendee> many(int count, const std::string& team)
{
    std::vector<Attendee> attendees;
    for (int i = 0; i < count; ++i) {
        attendees.push_back(member(team + std::to_string(i), "1", team));
    }
    return attendees;
}

INSTANTIATE_TEST_SUITE_P(
    Splits, Lineups,
    testing::Values(
        LineupCase{"All",
                   AttendanceSplit::All,
                   {member("佐藤", "2"), guest("田中")},
                   Groups{{{"佐藤", "田中"}, {}}}},
        LineupCase{"BySex",
                   AttendanceSplit::BySex,
                   {member("佐藤", "2"), member("伊藤"), guest("鈴木", "2"), guest("田中")},
                   Groups{{{"伊藤", "田中"}, {"佐藤", "鈴木"}}}},
        LineupCase{"ByTeam",
                   AttendanceSplit::ByTeam,
                   {member("佐藤", "1", "B"), member("伊藤", "2", "A"), guest("田中", "1", "B")},
                   Groups{{{"伊藤"}, {"佐藤", "田中"}}}},
        LineupCase{"PairsByTeam",
                   AttendanceSplit::PairsByTeam,
                   {member("佐藤", "1", "A"), member("伊藤", "1", "B"), member("加藤", "1", "A"),
                    member("青木", "1", "B")},
                   Groups{{{"佐藤・加藤"}, {"伊藤・青木"}}}},
        LineupCase{"Nobody", AttendanceSplit::All, {}, std::string("参加者が選ばれていません")},
        LineupCase{"NoTeam",
                   AttendanceSplit::ByTeam,
                   {member("佐藤", "1", "A"), member("伊藤")},
                   std::string("チームが決まっていない参加者がいます（伊藤）")},
        LineupCase{"OddPairs",
                   AttendanceSplit::PairsByTeam,
                   {member("佐藤", "1", "A"), member("伊藤", "1", "B"), member("加藤", "1", "B")},
                   std::string("Aチームの人数が奇数のため、ペアを組めません")},
        LineupCase{"TooMany", AttendanceSplit::ByTeam, many(51, "B"),
                   std::string("Bチームが50人を超えています")}),
    [](const testing::TestParamInfo<LineupCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace zoruka
