#include "output/CsvLine.h"
#include "output/CsvReader.h"
#include "output/TempFolder.h"
#include "output/TextFile.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

using Records = std::vector<std::vector<std::string>>;

TEST(CsvText, FieldsWithQuotesCommasAndLineBreaksReadBackAsWritten)
{
    const std::vector<std::string> fields{"O\"Brien", "1,500", "一行目\r\n二行目", "", " 空白 "};
    const std::string line = csvLine(fields);
    EXPECT_EQ(line, "\"O\"\"Brien\",\"1,500\",\"一行目\r\n二行目\",\"\",\" 空白 \"\r\n");
    EXPECT_EQ(readCsv(line + csvLine({"次"})), (Records{fields, {"次"}}));
}

TEST(CsvText, SpreadsheetLinesOfEveryEndingAreRead)
{
    EXPECT_EQ(readCsv("a,b\nc,\"d\"\r\n\r\n\"e\"\"\",f\rg"),
              (Records{{"a", "b"}, {"c", "d"}, {"e\"", "f"}, {"g"}}));
    EXPECT_EQ(readCsv(",\n"), (Records{{"", ""}}));
    EXPECT_EQ(readCsv("\"open,\nnever closed"), (Records{{"open,\nnever closed"}}));
    EXPECT_TRUE(readCsv("").empty());
}

TEST(TextEncoding, FilesAreReadInTheEncodingTheyWereWrittenIn)
{
    const std::string text = "氏名,ｶﾅ,〜\r\n";
    for (const TextEncoding encoding : {TextEncoding::ShiftJis, TextEncoding::Utf8}) {
        const std::optional<DecodedText> decoded = decodeText(encodeText(text, encoding));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->encoding, encoding);
        EXPECT_EQ(decodeText(decoded->utf8)->utf8, decoded->utf8);
    }
    EXPECT_EQ(decodeText("plain")->encoding, TextEncoding::Utf8);
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "abc")
                  ->utf8,
              "abc");
    EXPECT_FALSE(decodeText("\x82"));
    EXPECT_FALSE(decodeText("ab\xFF\xFF"));
    EXPECT_FALSE(decodeText("\xEF\xBB\xBF\x82\xA0"));
}

TEST(TextFile, ACharacterShiftJisLacksIsNamedAndNothingIsWritten)
{
    const TempFolder folder;
    const std::string path = (folder / "members.csv").string();
    EXPECT_EQ(firstNonShiftJis("髙橋𠮷子"), "𠮷");
    EXPECT_EQ(firstNonShiftJis("髙橋〜"), std::nullopt);
    EXPECT_EQ(
        writeTextFile(path, "\"髙橋𠮷子\"\r\n", TextEncoding::ShiftJis),
        "「𠮷」はShift_JISで表せない文字のため出力できません。文字コードにUTF-8を選んでください");
    EXPECT_TRUE(folder.entries().empty());
    EXPECT_EQ(writeTextFile(path, "\"髙橋𠮷子\"\r\n", TextEncoding::Utf8), std::nullopt);
    EXPECT_EQ(readFile(path), "\xEF\xBB\xBF\"髙橋𠮷子\"\r\n");
}

} // namespace
} // namespace zoruka
