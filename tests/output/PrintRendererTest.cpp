#include "output/render/PrintRenderer.h"
#include "cli/CommandLine.h"
#include "matchtable/DoublesGenerator.h"
#include "output/DoublesPrint.h"
#include "output/PrintBuilder.h"
#include "output/TempFolder.h"

#include <QImage>
#include <QPainter>
#include <QPrinterInfo>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {

using namespace zoruka;

const std::string kCannotWrite = "出力ﾌｧｲﾙへの書込みが出来ません、";

std::vector<PrintDocument> doublesSheets(int participants, int courts, int games)
{
    return printDoubles(DoublesGenerator::generate(participants, courts, games)).documents;
}

long pdfPages(const std::string& pdf)
{
    const std::regex page(R"(/Type\s*/Page[^s])");
    return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                         std::sregex_iterator());
}

TEST(PdfFile, HoldsOnePagePerPrintedSheetInAJapaneseFont)
{
    const TempFolder folder;
    const auto path = folder / "doubles.pdf";
    EXPECT_EQ(writePdf(doublesSheets(30, 2, 23), path.string()), std::nullopt);
    const std::string pdf = readFile(path);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(pdfPages(pdf), 3);
    EXPECT_TRUE(pdf.find("IPAPGothic") != std::string::npos ||
                pdf.find("IPAexGothic") != std::string::npos);
}

TEST(PdfFile, UnwritablePathGetsTheMessageAndNothingChanges)
{
    const TempFolder folder;
    std::filesystem::create_directory(folder / "sheets.pdf");
    EXPECT_EQ(writePdf(doublesSheets(9, 2, 1), (folder / "sheets.pdf").string()),
              kCannotWrite + "同じ名前のフォルダがあります");
    EXPECT_EQ(writePdf(doublesSheets(9, 2, 1), (folder / "none" / "a.pdf").string()),
              kCannotWrite + "フォルダが見つかりません");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "sheets.pdf"));
    EXPECT_THROW(writePdf({}, (folder / "empty.pdf").string()), std::invalid_argument);
}

// A page painted on an image of 10 pixels per millimetre.
class PaintedPage {
public:
    explicit PaintedPage(const PrintPage& page) : m_image(300, 300, QImage::Format_RGB32)
    {
        m_image.setDotsPerMeterX(10000);
        m_image.setDotsPerMeterY(10000);
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        paintPage(painter, page);
    }

    QColor at(int x, int y) const { return m_image.pixelColor(x, y); }

    // The rows in which any pixel of `colour` appears: first and last, or -1, -1.
    std::pair<int, int> rowsWith(const QColor& colour) const
    {
        int first = -1;
        int last = -1;
        for (int y = 0; y < m_image.height(); ++y) {
            for (int x = 0; x < m_image.width(); ++x) {
                if (isNear(at(x, y), colour)) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
            }
        }
        return {first, last};
    }

    // The columns in which any pixel of `colour` appears: first and last, or -1, -1.
    std::pair<int, int> columnsWith(const QColor& colour) const
    {
        int first = -1;
        int last = -1;
        for (int x = 0; x < m_image.width(); ++x) {
            for (int y = 0; y < m_image.height(); ++y) {
                if (isNear(at(x, y), colour)) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    static bool isNear(const QColor& a, const QColor& b)
    {
        return std::abs(a.red() - b.red()) < 60 && std::abs(a.green() - b.green()) < 60 &&
               std::abs(a.blue() - b.blue()) < 60;
    }

private:
    QImage m_image;
};

TEST(PaintedPage, TextHangsFromItsTopLeftCornerInItsColour)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.setFont("HG丸ゴシックM - PRO");
    builder.setFontSize(20); // 7 mm, 70 pixels
    builder.setColour(kPaletteLightRed);
    builder.text(5, 10, "国");
    const PaintedPage painted(builder.finish().at(0).pages.at(0));
    const auto [top, bottom] = painted.rowsWith(QColor(255, 0, 0));
    EXPECT_GE(top, 100);
    EXPECT_LE(top, 120);
    EXPECT_LE(bottom, 100 + 75);
}

TEST(PaintedPage, AnAmountEndsAtItsX)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.setFont("ＭＳＰ ゴシック");
    builder.setFontSize(20);
    builder.setColour(kPaletteLightRed);
    builder.textEndingAt(25, 5, "1,234"); // ends 250 pixels from the left
    const PaintedPage painted(builder.finish().at(0).pages.at(0));
    const auto [left, right] = painted.columnsWith(QColor(255, 0, 0));
    EXPECT_GT(left, 20); // drawn to the left of x, not from it
    EXPECT_GE(right, 235);
    EXPECT_LE(right, 250);
}

TEST(PaintedPage, LinesAreAsWideAsTheirDrawingUnits)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.setLineWidth(4); // 0.4 mm, 4 pixels
    builder.box(5, 5, 25, 25);
    builder.setLineWidth(3);
    builder.line(5, 15, 25, 15);
    const PaintedPage painted(builder.finish().at(0).pages.at(0));
    const QColor black(0, 0, 0);
    auto inkedRows = [&](int x, int from, int to) {
        int rows = 0;
        for (int y = from; y < to; ++y) {
            rows += PaintedPage::isNear(painted.at(x, y), black) ? 1 : 0;
        }
        return rows;
    };
    EXPECT_EQ(inkedRows(150, 40, 60), 4);   // top edge of the box
    EXPECT_EQ(inkedRows(150, 140, 160), 3); // the line across
    EXPECT_TRUE(PaintedPage::isNear(painted.at(150, 100), QColor(255, 255, 255)));
}

TEST(PaintedPage, AFilledBoxIsFilledInsideItsOutline)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.filledBox(5, 5, 25, 25, kPaletteLightBlue);
    builder.box(5, 26, 25, 29.5);
    const PaintedPage painted(builder.finish().at(0).pages.at(0));
    EXPECT_TRUE(PaintedPage::isNear(painted.at(150, 150), QColor(0, 0, 255)));
    EXPECT_TRUE(PaintedPage::isNear(painted.at(150, 50), QColor(0, 0, 0)));
    EXPECT_TRUE(PaintedPage::isNear(painted.at(150, 275), QColor(255, 255, 255)));
}

TEST(DefaultPrinter, WithoutAPrinterTheSheetsGoToAPdfBesideTheDatabase)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a printer";
    }
    const TempFolder folder;
    const std::vector<PrintDocument> sheets = doublesSheets(9, 2, 3);
    const PrintOutcome first = printDocuments(sheets, folder.path().string());
    const PrintOutcome second = printDocuments(sheets, folder.path().string());
    ASSERT_EQ(first.error, std::nullopt);
    ASSERT_EQ(second.error, std::nullopt);
    EXPECT_NE(first.pdfPath, second.pdfPath);
    for (const std::string& path : {first.pdfPath, second.pdfPath}) {
        const std::filesystem::path pdf(path);
        EXPECT_EQ(pdf.parent_path(), folder / "印刷");
        EXPECT_TRUE(std::regex_match(pdf.filename().string(),
                                     std::regex("ゾルカ_\\d{8}_\\d{6}(_\\d+)?\\.pdf")))
            << pdf;
        EXPECT_EQ(pdfPages(readFile(pdf)), 1);
    }
}

TEST(CommandLinePdf, WritesThePrintLayoutOrNothingWhenRefused)
{
    const TempFolder folder;
    const auto pdf = folder / "doubles.pdf";
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommandLine({"doubles", "--participants", "32", "--courts", "8", "--games", "6",
                              "--pdf", pdf.string()},
                             out, err, pdfBytes),
              0)
        << err.str();
    EXPECT_EQ(pdfPages(readFile(pdf)), 2);

    const auto refused = folder / "refused.pdf";
    EXPECT_EQ(runCommandLine({"doubles", "--participants", "36", "--courts", "9", "--games", "1",
                              "--pdf", refused.string()},
                             out, err, pdfBytes),
              2);
    EXPECT_FALSE(std::filesystem::exists(refused));
}

} // namespace
