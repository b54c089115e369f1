#include "registers/RegisterTestSupport.h"
#include "store/StoreTestSupport.h"

#include "registers/MemberRegister.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

using namespace members;
using Removal = MemberRegister::Removal;

Member member(const std::string& name, const std::string& kana)
{
    Member result;
    result.name = name;
    result.kana = kana;
    return result;
}

std::vector<bool> failedOnly(std::initializer_list<Field> fields)
{
    std::vector<bool> failed(FieldCount, false);
    for (const Field field : fields) {
        failed[static_cast<std::size_t>(field)] = true;
    }
    return failed;
}

TEST(MemberCheck, AllEmptyNamesTheNameAndSettlesAgeAndOrder)
{
    const MemberRegister::Check result = MemberRegister::check(member("", ""));
    EXPECT_EQ(result.report.failed, failedOnly({Name, Kana}));
    EXPECT_EQ(result.report.message, "氏名に入力してください");
    EXPECT_EQ(result.member.age, "0");
    EXPECT_EQ(result.member.order, "100");
}

TEST(MemberCheck, ASecondPostalGroupAloneMarksTheFirst)
{
    Member typed = member("山田太郎", "ヤマダタロウ");
    typed.postal2 = "1234";
    const MemberRegister::Check result = MemberRegister::check(typed);
    EXPECT_EQ(result.report.failed, failedOnly({Postal1}));
    EXPECT_EQ(result.report.message, "郵便番号1が未入力です、郵便番号2単独の入力は不可です");
}

TEST(MemberCheck, EachFieldHasItsRuleAndMessage)
{
    struct Case {
        std::string age, postal1, postal2, order;
        Field field;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"abc", "", "", "", Age, "年齢を正しく選択又は入力してください"},
        {"-1", "", "", "", Age, "年齢を正しく選択又は入力してください"},
        {"121", "", "", "", Age, "年齢を正しく選択又は入力してください"},
        {"2.5", "", "", "", Age, "年齢を正しく選択又は入力してください"},
        {"", "12a", "", "", Postal1, "郵便番号1は数字を入力してください"},
        {"", "-12", "", "", Postal1, "郵便番号1は数字を入力してください"},
        {"", "123", "45-6", "", Postal2, "郵便番号2は数字を入力してください"},
        {"", "", "", "先頭", Order, "出力順は数字を入力してください"},
        {"", "", "", "1.5", Order, "出力順は0～99999の整数を入力してください"},
        {"", "", "", "-3", Order, "出力順は0～99999の整数を入力してください"},
        {"", "", "", "100000", Order, "出力順は0～99999の整数を入力してください"},
    };
    for (const Case& c : cases) {
        Member typed = member("山田", "ヤマダ");
        typed.age = c.age;
        typed.postal1 = c.postal1;
        typed.postal2 = c.postal2;
        typed.order = c.order;
        const MemberRegister::Check result = MemberRegister::check(typed);
        EXPECT_EQ(result.report.failed, failedOnly({c.field})) << c.message;
        EXPECT_EQ(result.report.message, c.message);
    }
}

TEST(MemberCheck, OnlyTheFirstMessageIsKeptButEveryBadFieldIsMarked)
{
    Member typed = member("", "ヤマダ");
    typed.age = "x";
    typed.postal1 = "y";
    typed.order = "z";
    const MemberRegister::Check result = MemberRegister::check(typed);
    EXPECT_EQ(result.report.failed, failedOnly({Name, Age, Postal1, Order}));
    EXPECT_EQ(result.report.message, "氏名に入力してください");
}

TEST(MemberCheck, NumbersAreKeptAsPlainDigitsAndTheRestAsTyped)
{
    Member typed = member(" 山田 太郎", "ﾔﾏﾀﾞ");
    typed.age = "４５";
    typed.postal1 = "０６０";
    typed.postal2 = "0001";
    typed.order = "1,000";
    typed.address1 = "  札幌市";
    const MemberRegister::Check result = MemberRegister::check(typed);
    EXPECT_TRUE(result.report.ok()) << result.report.message;
    Member expected = typed;
    expected.age = "45";
    expected.postal1 = "060";
    expected.order = "1000";
    EXPECT_EQ(result.member, expected);
    EXPECT_EQ(MemberRegister::check(member("a", "b")).member.postal1, "");
}

class MemberRegisterTest : public ::testing::Test {
protected:
    MemberRegisterTest() { Database::openOrCreate(m_folder.location()); }

    void save(const Member& typed)
    {
        const MemberRegister::Check result = MemberRegister::check(typed);
        ASSERT_TRUE(result.report.ok()) << result.report.message;
        m_register.save(result.member);
    }

    std::vector<std::string> memberRows()
    {
        return test::queryFile(
            m_folder.databaseFile(),
            "SELECT 会_氏名, 会_氏名カナ, 会_年齢, 会_性別, 会_有効F, 会_出力順, 会_郵便1, "
            "会_郵便2, 会_住所1, 会_住所2, 会_電話, 会_備考 FROM 会員 ORDER BY 会_氏名");
    }

    static std::vector<std::string> names(const std::vector<Member>& listed)
    {
        std::vector<std::string> result;
        for (const Member& one : listed) {
            result.push_back(one.name);
        }
        return result;
    }

    test::TempFolder m_folder;
    MemberRegister m_register{m_folder.location()};
};

TEST_F(MemberRegisterTest, SavingANewNameAddsAndAnExistingNameEdits)
{
    Member hanako = member("佐藤花子", "サトウハナコ");
    hanako.sex = "2";
    hanako.excluded = true;
    hanako.postal1 = "060";
    hanako.postal2 = "0001";
    hanako.address1 = "札幌市中央区";
    hanako.phone = "011-000-0000";
    hanako.remark = "'); DROP TABLE 会員; --";
    save(hanako);
    save(member("山田太郎", "ヤマダタロウ"));
    EXPECT_EQ(memberRows(),
              (std::vector<std::string>{"佐藤花子|サトウハナコ|0|2|1|100|060|0001|札幌市中央区||"
                                        "011-000-0000|'); DROP TABLE 会員; --",
                                        "山田太郎|ヤマダタロウ|0|1|0|100||||||"}));

    Member changed = member("山田太郎", "ヤマダ");
    changed.age = "40";
    changed.order = "5";
    save(changed);
    EXPECT_EQ(memberRows()[1], "山田太郎|ヤマダ|40|1|0|5||||||");
    EXPECT_EQ(m_register.find("佐藤花子"), MemberRegister::check(hanako).member);
    EXPECT_EQ(m_register.find("佐藤"), std::nullopt);
}

TEST_F(MemberRegisterTest, TheListIsInReadingOrder)
{
    save(member("山田太郎", "ヤマダタロウ"));
    save(member("青木一郎", "アオキイチロウ"));
    save(member("佐藤花子", "サトウハナコ"));
    EXPECT_EQ(names(m_register.list()),
              (std::vector<std::string>{"青木一郎", "佐藤花子", "山田太郎"}));
}

TEST_F(MemberRegisterTest, DeletingRemovesTheMemberOrSaysItIsMissing)
{
    save(member("山田太郎", "ヤマダタロウ"));
    save(member("佐藤花子", "サトウハナコ"));
    EXPECT_EQ(m_register.remove("山田太郎"), Removal::Deleted);
    EXPECT_EQ(names(m_register.list()), std::vector<std::string>{"佐藤花子"});
    EXPECT_EQ(m_register.remove("山田太郎"), Removal::NotRegistered);
    EXPECT_EQ(m_register.remove(""), Removal::NotRegistered);
}

// The fee detail names its payers; deleting one would leave paid fees without their member.
TEST_F(MemberRegisterTest, AMemberWithFeeDetailIsNotDeleted)
{
    save(member("山田太郎", "ヤマダタロウ"));
    save(member("佐藤花子", "サトウハナコ"));
    {
        Database database = Database::open(m_folder.location());
        test::enterDetail(database, "26/04/05", "1", "10300", "山田太郎");
    }
    EXPECT_EQ(m_register.remove("山田太郎"), Removal::HasFeeDetail);
    EXPECT_EQ(m_register.remove("佐藤花子"), Removal::Deleted);
    EXPECT_EQ(names(m_register.list()), std::vector<std::string>{"山田太郎"});
}

TEST(MemberRegisterFile, AMissingDatabaseIsAStoreErrorAndIsNotCreated)
{
    test::TempFolder folder;
    const MemberRegister members(folder.location());
    EXPECT_THROW(members.list(), StoreError);
    EXPECT_THROW(members.save(member("a", "b")), StoreError);
    EXPECT_THROW(members.remove("a"), StoreError);
    EXPECT_FALSE(std::filesystem::exists(folder.databaseFile()));
}

} // namespace
} // namespace zoruka
