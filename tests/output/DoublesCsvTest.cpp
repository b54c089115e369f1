#include "output/DoublesCsv.h"
#include "matchtable/DoublesGenerator.h"
#include "output/CsvLines.h"
#include "output/OutputFile.h"
#include "output/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace zoruka;

MatchTable doubles(int participants, int courts, int games)
{
    return DoublesGenerator::generate(participants, courts, games);
}

using test::csvLines;

TEST(DoublesCsv, NineOnTwoCourtsIsWrittenLineForLine)
{
    // Game 1 plays 1..8 and rests 9; game 2 plays 9,1..7 and rests 8.
    EXPECT_EQ(doublesCsv(doubles(9, 2, 2)),
              "\" 9 名\",\"（  2 面 )\"\r\n"
              "\"試合番号\",\"ベア１\",\"ベア２\",\"コート番号\",\"休憩\"\r\n"
              "\"第  1 試合\",\" 1\",\" 2\",\" 1-A\"\r\n"
              "\"第  1 試合\",\" 3\",\" 8\",\" 1-B\"\r\n"
              "\"第  1 試合\",\" 4\",\" 5\",\" 2-A\"\r\n"
              "\"第  1 試合\",\" 6\",\" 7\",\" 2-B\",\"9\"\r\n"
              "\"第  2 試合\",\" 9\",\" 7\",\" 1-A\"\r\n"
              "\"第  2 試合\",\" 1\",\" 3\",\" 1-B\"\r\n"
              "\"第  2 試合\",\" 2\",\" 5\",\" 2-A\"\r\n"
              "\"第  2 試合\",\" 4\",\" 6\",\" 2-B\",\"8\"\r\n");
}

TEST(DoublesCsv, SizeLineStandsBeforeEveryTenGamesAndTheHeaderOnlyOnce)
{
    const std::vector<std::string> all = csvLines(doublesCsv(doubles(30, 2, 25)));
    ASSERT_EQ(all.size(), 3u + 1u + 25u * 4u);
    const std::string sizeLine = "\"30 名\",\"（  2 面 )\"";
    EXPECT_EQ(all[0], sizeLine);
    EXPECT_EQ(all[1].rfind("\"試合番号\"", 0), 0u);
    EXPECT_EQ(all[2].rfind("\"第  1 試合\"", 0), 0u);
    EXPECT_EQ(all[2 + 40], sizeLine);
    EXPECT_EQ(all[2 + 40 + 1].rfind("\"第 11 試合\"", 0), 0u);
    EXPECT_EQ(all[2 + 40 + 1 + 40], sizeLine);
    EXPECT_EQ(all.back().rfind("\"第 25 試合\",", 0), 0u);
    EXPECT_EQ(std::count(all.begin(), all.end(), sizeLine), 3);
}

TEST(DoublesCsv, RestFieldIsEmptyWithoutRestsAndHoldsAtMostTwentyNumbers)
{
    for (const std::string& line : csvLines(doublesCsv(doubles(8, 2, 3)))) {
        if (line.find("2-B") != std::string::npos) {
            EXPECT_EQ(line.substr(line.size() - 3), ",\"\"");
        }
    }
    // N = 50, C = 1: 46 rest, game 1 rests 5..50; the first twenty are exported.
    const std::vector<std::string> wide = csvLines(doublesCsv(doubles(50, 1, 1)));
    EXPECT_EQ(wide.back(), "\"第  1 試合\",\" 3\",\" 4\",\" 1-B\","
                           "\"5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\"");
}

TEST(DoublesCsv, NoBuiltGameGivesNoLines)
{
    EXPECT_EQ(doublesCsv(MatchTable{}), "");
    EXPECT_EQ(doublesCsv(doubles(9, 0, 5)), "");
}

TEST(TextEncoding, ShiftJisUsesTheJapaneseCodePage)
{
    EXPECT_EQ(encodeText("\"試合番号\",\"ベア１\",\"休憩\"\r\n", TextEncoding::ShiftJis),
              "\"\x8E\x8E\x8D\x87\x94\xD4\x8D\x86\",\"\x83\x78\x83\x41\x82\x50\","
              "\"\x8B\x78\x8C\x65\"\r\n");
    EXPECT_EQ(encodeText("（  2 面 )", TextEncoding::ShiftJis), "\x81\x69  2 \x96\xCA )");
    EXPECT_EQ(encodeText("ﾌｧｲﾙ", TextEncoding::ShiftJis), "\xCC\xA7\xB2\xD9");
    EXPECT_THROW(encodeText("\xF0\x9F\x98\x80", TextEncoding::ShiftJis), std::invalid_argument);
}

TEST(TextEncoding, Utf8StartsWithAByteOrderMark)
{
    EXPECT_EQ(encodeText("第  1 試合", TextEncoding::Utf8), "\xEF\xBB\xBF第  1 試合");
}

TEST(DoublesCsvFile, FileHoldsTheEncodedLines)
{
    const TempFolder folder;
    const MatchTable table = doubles(9, 2, 3);
    const auto sjis = folder / "sjis.csv";
    const auto utf8 = folder / "utf8.csv";
    EXPECT_EQ(writeDoublesCsv(table, sjis.string(), TextEncoding::ShiftJis), std::nullopt);
    EXPECT_EQ(writeDoublesCsv(table, utf8.string(), TextEncoding::Utf8), std::nullopt);
    EXPECT_EQ(readFile(sjis), encodeText(doublesCsv(table), TextEncoding::ShiftJis));
    EXPECT_EQ(readFile(utf8), "\xEF\xBB\xBF" + doublesCsv(table));
}

TEST(DoublesCsvFile, UnwritablePathGetsTheMessageAndNothingChanges)
{
    const TempFolder folder;
    std::filesystem::create_directory(folder / "folder.csv");
    writeFile(folder / "plain", "x");
    for (const auto& [path, reason] :
         {std::pair{folder / "folder.csv", "同じ名前のフォルダがあります"},
          std::pair{folder / "missing" / "t.csv", "フォルダが見つかりません"},
          std::pair{folder / "plain" / "t.csv", "途中にフォルダでないものがあります"}}) {
        EXPECT_EQ(writeDoublesCsv(doubles(9, 2, 3), path.string(), TextEncoding::ShiftJis),
                  std::string("出力ﾌｧｲﾙへの書込みが出来ません、") + reason)
            << path;
    }
    EXPECT_EQ(writeDoublesCsv(doubles(9, 2, 3), "", TextEncoding::ShiftJis),
              "出力ファイルを指定して下さい。");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "folder.csv"));
    EXPECT_EQ(readFile(folder / "plain"), "x");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"folder.csv", "plain"}));
}

} // namespace
