#include "store/StoreTestSupport.h"

#include "accounts/FeeDetail.h"
#include "registers/ClubSettings.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

using namespace club_settings;

class ClubSettingsTest : public ::testing::Test {
protected:
    ClubSettingsTest() { Database::openOrCreate(m_folder.location()); }

    std::vector<std::string> masterRows()
    {
        return test::queryFile(m_folder.databaseFile(),
                               "SELECT * FROM マスタ ORDER BY マ_番号, マ_連番");
    }

    test::TempFolder m_folder;
};

TEST(ClubSettingsCheck, ABlankFeeBecomesZeroShownAndStored)
{
    const Check result = check({"ゾルカ会", "3000", "500", "800", ""});
    EXPECT_TRUE(result.report.ok());
    EXPECT_EQ(result.shown, (Values{"ゾルカ会", "3000", "500", "800", "0"}));
    EXPECT_EQ(result.stored, (Values{"ゾルカ会", "3000", "500", "800", "0"}));
}

TEST(ClubSettingsCheck, EveryBadFeeIsMarkedButOnlyTheFirstMessageIsKept)
{
    const Check result = check({"", "1000", "abc", "x", ""});
    EXPECT_EQ(result.report.failed, (std::vector<bool>{false, false, true, true, false}));
    EXPECT_EQ(result.report.message, "参加費1は数字を入力してください");
    // The blank fee still becomes "0" on screen, and the bad ones stay as typed.
    EXPECT_EQ(result.shown, (Values{"", "1000", "abc", "x", "0"}));
}

TEST(ClubSettingsCheck, AmountsWithCommasAreStoredAsPlainDigits)
{
    const Check result = check({"会", "12,345", "１，０００", " 700 ", "0"});
    EXPECT_TRUE(result.report.ok());
    EXPECT_EQ(result.stored, (Values{"会", "12345", "1000", "700", "0"}));
    EXPECT_EQ(forDisplay(result.stored), (Values{"会", "12,345", "1,000", "700", "0"}));
}

TEST(ClubSettingsCheck, NegativeFractionalAndHugeFeesAreRefusedWithTheRange)
{
    for (const char* fee : {"-500", "1.5", "10,000,000"}) {
        const Check result = check({"", fee, "", "", ""});
        EXPECT_EQ(result.report.failed[MonthlyFee], true) << fee;
        EXPECT_EQ(result.report.message, "月会費は0～9,999,999の整数を入力してください") << fee;
    }
}

TEST(ClubSettingsCheck, TheClubNameIsNotChecked)
{
    EXPECT_TRUE(check({"", "", "", "", ""}).report.ok());
    EXPECT_TRUE(check({"12abc", "", "", "", ""}).report.ok());
}

TEST_F(ClubSettingsTest, TheFirstSaveAddsTheFiveRowsAndLaterSavesEditThem)
{
    save(m_folder.location(), {"ゾルカ会", "3000", "500", "800", "0"});
    EXPECT_EQ(masterRows(),
              (std::vector<std::string>{"500|001|ゾルカ会|||", "500|011|3000|||", "500|021|500|||",
                                        "500|022|800|||", "500|023|0|||"}));

    save(m_folder.location(), {"新会", "2500", "600", "900", "100"});
    EXPECT_EQ(masterRows(),
              (std::vector<std::string>{"500|001|新会|||", "500|011|2500|||", "500|021|600|||",
                                        "500|022|900|||", "500|023|100|||"}));
    EXPECT_EQ(load(m_folder.location()), (Values{"新会", "2500", "600", "900", "100"}));
}

TEST_F(ClubSettingsTest, SavingKeepsOtherRowsAndClearsTheRestOfItsOwn)
{
    {
        Database database = Database::open(m_folder.location());
        for (const auto& [category, sequence] :
             {std::pair{"500", "011"}, std::pair{"500", "015"}, std::pair{"201", "001"}}) {
            TableCursor row = database.table("マスタ");
            row.editOrAddNew({category, sequence});
            row.setValue("マ_名称", "旧");
            row.setValue("マ_略称", "略");
            row.setValue("マ_備考", "備考");
            row.update();
        }
    }
    save(m_folder.location(), {"会", "1", "2", "3", "4"});
    EXPECT_EQ(masterRows(),
              (std::vector<std::string>{"201|001|旧|略||備考", "500|001|会|||", "500|011|1|||",
                                        "500|015|旧|略||備考", "500|021|2|||", "500|022|3|||",
                                        "500|023|4|||"}));
}

TEST_F(ClubSettingsTest, LoadingTakesTheFiveRowsByNumberAndLeavesMissingOnesEmpty)
{
    EXPECT_EQ(load(m_folder.location()), Values{});
    {
        Database database = Database::open(m_folder.location());
        for (const auto& [category, sequence, name] :
             {std::tuple{"500", "001", "会"}, std::tuple{"500", "012", "x"},
              std::tuple{"500", "022", "800"}, std::tuple{"500", "030", "y"},
              std::tuple{"501", "011", "z"}, std::tuple{"499", "011", "w"}}) {
            TableCursor row = database.table("マスタ");
            row.editOrAddNew({category, sequence});
            row.setValue("マ_名称", name);
            row.update();
        }
    }
    EXPECT_EQ(load(m_folder.location()), (Values{"会", "", "", "800", ""}));
}

TEST_F(ClubSettingsTest, TextThatLooksLikeSqlIsStoredAsTyped)
{
    const std::string name = "O'Brien\"会'); DROP TABLE マスタ; --";
    save(m_folder.location(), {name, "0", "0", "0", "0"});
    EXPECT_EQ(load(m_folder.location())[ClubName], name);
    EXPECT_EQ(masterRows().size(), 5u);
}

// Nothing of the five rows is written unless all of them are: here the last one fails.
TEST_F(ClubSettingsTest, ARefusedSaveWritesNothing)
{
    test::RawConnection(m_folder.databaseFile())
        .execute("CREATE TRIGGER no_fee3 BEFORE INSERT ON マスタ WHEN NEW.マ_連番 = '023' "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END");
    EXPECT_THROW(save(m_folder.location(), {"会", "1", "2", "3", "4"}), StoreError);
    EXPECT_TRUE(masterRows().empty());
}

TEST(ClubSettingsFiscalStart, AMonthIsAWholeNumberFromOneToTwelve)
{
    for (const auto& [typed, month] :
         {std::pair{"1", 1}, std::pair{"12", 12}, std::pair{" 4 ", 4}, std::pair{"１０", 10}}) {
        EXPECT_EQ(readFiscalStartMonth(typed), month) << typed;
    }
    for (const char* typed : {"", "0", "13", "4.5", "-4", "四", "4月"}) {
        EXPECT_EQ(readFiscalStartMonth(typed), std::nullopt) << typed;
    }
}

TEST_F(ClubSettingsTest, TheFiscalYearStartsInAprilUntilAnotherMonthIsSaved)
{
    EXPECT_EQ(fiscalStartMonth(m_folder.location()), 4);
    save(m_folder.location(), {"会", "3000", "500", "800", "0"}, 1);
    EXPECT_EQ(masterRows(),
              (std::vector<std::string>{"500|001|会|||", "500|002|1|||", "500|011|3000|||",
                                        "500|021|500|||", "500|022|800|||", "500|023|0|||"}));
    EXPECT_EQ(fiscalStartMonth(m_folder.location()), 1);
    // The month is neither a setting of the screen's five fields nor a fee to choose.
    EXPECT_EQ(load(m_folder.location()), (Values{"会", "3000", "500", "800", "0"}));
    EXPECT_EQ(feeChoices(m_folder.location()), (std::vector<std::string>{"3000", "500", "800"}));

    test::RawConnection(m_folder.databaseFile())
        .execute("UPDATE マスタ SET マ_名称 = '十月' WHERE マ_連番 = '002'");
    EXPECT_EQ(fiscalStartMonth(m_folder.location()), 4);
}

TEST(ClubSettingsFile, AMissingFileIsReportedAndNotCreated)
{
    test::TempFolder folder;
    EXPECT_THROW(load(folder.location()), StoreError);
    EXPECT_THROW(save(folder.location(), {"会", "1", "2", "3", "4"}), StoreError);
    EXPECT_FALSE(std::filesystem::exists(folder.databaseFile()));
}

} // namespace
} // namespace zoruka
