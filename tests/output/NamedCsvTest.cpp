// CSV exports of tables with a roster: the fields of the plain export first, byte for byte, then
// the names, then the roster.
#include "matchtable/DoublesGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/NumberedNames.h"
#include "output/CsvLines.h"
#include "output/DoublesCsv.h"
#include "output/MixedCsv.h"
#include "output/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace zoruka;

using test::csvLines;

TEST(NamedCsv, DoublesLinesGoOnWithTheNamesAndTheRosterFollows)
{
    MatchTable table = DoublesGenerator::generate(9, 2, 1);
    table.roster.groups[0] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    EXPECT_EQ(
        doublesCsv(table),
        "\" 9 名\",\"（  2 面 )\"\r\n"
        "\"試合番号\",\"ベア１\",\"ベア２\",\"コート番号\",\"休憩\",\"氏名１\",\"氏名２\","
        "\"休憩者\"\r\n"
        "\"第  1 試合\",\" 1\",\" 2\",\" 1-A\",\"\",\"一\",\"二\",\"\"\r\n"
        "\"第  1 試合\",\" 3\",\" 8\",\" 1-B\",\"\",\"三\",\"八\",\"\"\r\n"
        "\"第  1 試合\",\" 4\",\" 5\",\" 2-A\",\"\",\"四\",\"五\",\"\"\r\n"
        "\"第  1 試合\",\" 6\",\" 7\",\" 2-B\",\"9\",\"六\",\"七\",\"九\"\r\n"
        "\r\n"
        "\"番号\",\"氏名\"\r\n"
        "\" 1\",\"一\"\r\n\" 2\",\"二\"\r\n\" 3\",\"三\"\r\n\" 4\",\"四\"\r\n\" 5\",\"五\"\r\n"
        "\" 6\",\"六\"\r\n\" 7\",\"七\"\r\n\" 8\",\"八\"\r\n\" 9\",\"九\"\r\n");
}

struct CsvCase {
    const char* name;
    std::function<MatchTable()> table;
    std::function<std::string(const MatchTable&)> csv;
    std::array<int, 2> sizes;
};

class NamedCsvKinds : public testing::TestWithParam<CsvCase> {};

TEST_P(NamedCsvKinds, EveryLineStartsWithThePlainLinesFields)
{
    MatchTable table = GetParam().table();
    const std::vector<std::string> plain = csvLines(GetParam().csv(table));
    table.roster = Roster(test::numberedNames("男", GetParam().sizes[0]),
                          test::numberedNames("女", GetParam().sizes[1]));
    const std::vector<std::string> named = csvLines(GetParam().csv(table));
    const std::size_t rosterLines = 2 + static_cast<std::size_t>(GetParam().sizes[0]) +
                                    static_cast<std::size_t>(GetParam().sizes[1]);
    ASSERT_EQ(named.size(), plain.size() + rosterLines);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const bool sizeLine = plain[i] == plain[0];
        EXPECT_EQ(named[i].substr(0, plain[i].size() + (sizeLine ? 0 : 1)),
                  plain[i] + (sizeLine ? "" : ","))
            << named[i];
    }
    EXPECT_EQ(named[plain.size()], "");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NamedCsvKinds,
    testing::Values(
        CsvCase{
            "Doubles", [] { return DoublesGenerator::generate(30, 2, 25); }, doublesCsv, {30, 0}},
        CsvCase{"Mixed", [] { return MixedGenerator::generate(10, 9, 2, 12); }, mixedCsv, {10, 9}}),
    [](const testing::TestParamInfo<CsvCase>& info) { return std::string(info.param.name); });

TEST(NamedCsv, MixedRosterNamesTheSexAndQuotesAreDoubled)
{
    MatchTable table = MixedGenerator::generate(2, 2, 1, 1);
    table.roster = Roster({"山田 \"ヤマ\"", "佐藤"}, {"鈴木", "高橋"});
    const std::vector<std::string> all = csvLines(mixedCsv(table));
    EXPECT_EQ(all[1],
              "\"試合番号\",\"ベア男性\",\"ベア女性\",\"コート番号\",\"男性氏名\",\"女性氏名\"");
    EXPECT_EQ(all[2], "\"第  1 試合\",\" 1\",\" 1\",\" 1-A\",\"山田 \"\"ヤマ\"\"\",\"鈴木\"");
    EXPECT_EQ(std::vector<std::string>(all.end() - 5, all.end()),
              (std::vector<std::string>{
                  "\"区分\",\"番号\",\"氏名\"", "\"男\",\" 1\",\"山田 \"\"ヤマ\"\"\"",
                  "\"男\",\" 2\",\"佐藤\"", "\"女\",\" 1\",\"鈴木\"", "\"女\",\" 2\",\"高橋\""}));
}

TEST(NamedCsvFile, ANameShiftJisLacksIsRefusedAndNothingIsWritten)
{
    const TempFolder folder;
    MatchTable table = DoublesGenerator::generate(4, 1, 1);
    table.roster.groups[0] = {"𠮷田", "髙橋", "ｶﾅ", "①"};
    const auto path = (folder / "t.csv").string();
    EXPECT_EQ(
        writeDoublesCsv(table, path, TextEncoding::ShiftJis),
        "「𠮷」はShift_JISで表せない文字のため出力できません。文字コードにUTF-8を選んでください");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{});
    EXPECT_EQ(writeDoublesCsv(table, path, TextEncoding::Utf8), std::nullopt);
    table.roster.groups[0][0] = "吉田";
    EXPECT_EQ(writeDoublesCsv(table, path, TextEncoding::ShiftJis), std::nullopt);
}

} // namespace
