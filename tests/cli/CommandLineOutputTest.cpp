// The command line's file outputs: the print layout as JSON lines and the CSV file. The PDF
// itself is tested with the renderer; here a stand-in renderer only counts what it is given.
#include "cli/CliRun.h"
#include "matchtable/DoublesGenerator.h"
#include "output/DoublesCsv.h"
#include "output/DoublesPrint.h"
#include "output/PrintOperationsJson.h"
#include "output/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using namespace zoruka;

using test::CliRun;

class CommandLineOutput : public testing::Test {
protected:
    CliRun run(const std::vector<std::string>& args)
    {
        return test::runCli(args, [this](const std::vector<PrintDocument>&) {
            ++m_pdfRenders;
            return std::string("%PDF-");
        });
    }

    std::string file(const std::string& name) const { return (m_folder / name).string(); }

    TempFolder m_folder;
    int m_pdfRenders = 0;
};

TEST_F(CommandLineOutput, PrintOpsHoldTheDoublesPrintLayout)
{
    const CliRun r = run({"doubles", "--participants", "30", "--courts", "2", "--games", "23",
                          "--print-ops", file("ops.jsonl")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, ""); // files asked for and no --format: nothing on standard output
    const std::string ops = readFile(m_folder / "ops.jsonl");
    EXPECT_EQ(ops,
              printOperationsJson(printDoubles(DoublesGenerator::generate(30, 2, 23)).documents));
    EXPECT_NE(ops.find("{\"document\":3,\"op\":\"document\",\"paper\":\"A4\",\"orientation\":"
                       "\"landscape\"}\n"),
              std::string::npos);
    EXPECT_NE(ops.find(R"("text":"第 21 試合")"), std::string::npos);
}

TEST_F(CommandLineOutput, CsvIsShiftJisUnlessUtf8IsAskedFor)
{
    const std::string csv = doublesCsv(DoublesGenerator::generate(9, 2, 3));
    ASSERT_EQ(
        run({"doubles", "--participants=9", "--courts=2", "--games=3", "--csv", file("sjis.csv")})
            .exitCode,
        0);
    ASSERT_EQ(run({"doubles", "--participants=9", "--courts=2", "--games=3", "--csv",
                   file("utf8.csv"), "--encoding", "utf8", "--format", "json"})
                  .exitCode,
              0);
    EXPECT_EQ(readFile(m_folder / "sjis.csv"), encodeText(csv, TextEncoding::ShiftJis));
    EXPECT_EQ(readFile(m_folder / "sjis.csv").substr(0, 11), "\" 9 \x96\xBC\",\"\x81\x69");
    EXPECT_EQ(readFile(m_folder / "utf8.csv"), "\xEF\xBB\xBF" + csv);
}

TEST_F(CommandLineOutput, FormatStillPrintsTheTableBesideTheFiles)
{
    const CliRun r = run({"doubles", "--participants=8", "--courts=2", "--games=1", "--format",
                          "json", "--csv", file("t.csv")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"kind\":\"doubles\"", 0), 0u);
}

TEST_F(CommandLineOutput, RefusedPrintWritesNothingAtAll)
{
    const std::vector<std::string> outputs = {"--pdf",       file("t.pdf"), "--print-ops",
                                              file("t.ops"), "--csv",       file("t.csv")};
    std::vector<std::string> nineCourts = {"doubles", "--participants=36", "--courts=9",
                                           "--games=1"};
    nineCourts.insert(nineCourts.end(), outputs.begin(), outputs.end());
    const CliRun refused = run(nineCourts);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, "出力可能限度を超えています、CSVファイルに出力し編集してください\n");

    std::vector<std::string> noCourts = {"doubles", "--participants=9", "--courts=0", "--games=3"};
    noCourts.insert(noCourts.end(), outputs.begin(), outputs.end());
    const CliRun empty = run(noCourts);
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_EQ(empty.err, std::string(doubles_print::kNothingToPrint) + "\n");

    EXPECT_EQ(m_pdfRenders, 0);
    EXPECT_TRUE(m_folder.entries().empty());
    // Nine courts are refused for printing only; the CSV is how such a table goes out.
    EXPECT_EQ(
        run({"doubles", "--participants=36", "--courts=9", "--games=1", "--csv", file("t.csv")})
            .exitCode,
        0);
}

TEST_F(CommandLineOutput, UnwritableFileIsReportedWithExitCodeOne)
{
    const CliRun r = run(
        {"doubles", "--participants=9", "--courts=2", "--games=1", "--csv", file("missing/t.csv")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "出力ﾌｧｲﾙへの書込みが出来ません、フォルダが見つかりません\n");
    EXPECT_EQ(run({"doubles", "--participants=9", "--courts=2", "--games=1", "--csv="}).err,
              "出力ファイルを指定して下さい。\n");
}

TEST_F(CommandLineOutput, ThreeFilesAreWrittenAllOrNone)
{
    writeFile(m_folder / "t.ops", "old ops");
    writeFile(m_folder / "t.csv", "old csv");
    const std::vector<std::string> counts = {"doubles",   "--participants=9", "--courts=2",
                                             "--games=1", "--print-ops",      file("t.ops"),
                                             "--csv",     file("t.csv"),      "--pdf"};
    auto args = counts;
    args.push_back(file("missing/t.pdf"));
    EXPECT_EQ(run(args).exitCode, 1);
    EXPECT_EQ(readFile(m_folder / "t.ops"), "old ops");
    EXPECT_EQ(readFile(m_folder / "t.csv"), "old csv");
    EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{"t.csv", "t.ops"}));

    args.back() = file("t.pdf");
    EXPECT_EQ(run(args).exitCode, 0);
    EXPECT_EQ(readFile(m_folder / "t.pdf"), "%PDF-");
    EXPECT_NE(readFile(m_folder / "t.csv"), "old csv");
}

// Standard output that cannot take the table (here /dev/full, a full disk) is an error.
TEST_F(CommandLineOutput, AFailedStandardOutputExitsOne)
{
    std::ofstream full("/dev/full");
    std::ostringstream err;
    EXPECT_EQ(runCommandLine({"doubles", "--participants=9", "--courts=2", "--games=5"}, full, err),
              1);
    EXPECT_EQ(err.str(), "標準出力に書き込めません。\n");
}

TEST_F(CommandLineOutput, BadOutputOptionsAreRefused)
{
    const std::vector<std::string> counts = {"doubles", "--participants=9", "--courts=2",
                                             "--games=1"};
    auto with = [&](std::initializer_list<std::string> extra) {
        std::vector<std::string> args = counts;
        args.insert(args.end(), extra);
        return run(args);
    };
    EXPECT_EQ(with({"--encoding", "utf8"}).exitCode, 2); // no --csv
    EXPECT_EQ(with({"--csv", file("t.csv"), "--encoding", "latin1"}).exitCode, 2);
    EXPECT_EQ(with({"--csv", file("t.csv"), "--format", "xml"}).exitCode, 2);
    EXPECT_TRUE(m_folder.entries().empty());

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommandLine({"doubles", "--participants=9", "--courts=2", "--games=1", "--pdf",
                              file("t.pdf")},
                             out, err),
              2);
    const CliRun help = run({"--help"});
    EXPECT_NE(help.out.find("--pdf FILE"), std::string::npos);
    EXPECT_NE(help.out.find("--encoding utf8"), std::string::npos);
}

} // namespace
