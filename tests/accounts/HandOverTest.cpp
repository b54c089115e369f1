#include "accounts/AccountsTestSupport.h"

#include "accounts/HandOver.h"
#include "accounts/csv/AccountsCsv.h"
#include "common/UserError.h"
#include "registers/MemberRegister.h"

namespace zoruka {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> entriesOf(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class HandOverTest : public test::AccountsTest {
protected:
    HandOverTest()
    {
        Database database = open();
        test::enterCash(database, "25/04/01", "1", "10100", "5000");
        test::enterCash(database, "26/03/08", "2", "20200", "3000");
        test::enterDetail(database, "25/04/01", "1", "10100", "山田");
        MemberRegister(location())
            .save({"山田", "ヤマダ", "30", "1", false, "1", "", "", "", "", "", ""});
        fs::create_directory(m_parent);
    }

    fs::path handOver(TextEncoding encoding = TextEncoding::ShiftJis)
    {
        return writeHandOver(location(), m_parent, {2025, 4}, encoding,
                             [this](const std::vector<PrintDocument>& documents) {
                                 m_pages = documents.at(0).pages.size();
                                 return std::string("%PDF-1.4");
                             });
    }

    fs::path m_parent = m_folder.path() / "渡す";
    std::size_t m_pages = 0;
};

TEST_F(HandOverTest, OneFolderHoldsTheDatabaseTheReportTheExportsAndWhatEachIs)
{
    const fs::path folder = handOver();
    EXPECT_EQ(folder, m_parent / "ゾルカ引継ぎ_2025年度");
    EXPECT_EQ(entriesOf(m_parent), std::vector<std::string>{"ゾルカ引継ぎ_2025年度"});
    EXPECT_EQ(entriesOf(folder),
              (std::vector<std::string>{"はじめにお読みください.txt", "ゾルカv3.mdb",
                                        "会員名簿.csv", "会費明細_2025年度.csv",
                                        "出納帳_2025年度.csv", "年間収支報告書_2025年度.pdf"}));
    const MonthRange year{{2025, 4}, {2026, 3}};
    EXPECT_EQ(test::fileBytes(folder / "出納帳_2025年度.csv"),
              encodeText(cashBookCsv(location(), year), TextEncoding::ShiftJis));
    EXPECT_EQ(test::fileBytes(folder / "会費明細_2025年度.csv"),
              encodeText(feeDetailCsv(location(), year), TextEncoding::ShiftJis));
    EXPECT_EQ(test::fileBytes(folder / "会員名簿.csv"),
              encodeText(memberCsv(location()), TextEncoding::ShiftJis));
    EXPECT_EQ(test::fileBytes(folder / "年間収支報告書_2025年度.pdf"), "%PDF-1.4");
    EXPECT_GE(m_pages, 1u);

    // The copy is the database as it was, readable on its own.
    const DatabaseLocation copy = DatabaseLocation::readOnlyFile(folder / "ゾルカv3.mdb");
    EXPECT_EQ(cashBookCsv(copy, year), cashBookCsv(location(), year));
    EXPECT_EQ(memberCsv(copy), memberCsv(location()));

    const std::string readMe =
        decodeText(test::fileBytes(folder / "はじめにお読みください.txt"))->utf8;
    for (const char* line : {"ゾルカ　会計の引継ぎ（2025年度）\r\n", "ゾルカv3.mdb\r\n",
                             "年間収支報告書_2025年度.pdf\r\n", "2025年04月01日～2026年03月31日",
                             "文字コードは Shift_JIS です。\r\n"}) {
        EXPECT_NE(readMe.find(line), std::string::npos) << line;
    }
}

TEST_F(HandOverTest, AFailureLeavesNothingBehindAndAFolderThereIsKept)
{
    MemberRegister(location())
        .save({"𠮷田", "ヨシダ", "30", "1", false, "1", "", "", "", "", "", ""});
    try {
        handOver(TextEncoding::ShiftJis);
        ADD_FAILURE() << "written";
    } catch (const UserError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "「𠮷」はShift_JISで表せない文字のため出力できません。文字コードにUTF-8を選んで"
                  "ください");
    }
    EXPECT_TRUE(entriesOf(m_parent).empty());

    const fs::path folder = handOver(TextEncoding::Utf8);
    EXPECT_EQ(entriesOf(folder).size(), 6u);
    EXPECT_THROW(handOver(TextEncoding::Utf8), UserError);
    EXPECT_EQ(entriesOf(m_parent), std::vector<std::string>{"ゾルカ引継ぎ_2025年度"});
    EXPECT_EQ(entriesOf(folder).size(), 6u);

    EXPECT_THROW(writeHandOver(location(), m_folder.path() / "無い", {2025, 4}, TextEncoding::Utf8,
                               [](const auto&) { return std::string(); }),
                 UserError);
}

} // namespace
} // namespace zoruka
