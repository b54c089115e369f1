#include "accounts/AccountsTestSupport.h"

#include "accounts/csv/AccountsCsv.h"
#include "output/TextFile.h"
#include "registers/MemberRegister.h"

namespace zoruka {
namespace {

class AccountsCsvTest : public test::AccountsTest {
protected:
    AccountsCsvTest()
    {
        Database database = open();
        test::enterCash(database, "26/03/31", "1", "10200", "1");
        for (const auto& [date, kind, item, amount, note] :
             {std::tuple{"26/04/01", "1", "10100", "-5,000", ""},
              std::tuple{"26/04/08", "1", "10200", "6000", "4月分, \"12名\""},
              std::tuple{"26/04/08", "2", "20200", "3000", "体育館"},
              std::tuple{"26/05/02", "1", "10300", "500", ""}}) {
            TableCursor cash = database.table("出納帳");
            cash.editOrAddNew({std::string(date).substr(0, 2), std::string(date).substr(3, 2),
                               std::string(date).substr(6, 2), kind, item});
            cash.setValue("出_金額", amount);
            cash.setValue("出_備考", note);
            cash.update();
        }
        test::enterDetail(database, "26/04/08", "1", "10200", "佐藤");
        test::enterDetail(database, "26/04/08", "1", "10200", "山田");
        test::enterDetail(database, "26/06/01", "1", "10200", "翌々月の人");
        MemberRegister members(location());
        Member member{"山田 太郎", "ヤマダ タロウ", "34",          "1", false,     "10",
                      "123",       "4567",          "東京都, 1-2", "",  "03-1234", "改行\nあり"};
        members.save(member);
        members.save({"佐藤花子", "さとうはなこ", "0", "2", true, "100", "", "", "", "", "", ""});
    }
};

TEST_F(AccountsCsvTest, TheCashBookOfARangeWithItsMonthsRunningBalances)
{
    EXPECT_EQ(
        cashBookCsv(location(), {{2026, 4}, {2026, 5}}),
        "\"日付\",\"収支区分\",\"費目番号\",\"費目\",\"収入\",\"支出\",\"残高\",\"備考\"\r\n"
        "\"2026/04/01\",\"収入\",\"10100\",\"前月繰越\",\"-5000\",\"\",\"-5000\",\"\"\r\n"
        "\"2026/04/08\",\"収入\",\"10200\",\"月会費\",\"6000\",\"\",\"1000\","
        "\"4月分, \"\"12名\"\"\"\r\n"
        "\"2026/04/08\",\"支出\",\"20200\",\"コート代\",\"\",\"3000\",\"-2000\",\"体育館\"\r\n"
        "\"2026/05/02\",\"収入\",\"10300\",\"参加費\",\"500\",\"\",\"500\",\"\"\r\n");
}

TEST_F(AccountsCsvTest, TheFeeDetailOfAPeriodAndTheMemberRegister)
{
    EXPECT_EQ(feeDetailCsv(location(), {{2026, 4}, {2026, 5}}),
              "\"日付\",\"収支区分\",\"費目番号\",\"費目\",\"氏名\",\"金額\",\"備考\"\r\n"
              "\"2026/04/08\",\"収入\",\"10200\",\"月会費\",\"佐藤\",\"500\",\"\"\r\n"
              "\"2026/04/08\",\"収入\",\"10200\",\"月会費\",\"山田\",\"500\",\"\"\r\n");
    EXPECT_EQ(
        memberCsv(location()),
        "\"氏名\",\"氏名カナ\",\"年齢\",\"性別\",\"無効\",\"出力順\",\"郵便番号1\","
        "\"郵便番号2\",\"住所1\",\"住所2\",\"電話番号\",\"備考\"\r\n"
        "\"佐藤花子\",\"さとうはなこ\",\"0\",\"2\",\"1\",\"100\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
        "\"山田 太郎\",\"ヤマダ タロウ\",\"34\",\"1\",\"0\",\"10\",\"123\",\"4567\","
        "\"東京都, 1-2\",\"\",\"03-1234\",\"改行\nあり\"\r\n");
}

TEST_F(AccountsCsvTest, FilesAreByteExactInBothEncodings)
{
    const std::string text = memberCsv(location());
    const std::string sjis = (m_folder.path() / "sjis.csv").string();
    const std::string utf8 = (m_folder.path() / "utf8.csv").string();
    ASSERT_EQ(writeTextFile(sjis, text, TextEncoding::ShiftJis), std::nullopt);
    ASSERT_EQ(writeTextFile(utf8, text, TextEncoding::Utf8), std::nullopt);
    EXPECT_EQ(test::fileBytes(utf8), "\xEF\xBB\xBF" + text);
    const std::string bytes = test::fileBytes(sjis);
    EXPECT_EQ(bytes.substr(0, 24), "\"\x8E\x81\x96\xBC\",\"\x8E\x81\x96\xBC\x83\x4A\x83\x69\","
                                   "\"\x94\x4E\x97\xEE\"");
    EXPECT_EQ(bytes, encodeText(text, TextEncoding::ShiftJis));
}

} // namespace
} // namespace zoruka
