#include "AccountsTestSupport.h"

#include "accounts/PracticeSchedule.h"
#include "store/StoreError.h"

namespace zoruka {
namespace {

class PracticeScheduleTest : public test::AccountsTest {
protected:
    PracticeScheduleTest()
    {
        Database database = open();
        for (const char* day : {"26/03/31", "26/04/02", "26/04/09", "26/05/07", "27/04/03"}) {
            TableCursor row = database.table("練習予定");
            const std::string date = day;
            row.editOrAddNew({date.substr(0, 2), date.substr(3, 2), date.substr(6, 2)});
            row.update();
        }
    }

    std::vector<std::string> practiceRows() const
    {
        return rows("SELECT 練_年 || '/' || 練_月 || '/' || 練_日 FROM 練習予定 ORDER BY 1");
    }

    const EntryDate m_april{"26", "04", "01"};
};

TEST_F(PracticeScheduleTest, ReadsTheDaysOfTheMonthOnly)
{
    EXPECT_EQ(readPracticeDays(location(), m_april), (std::vector<int>{2, 9}));
    EXPECT_TRUE(readPracticeDays(location(), {"26", "06", "01"}).empty());
}

TEST_F(PracticeScheduleTest, StoringReplacesTheMonthAndLeavesOtherMonthsAlone)
{
    storePracticeDays(location(), m_april, {30, 9, 1, 9});
    EXPECT_EQ(practiceRows(), (std::vector<std::string>{"26/03/31", "26/04/01", "26/04/09",
                                                        "26/04/30", "26/05/07", "27/04/03"}));

    storePracticeDays(location(), m_april, {});
    EXPECT_EQ(practiceRows(), (std::vector<std::string>{"26/03/31", "26/05/07", "27/04/03"}));
}

TEST_F(PracticeScheduleTest, ADayTheMonthDoesNotHaveChangesNothing)
{
    EXPECT_THROW(storePracticeDays(location(), m_april, {3, 31}), std::invalid_argument);
    EXPECT_THROW(storePracticeDays(location(), m_april, {0}), std::invalid_argument);
    EXPECT_EQ(readPracticeDays(location(), m_april), (std::vector<int>{2, 9}));
}

// The old days are deleted before the new ones are added: a failure on the way must bring them
// back.
TEST_F(PracticeScheduleTest, AStoreFailingHalfWayKeepsTheOldDays)
{
    test::RawConnection(m_folder.databaseFile())
        .execute("CREATE TRIGGER refuse BEFORE INSERT ON 練習予定 WHEN NEW.練_日 = '20' "
                 "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_THROW(storePracticeDays(location(), m_april, {5, 20}), StoreError);
    EXPECT_EQ(readPracticeDays(location(), m_april), (std::vector<int>{2, 9}));
}

} // namespace
} // namespace zoruka
