#include "output/PrintBuilder.h"
#include "output/PrintOperationsJson.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

TEST(PrintBuilder, DrawingStateCarriesOverToLaterOperations)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.setFont("ＭＳＰ ゴシック");
    builder.setFontSize(10);
    builder.setColour(kPaletteLightRed);
    builder.setLineWidth(3);
    builder.text(12, 17, "氏　　名");
    builder.box(10, 15, 190, 21);
    builder.setColour(kPaletteBlack);
    builder.line(40, 15, 40, 279);
    const std::vector<PrintDocument> documents = builder.finish();
    ASSERT_EQ(documents.size(), 1u);
    ASSERT_EQ(documents[0].pages.size(), 1u);
    const auto& ops = documents[0].pages[0].operations;
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(std::get<PrintText>(ops[0]),
              (PrintText{12, 17, "氏　　名", "ＭＳＰ ゴシック", 10, kPaletteLightRed}));
    EXPECT_EQ(std::get<PrintBox>(ops[1]), (PrintBox{10, 15, 190, 21, 3, kPaletteLightRed}));
    EXPECT_EQ(std::get<PrintLine>(ops[2]), (PrintLine{40, 15, 40, 279, 3, kPaletteBlack}));
}

TEST(PrintBuilder, PagesAndDocumentsOpenWithTheirFirstDrawing)
{
    PrintBuilder builder(Orientation::Landscape);
    builder.endDocument(); // nothing drawn yet: no blank sheet
    builder.text(5, 5, "1");
    builder.newPage();
    builder.newPage();
    builder.text(5, 5, "2");
    builder.endDocument();
    builder.setOrientation(Orientation::Portrait);
    builder.endDocument();
    builder.text(5, 5, "3");
    const std::vector<PrintDocument> documents = builder.finish();
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(documents[0].orientation, Orientation::Landscape);
    EXPECT_EQ(documents[0].pages.size(), 2u);
    EXPECT_EQ(documents[1].orientation, Orientation::Portrait);
    EXPECT_EQ(documents[1].pages.size(), 1u);
}

TEST(PrintOperationsJson, NumbersDocumentsAndPagesAndEscapesTexts)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.setFont("F");
    builder.setFontSize(10.5);
    builder.text(1.25, 2, "a\"b\\c\n");
    builder.newPage();
    builder.line(0, 0, 1, 1);
    builder.endDocument();
    builder.setOrientation(Orientation::Landscape);
    builder.box(1, 2, 3, 4);
    builder.filledBox(1, 2, 3, 4, kPaletteLightBlue);
    EXPECT_EQ(printOperationsJson(builder.finish()),
              R"({"document":1,"op":"document","paper":"A4","orientation":"portrait"}
{"document":1,"page":1,"op":"text","x":1.25,"y":2,"text":"a\"b\\c\u000a","font":"F","size":10.5,"colour":0}
{"document":1,"page":2,"op":"line","x1":0,"y1":0,"x2":1,"y2":1,"width":1,"colour":0}
{"document":2,"op":"document","paper":"A4","orientation":"landscape"}
{"document":2,"page":1,"op":"box","x1":1,"y1":2,"x2":3,"y2":4,"width":1,"colour":0}
{"document":2,"page":1,"op":"box","x1":1,"y1":2,"x2":3,"y2":4,"width":1,"colour":0,"fill":9}
)");
}

} // namespace
