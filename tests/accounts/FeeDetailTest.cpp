#include "AccountsTestSupport.h"

#include "accounts/FeeDetail.h"
#include "registers/ClubSettings.h"
#include "store/StoreError.h"

namespace zoruka {
namespace {

using namespace fee_detail;

class FeeDetailTest : public test::AccountsTest {
protected:
    const CashBookKey m_key{{"26", "04", "10"}, "1", "10200"};
};

TEST_F(FeeDetailTest, LoadsThePayersOfTheEntryOnly)
{
    {
        Database database = open();
        test::enterDetail(database, "26/04/10", "1", "10200", "佐藤");
        test::enterDetail(database, "26/04/10", "1", "10200", "山田");
        test::enterDetail(database, "26/04/10", "1", "10300", "鈴木");
        test::enterDetail(database, "26/04/11", "1", "10200", "田中");
    }
    const FeePayers payers = loadFeePayers(location(), m_key);
    EXPECT_EQ(payers.names, (std::vector<std::string>{"佐藤", "山田"}));
    EXPECT_EQ(payers.fee, 500);
    EXPECT_EQ(payers.total, 1000);

    const FeePayers none = loadFeePayers(location(), {{"26", "04", "12"}, "1", "10200"});
    EXPECT_TRUE(none.names.empty());
    EXPECT_EQ(none.total, 0);
}

TEST_F(FeeDetailTest, StoringReplacesTheWholePayerSetOfTheEntry)
{
    {
        Database database = open();
        test::enterDetail(database, "26/04/10", "1", "10300", "鈴木");
    }
    storeFeePayers(location(), m_key, {"山田", "佐藤", "田中"}, 3000, "4月分");
    storeFeePayers(location(), m_key, {"田中", "高橋"}, 2500, "訂正");
    EXPECT_EQ(detailRows(), (std::vector<std::string>{
                                "26|04|10|1|10200|田中|2500|訂正",
                                "26|04|10|1|10200|高橋|2500|訂正",
                                "26|04|10|1|10300|鈴木|500|",
                            }));
}

TEST_F(FeeDetailTest, AStoreThatCannotWriteKeepsTheOldPayers)
{
    storeFeePayers(location(), m_key, {"山田"}, 3000, "");
    test::RawConnection other(m_folder.databaseFile());
    other.execute("BEGIN EXCLUSIVE");
    EXPECT_THROW(storeFeePayers(location(), m_key, {"佐藤"}, 3000, ""), StoreError);
    other.execute("ROLLBACK");
    EXPECT_EQ(detailRows(), (std::vector<std::string>{"26|04|10|1|10200|山田|3000|"}));
}

TEST_F(FeeDetailTest, OffersEachMasterFeeOnceInSequenceOrder)
{
    club_settings::save(location(), {"ゾルカ会", "3000", "500", "", "1000"});
    EXPECT_EQ(feeChoices(location()), (std::vector<std::string>{"3000", "500", "1000"}));
    // Blank fees are stored as 0.
    club_settings::save(location(), {"ゾルカ会", "3000", "0", "3,000", "0"});
    EXPECT_EQ(feeChoices(location()), (std::vector<std::string>{"3000"}));
}

TEST_F(FeeDetailTest, LastMonthsPayersAreThoseOfTheSameKindAndItem)
{
    {
        Database database = open();
        test::enterDetail(database, "26/03/20", "1", "10200", "佐藤");
        test::enterDetail(database, "26/03/05", "1", "10200", "山田");
        test::enterDetail(database, "26/03/20", "1", "10200", "山田");
        test::enterDetail(database, "26/03/05", "1", "10300", "鈴木");
        test::enterDetail(database, "26/03/05", "2", "10200", "田中");
        test::enterDetail(database, "26/02/05", "1", "10200", "高橋");
        test::enterDetail(database, "26/04/01", "1", "10200", "伊藤");
    }
    EXPECT_EQ(previousMonthPayers(location(), m_key), (std::vector<std::string>{"山田", "佐藤"}));
    EXPECT_TRUE(previousMonthPayers(location(), {{"26", "03", "10"}, "1", "10300"}).empty());
}

TEST(FeeCheck, TotalsBeyondSixteenBits)
{
    const FeeCheck result = checkFees("40", "3,000");
    ASSERT_TRUE(result.report.ok());
    EXPECT_EQ(result.headCount, 40);
    EXPECT_EQ(result.fee, 3000);
    EXPECT_EQ(result.total, 120000);
    EXPECT_EQ(checkFees("9999", "9999999").total, 99'989'990'001);
}

TEST(FeeCheck, RefusesWrongFieldsAndAZeroTotal)
{
    FeeCheck result = checkFees("x", "abc");
    EXPECT_EQ(result.report.failed, (std::vector<bool>{true, true}));
    EXPECT_EQ(result.report.message, "正しい数字を入力してください");

    result = checkFees("3", "");
    EXPECT_EQ(result.report.failed, (std::vector<bool>{false, true}));
    EXPECT_EQ(result.report.message, "会費を正しく入力してください");

    for (const auto& [count, fee] : {std::pair{"-1", "500"}, {"1.5", "500"}, {"10000", "500"}}) {
        EXPECT_EQ(checkFees(count, fee).report.message, "正しい数字を入力してください") << count;
    }
    for (const char* fee : {"-500", "0.5", "10000000"}) {
        EXPECT_EQ(checkFees("3", fee).report.message, "会費を正しく入力してください") << fee;
    }
    for (const auto& [count, fee] : {std::pair{"0", "500"}, {"3", "0"}}) {
        result = checkFees(count, fee);
        EXPECT_EQ(result.report.message, "金額=0 は更新しません");
        EXPECT_EQ(result.total, 0);
    }
}

TEST(FeeNote, NamesTheItemAndTheHeadCount) { EXPECT_EQ(feeNote("月会費", 12), "月会費  12名"); }

} // namespace
} // namespace zoruka
