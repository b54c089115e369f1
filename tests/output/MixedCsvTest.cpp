#include "output/MixedCsv.h"
#include "matchtable/MixedGenerator.h"
#include "output/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace zoruka;

const std::string kSizeLine8x8 = "\"\",\"男  8 名\",\"女  8 名\",\"（  2 面 )\"\r\n";
const std::string kHeaderLine = "\"試合番号\",\"ベア男性\",\"ベア女性\",\"コート番号\"\r\n";

MatchTable mixed(int men, int women, int courts, int games)
{
    return MixedGenerator::generate(men, women, courts, games);
}

std::vector<std::string> lines(const std::string& csv)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2) {
        result.push_back(csv.substr(start, end - start + 2));
    }
    EXPECT_EQ(start, csv.size()) << "text after the last CR LF";
    return result;
}

TEST(MixedCsv, EightMenAndEightWomenOnTwoCourtsIsWrittenLineForLine)
{
    EXPECT_EQ(mixedCsv(mixed(8, 8, 2, 3)), kSizeLine8x8 + kHeaderLine +
                                               "\"第  1 試合\",\" 1\",\" 1\",\" 1-A\"\r\n"
                                               "\"第  1 試合\",\" 2\",\" 4\",\" 1-B\"\r\n"
                                               "\"第  1 試合\",\" 3\",\" 2\",\" 2-A\"\r\n"
                                               "\"第  1 試合\",\" 4\",\" 3\",\" 2-B\"\r\n"
                                               "\"第  2 試合\",\" 5\",\" 5\",\" 1-A\"\r\n"
                                               "\"第  2 試合\",\" 6\",\" 8\",\" 1-B\"\r\n"
                                               "\"第  2 試合\",\" 7\",\" 6\",\" 2-A\"\r\n"
                                               "\"第  2 試合\",\" 8\",\" 7\",\" 2-B\"\r\n"
                                               "\"第  3 試合\",\" 2\",\" 3\",\" 1-A\"\r\n"
                                               "\"第  3 試合\",\" 4\",\" 4\",\" 1-B\"\r\n"
                                               "\"第  3 試合\",\" 1\",\" 2\",\" 2-A\"\r\n"
                                               "\"第  3 試合\",\" 3\",\" 1\",\" 2-B\"\r\n");
}

TEST(MixedCsv, SizeLineCountsMenWomenAndCourtsInTwoCharacterFields)
{
    EXPECT_EQ(lines(mixedCsv(mixed(12, 9, 2, 1))).front(),
              "\"\",\"男 12 名\",\"女  9 名\",\"（  2 面 )\"\r\n");
    EXPECT_EQ(lines(mixedCsv(mixed(40, 40, 10, 1))).front(),
              "\"\",\"男 40 名\",\"女 40 名\",\"（ 10 面 )\"\r\n");
}

TEST(MixedCsv, SizeLineStandsBeforeGamesOneAndElevenAndTheHeaderOnlyOnce)
{
    const std::vector<std::string> all = lines(mixedCsv(mixed(20, 20, 1, 12)));
    const std::string sizeLine = "\"\",\"男 20 名\",\"女 20 名\",\"（  1 面 )\"\r\n";
    ASSERT_EQ(all.size(), 2u + 1u + 12u * 2u);
    EXPECT_EQ(all[0], sizeLine);
    EXPECT_EQ(all[1], kHeaderLine);
    EXPECT_EQ(all[2 + 20], sizeLine);
    EXPECT_EQ(all[2 + 20 + 1].rfind("\"第 11 試合\",", 0), 0u);
    EXPECT_EQ(std::count(all.begin(), all.end(), kHeaderLine), 1);
    // Every line has four fields.
    for (const std::string& line : all) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '"'), 8) << line;
    }
}

TEST(MixedCsv, StopsAfterTheLastBuiltGame)
{
    MatchTable table = mixed(8, 8, 2, 4);
    table.params.games = 6;
    EXPECT_EQ(lines(mixedCsv(table)).size(), 2u + 4u * 4u);
    EXPECT_EQ(mixedCsv(MatchTable{}), "");
}

TEST(MixedCsvFile, FileHoldsTheEncodedLinesAndAFailureChangesNothing)
{
    const TempFolder folder;
    const MatchTable table = mixed(8, 8, 2, 3);
    EXPECT_EQ(writeMixedCsv(table, (folder / "sjis.csv").string(), TextEncoding::ShiftJis),
              std::nullopt);
    EXPECT_EQ(writeMixedCsv(table, (folder / "utf8.csv").string(), TextEncoding::Utf8),
              std::nullopt);
    // "男" is 92 6A and "女" 8F 97 in CP932.
    const std::string sizeLine =
        "\"\",\"\x92\x6A  8 \x96\xBC\",\"\x8F\x97  8 \x96\xBC\",\"\x81\x69  2 \x96\xCA )\"\r\n";
    EXPECT_EQ(readFile(folder / "sjis.csv").substr(0, sizeLine.size()), sizeLine);
    EXPECT_EQ(readFile(folder / "utf8.csv"), "\xEF\xBB\xBF" + mixedCsv(table));

    std::filesystem::create_directory(folder / "folder.csv");
    EXPECT_EQ(writeMixedCsv(table, (folder / "folder.csv").string(), TextEncoding::Utf8),
              "出力ﾌｧｲﾙへの書込みが出来ません、同じ名前のフォルダがあります");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "folder.csv"));
}

} // namespace
