#include "output/PlayerSheetsPrint.h"
#include "matchtable/DoublesGenerator.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "output/PrintInspection.h"
#include "output/PrintableArea.h"
#include "output/TextFit.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;
using test::opsOf;

// The texts of a document from the one reading `first` on, `count` of them.
std::vector<std::string> textsFrom(const PrintDocument& document, const std::string& first,
                                   std::size_t count)
{
    const std::vector<PrintText> texts = opsOf<PrintText>(document);
    auto at = std::find_if(texts.begin(), texts.end(),
                           [&](const PrintText& text) { return text.text == first; });
    std::vector<std::string> found;
    for (; at != texts.end() && found.size() < count; ++at) {
        found.push_back(at->text);
    }
    return found;
}

TEST(PlayerSheets, AnEntryListsEveryGameByName)
{
    MatchTable table = DoublesGenerator::generate(9, 2, 2);
    table.roster = Roster({"一郎", "二郎", "三郎", "四郎", "五郎", "六郎", "七郎", "八郎", "九郎"});
    const PrintResult result = printPlayerSheets(MatchKind::Doubles, table);
    ASSERT_FALSE(result.refused());
    ASSERT_EQ(result.documents.size(), 1u);
    EXPECT_EQ(result.documents[0].orientation, Orientation::Portrait);
    // Game 1: 1-2 against 3-8 on court 1, 9 rests; game 2: 9-7 against 1-3, 8 rests.
    EXPECT_EQ(textsFrom(result.documents[0], " 3 三郎", 9),
              (std::vector<std::string>{" 3 三郎", "第  1 試合", " 1-B", "八郎", "一郎・二郎",
                                        "第  2 試合", " 1-B", "一郎", "九郎・七郎"}));
    EXPECT_EQ(textsFrom(result.documents[0], " 9 九郎", 5),
              (std::vector<std::string>{" 9 九郎", "第  1 試合", "休憩", "第  2 試合", " 1-A"}));
}

TEST(PlayerSheets, MixedAndFixedPairsNameTheirGroups)
{
    MatchTable mixed = MixedGenerator::generate(2, 2, 1, 1);
    mixed.roster = Roster({"太郎", "次郎"}, {"花子", "桃子"});
    const PrintDocument mixedSheet = printPlayerSheets(MatchKind::Mixed, mixed).documents.at(0);
    EXPECT_EQ(textsFrom(mixedSheet, "女  1 花子", 5),
              (std::vector<std::string>{"女  1 花子", "第  1 試合", " 1-A", "太郎", "次郎・桃子"}));
    EXPECT_EQ(test::findText(mixedSheet, "女  1 花子")->colour, kPaletteLightRed);

    // Without names the numbers stand in; a pair has no partner column.
    const PrintDocument fixed =
        printPlayerSheets(MatchKind::FixedPairs, FixedPairGenerator::generate(3, 3, 3, 1))
            .documents.at(0);
    EXPECT_EQ(textsFrom(fixed, "B  2 ", 4),
              (std::vector<std::string>{"B  2 ", "第  1 試合", " 2", "2"}));
    EXPECT_FALSE(test::findText(fixed, "ペア"));
}

TEST(PlayerSheets, FiftyPlayersTakeTwoColumnsASheetAndStayOnThePaper)
{
    MatchTable table = DoublesGenerator::generate(50, 6, 10);
    std::vector<std::string> names;
    for (int k = 1; k <= 50; ++k) {
        names.push_back(std::string(40, 'W').substr(0, 30) + std::to_string(k));
    }
    table.roster = Roster(names);
    const PrintResult result = printPlayerSheets(MatchKind::Doubles, table);
    int entries = 0;
    for (const PrintDocument& document : result.documents) {
        ASSERT_EQ(document.pages.size(), 1u);
        for (const PrintText& text : opsOf<PrintText>(document)) {
            const double width = printedWidth(text.text, text.size);
            EXPECT_GE(text.x, kPrinterMargin);
            EXPECT_LE(text.x + width, kA4PrintableRight) << text.text;
            EXPECT_LE(text.y + textHeight(text.size), kA4PrintableBottom) << text.text;
            // An entry's title stands at its column's left edge, under the sheet's heading.
            entries += text.y > 5 && (text.x == kPrinterMargin || text.x == 109) ? 1 : 0;
        }
    }
    EXPECT_EQ(entries, 50);
    // An entry of ten games is 54 mm tall: five to a column, ten to a sheet.
    EXPECT_EQ(result.documents.size(), 5u);
}

TEST(PlayerSheets, NothingBuiltIsRefused)
{
    const PrintResult result = printPlayerSheets(MatchKind::Doubles, MatchTable{});
    EXPECT_TRUE(result.refused());
    EXPECT_EQ(result.title, "個人表");
    EXPECT_EQ(result.message, "印刷するゾルカがありません。先に設定を押してください");
}

} // namespace
