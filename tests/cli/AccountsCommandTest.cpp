#include "accounts/AccountsTestSupport.h"

#include "accounts/AnnualReport.h"
#include "accounts/csv/AccountsCsv.h"
#include "accounts/print/AnnualReportPrint.h"
#include "cli/CommandLine.h"
#include "output/PrintOperationsJson.h"
#include "output/TextEncoding.h"
#include "registers/ClubSettings.h"
#include "registers/MemberRegister.h"

#include <sstream>

namespace zoruka {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode;
    std::string err;
};

// A club database with a year of books, and a copy of it that the command line reads.
class AccountsCommandTest : public test::AccountsTest {
protected:
    AccountsCommandTest()
    {
        club_settings::save(location(), {"ゾルカ会", "3000", "", "", ""}, 10);
        {
            Database database = open();
            test::enterCash(database, "25/09/30", "1", "10200", "1000");
            test::enterCash(database, "25/10/01", "1", "10100", "5000");
            test::enterCash(database, "25/10/08", "1", "10200", "6000");
            test::enterCash(database, "26/09/30", "2", "20200", "3000");
            test::enterDetail(database, "25/10/08", "1", "10200", "山田");
        }
        MemberRegister(location())
            .save({"山田", "ヤマダ", "30", "1", false, "1", "", "", "", "", "", ""});
        fs::copy_file(m_folder.databaseFile(), m_copy);
    }

    CliRun run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "accounts");
        args.insert(args.end(), {"--database", m_copy.string()});
        std::ostringstream out;
        std::ostringstream err;
        const PdfRenderer renderPdf = [this](const std::vector<PrintDocument>& documents) {
            m_printed = documents;
            return std::string("%PDF");
        };
        const int exitCode = runCommandLine(args, out, err, renderPdf);
        return {exitCode, err.str()};
    }

    std::string output(const std::string& name) const
    {
        return test::fileBytes(m_folder.path() / name);
    }

    DatabaseLocation copy() const { return DatabaseLocation::readOnlyFile(m_copy); }

    fs::path m_copy = m_folder.path() / "写し.mdb";
    std::vector<PrintDocument> m_printed;
};

TEST_F(AccountsCommandTest, TheReportOfAFiscalYearGoesToThePdfWriter)
{
    const std::string before = test::fileBytes(m_copy);
    const fs::path pdf = m_folder.path() / "year.pdf";
    ASSERT_EQ(run({"report", "--year", "2025", "--pdf", pdf.string()}).exitCode, 0);
    EXPECT_EQ(test::fileBytes(pdf), "%PDF");
    EXPECT_EQ(
        printOperationsJson(m_printed),
        printOperationsJson(printAnnualReport(readAnnualReport(copy(), {2025, 10})).documents));
    EXPECT_EQ(test::fileBytes(m_copy), before);
}

TEST_F(AccountsCommandTest, ExportsTheCopyAsTheScreensDoAndLeavesItAsItWas)
{
    const std::string before = test::fileBytes(m_copy);
    const auto path = [&](const char* name) { return (m_folder.path() / name).string(); };

    EXPECT_EQ(run({"export", "cashbook", "--from", "2025/10", "--csv", path("month.csv"),
                   "--encoding", "utf8"})
                  .exitCode,
              0);
    EXPECT_EQ(output("month.csv"),
              encodeText(cashBookCsv(copy(), {{2025, 10}, {2025, 10}}), TextEncoding::Utf8));

    // 2025年度 starts in October, the master settings' month.
    EXPECT_EQ(run({"export", "cashbook", "--year", "2025", "--csv", path("year.csv")}).exitCode, 0);
    const std::string year = cashBookCsv(copy(), {{2025, 10}, {2026, 9}});
    EXPECT_EQ(output("year.csv"), encodeText(year, TextEncoding::ShiftJis));
    EXPECT_NE(year.find("\"2026/09/30\""), std::string::npos);
    EXPECT_EQ(year.find("\"2025/09/30\""), std::string::npos);

    EXPECT_EQ(
        run({"export", "detail", "--from=2025/04", "--to=2026/03", "--csv", path("detail.csv")})
            .exitCode,
        0);
    EXPECT_EQ(output("detail.csv"),
              encodeText(feeDetailCsv(copy(), {{2025, 4}, {2026, 3}}), TextEncoding::ShiftJis));
    EXPECT_EQ(run({"export", "members", "--csv", path("members.csv")}).exitCode, 0);
    EXPECT_EQ(output("members.csv"), encodeText(memberCsv(copy()), TextEncoding::ShiftJis));

    EXPECT_EQ(test::fileBytes(m_copy), before);
}

TEST_F(AccountsCommandTest, RefusalsWriteNothing)
{
    const std::string csv = (m_folder.path() / "out.csv").string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"export"}, "出力する内容を cashbook、detail か members で指定してください。"},
        {{"export", "ledger", "--csv", csv},
         "出力する内容を cashbook、detail か members で指定してください。"},
        {{"export", "cashbook", "--from", "2025/10"},
         "出力するCSVファイルを --csv で指定してください。"},
        {{"export", "cashbook", "--csv", csv},
         "期間は --from YYYY/MM（と --to YYYY/MM）か --year YYYY のどちらかで指定してください。"},
        {{"export", "cashbook", "--from", "2025/10", "--year", "2025", "--csv", csv},
         "期間は --from YYYY/MM（と --to YYYY/MM）か --year YYYY のどちらかで指定してください。"},
        {{"export", "cashbook", "--from", "2025/13", "--csv", csv},
         "--from の値「2025/13」は使えません（YYYY/MM の年月）。"},
        {{"export", "detail", "--from", "2025/10", "--to", "2025/09", "--csv", csv},
         "--to には --from と同じか後の年月を指定してください。"},
        {{"export", "cashbook", "--year", "2099", "--csv", csv},
         "--year の値「2099」は使えません（年度の始まる年、2000 から 2098 まで）。"},
        {{"export", "members", "--year", "2025", "--csv", csv},
         "members には期間を指定できません。"},
        {{"export", "members", "--csv", csv, "--encoding", "euc"},
         "--encoding の値「euc」は使えません（sjis か utf8）。"},
        {{"export", "members", "--csv", csv, "--format", "json"},
         "「--format」というオプションはありません。"},
        {{"report", "--year", "2025"}, "出力するPDFファイルを --pdf で指定してください。"},
        {{"report", "--pdf", "x.pdf"}, "年度を --year YYYY で指定してください。"},
        {{"audit"}, "accounts の後に export か report を指定してください。"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun result = run(args);
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_EQ(result.err, message + "使い方は「zoruka-cli accounts --help」で表示されます。\n")
            << args.back();
    }
    EXPECT_FALSE(fs::exists(csv));

    m_copy = m_folder.path() / "ない.mdb";
    const CliRun missing = run({"export", "members", "--csv", csv});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "データベースファイル「ゾルカv3.mdb」が見つかりません。\n");
    EXPECT_FALSE(fs::exists(m_copy));
    EXPECT_FALSE(fs::exists(csv));
}

TEST_F(AccountsCommandTest, AFileThatCannotBeWrittenGetsTheMessageAndExitCodeOne)
{
    const CliRun result =
        run({"export", "members", "--csv", (m_folder.path() / "無い/out.csv").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "出力ﾌｧｲﾙへの書込みが出来ません、フォルダが見つかりません\n");
}

} // namespace
} // namespace zoruka
