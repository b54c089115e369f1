#include "AccountsTestSupport.h"

#include "accounts/FeeCheckList.h"
#include "accounts/PracticeSchedule.h"
#include "registers/MemberRegister.h"

namespace zoruka {
namespace {

class FeeCheckListTest : public test::AccountsTest {
protected:
    FeeCheckListTest()
    {
        const MemberRegister members(location());
        const auto add = [&](const char* name, const char* kana, const char* order, bool excluded) {
            Member member;
            member.name = name;
            member.kana = kana;
            member.order = order;
            member.excluded = excluded;
            members.save(member);
        };
        add("山田", "ヤマダ", "2", false);
        add("佐藤", "サトウ", "3", true);
        add("阿部", "アベ", "10", false);
        add("鈴木", "スズキ", "2", false);
    }

    std::vector<std::string> names(MemberOrder order, InactiveMembers inactive) const
    {
        return checkListNames(location(), order, inactive);
    }
};

TEST_F(FeeCheckListTest, ListsEveryMemberInReadingOrListingOrder)
{
    EXPECT_EQ(names(MemberOrder::Reading, InactiveMembers::Listed),
              (std::vector<std::string>{"阿部", "佐藤", "鈴木", "山田"}));
    // Equal listing orders go by name.
    EXPECT_EQ(names(MemberOrder::Listing, InactiveMembers::Listed),
              (std::vector<std::string>{"山田", "鈴木", "佐藤", "阿部"}));
}

TEST_F(FeeCheckListTest, InactiveMembersAreMarkedLeftOutOrListedPlainly)
{
    EXPECT_EQ(names(MemberOrder::Reading, InactiveMembers::Marked),
              (std::vector<std::string>{"阿部", "佐藤*", "鈴木", "山田"}));
    EXPECT_EQ(names(MemberOrder::Reading, InactiveMembers::LeftOut),
              (std::vector<std::string>{"阿部", "鈴木", "山田"}));
}

TEST_F(FeeCheckListTest, ReadsTheClubNameAndTheMonthsPracticeDays)
{
    const EntryDate april{"26", "04", "01"};
    storePracticeDays(location(), april, {5, 12});
    storePracticeDays(location(), {"26", "05", "01"}, {3});

    FeeCheckList list =
        readFeeCheckList(location(), april, MemberOrder::Reading, InactiveMembers::LeftOut);
    EXPECT_EQ(list.clubName, "");
    EXPECT_EQ(list.month, april);
    EXPECT_EQ(list.days, (std::vector<int>{5, 12}));
    EXPECT_EQ(list.names.size(), 3u);

    {
        Database database = open();
        TableCursor master = database.table("マスタ");
        master.editOrAddNew({"500", "001"});
        master.setValue("マ_名称", "ゾルカ会");
        master.update();
    }
    list = readFeeCheckList(location(), april, MemberOrder::Reading, InactiveMembers::LeftOut);
    EXPECT_EQ(list.clubName, "ゾルカ会");
}

} // namespace
} // namespace zoruka
