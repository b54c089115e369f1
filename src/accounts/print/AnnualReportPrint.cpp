#include "accounts/print/AnnualReportPrint.h"

#include "accounts/print/AnnualChart.h"
#include "common/NumberFormat.h"
#include "output/PrintBuilder.h"
#include "output/PrintableArea.h"
#include "output/TextFit.h"

#include <functional>
#include <string>
#include <vector>

namespace zoruka {

namespace {

using namespace annual_report;

constexpr std::string_view kFont = "ＭＳＰ ゴシック";
constexpr double kLeft = 10;
constexpr double kRight = 200;
// Where the contents of a page end, above the page number.
constexpr double kContentBottom = 280;
constexpr double kPageNumberY = 285;
constexpr double kPageNumberSize = 9;
constexpr double kContinuedTop = 18;
// Where the period on the first page may start; the club name ends before it.
constexpr double kPeriodLeft = 125;
constexpr int kFrameWidth = 3;
constexpr int kRuleWidth = 1;
// How far a text keeps from the lines of its cell.
constexpr double kCellPadding = 0.7;

// The statement: label and amount columns, rows 7 mm high in 10 pt.
constexpr double kStatementTop = 32;
constexpr double kStatementSplit = 65;
constexpr double kStatementRight = 115;
constexpr double kStatementRow = 7;
constexpr double kStatementSize = 10;

// The month tables: the item column, twelve months and the year's total; rows 5.5 mm high.
constexpr double kItemRight = 38;
constexpr double kMonthWidth = 11.8;
constexpr double kTableRow = 5.5;
constexpr double kNameSize = 8;
constexpr double kAmountSize = 7;
constexpr double kCaptionSize = 10;
constexpr double kCaptionHeight = 7;
constexpr double kSectionGap = 4;

constexpr double kChartHeight = 72;
constexpr double kSignatureHeight = 50;

// x of column line `index` of a month table: 0 the left edge, 1 the end of the item column,
// 2 … 13 the ends of the months, 14 the right edge.
double columnLine(int index)
{
    if (index == 0) {
        return kLeft;
    }
    if (index == 14) {
        return kRight;
    }
    return kItemRight + kMonthWidth * (index - 1);
}

// The top of a text of `points` standing in the middle of a row from `top` `height` high.
double centredY(double top, double height, double points)
{
    return top + (height - textHeight(points)) / 2;
}

class AnnualSheets {
public:
    explicit AnnualSheets(const AnnualReport& report)
        : m_report(report), m_months(monthHeadings(report.year)), m_out(Orientation::Portrait)
    {
        m_out.setFont(std::string(kFont));
    }

    void printFirstPage()
    {
        m_out.setFontSize(16);
        m_out.textCentredWithin(kLeft, kRight, 12,
                                m_report.year.label() + "　" + std::string(kTitle));
        m_out.setFontSize(10);
        m_out.textEndingWithin(kRight, 23.5, m_report.year.periodText(), kPeriodLeft);
        m_out.setFontSize(12);
        m_out.textWithin(kLeft, 22.5, m_report.clubName, kPeriodLeft - 3);
        m_y = kStatementTop;
    }

    void printStatement()
    {
        const std::vector<std::pair<std::string_view, long long>> lines{
            {kCarryIn, m_report.carryIn},
            {kIncomeTotal, m_report.income.total},
            {kExpenseTotal, m_report.expense.total},
            {kBalance, m_report.balance()},
            {kCarryOut, m_report.carryOut()}};
        m_out.setFontSize(kStatementSize);
        for (const auto& [label, yen] : lines) {
            const double y = centredY(m_y, kStatementRow, kStatementSize);
            m_out.textWithin(kLeft + 2, y, label, kStatementSplit - kCellPadding);
            m_out.textEndingWithin(kStatementRight - 2, y, formatAmount(yen),
                                   kStatementSplit + kCellPadding);
            m_out.setLineWidth(kFrameWidth);
            m_out.box(kLeft, m_y, kStatementRight, m_y + kStatementRow);
            m_out.setLineWidth(kRuleWidth);
            m_out.line(kStatementSplit, m_y, kStatementSplit, m_y + kStatementRow);
            m_y += kStatementRow;
        }
        m_y += kSectionGap;
    }

    void printSide(std::string_view caption, const AnnualSide& side, std::string_view total,
                   bool withBalance)
    {
        room(kCaptionHeight + 3 * kTableRow);
        m_caption = caption;
        captionAndHeading();
        for (const AnnualItem& item : side.items) {
            row(item.name, item.months, item.total, false);
        }
        row(total, side.months, side.total, true);
        if (withBalance) {
            row(kBalance, m_report.monthlyBalance(), m_report.balance(), true);
        }
        m_caption = {};
        m_y += kSectionGap;
    }

    void printChart()
    {
        room(kChartHeight);
        drawAnnualChart(m_out, m_report, {kLeft, m_y + 2, kRight, m_y + kChartHeight - 2});
        m_y += kChartHeight + kSectionGap;
    }

    void printSignatures()
    {
        room(kSignatureHeight);
        m_out.setColour(kPaletteBlack);
        m_out.setFontSize(10);
        m_out.setLineWidth(kRuleWidth);
        m_out.textWithin(kLeft, m_y, "上記のとおり報告いたします。", kRight);
        signatureLine(m_y + 9, "会計");
        m_out.textWithin(kLeft, m_y + 21,
                         "上記の報告について監査した結果、適正であることを認めます。", kRight);
        signatureLine(m_y + 30, "会計監査");
        signatureLine(m_y + 40, "会計監査");
        m_y += kSignatureHeight;
    }

    std::vector<PrintDocument> finish()
    {
        std::vector<PrintDocument> documents = m_out.finish();
        std::vector<PrintPage>& pages = documents.front().pages;
        if (pages.size() > 1) {
            for (std::size_t page = 0; page < pages.size(); ++page) {
                const std::string number =
                    std::to_string(page + 1) + " / " + std::to_string(pages.size());
                const double x = (kLeft + kRight - printedWidth(number, kPageNumberSize)) / 2;
                pages[page].operations.emplace_back(PrintText{
                    x, kPageNumberY, number, std::string(kFont), kPageNumberSize, kPaletteBlack});
            }
        }
        return documents;
    }

private:
    // Starts a new page unless `height` more fits on this one; a table goes on there below its
    // caption and heading row.
    void room(double height)
    {
        if (m_y + height <= kContentBottom) {
            return;
        }
        m_out.newPage();
        m_out.setColour(kPaletteBlack);
        m_out.setFontSize(9);
        m_out.textWithin(
            kLeft, 10,
            m_report.year.label() + "　" + std::string(kTitle) + "　" + m_report.clubName, kRight);
        m_y = kContinuedTop;
        if (!m_caption.empty()) {
            captionAndHeading();
        }
    }

    void captionAndHeading()
    {
        m_out.setFontSize(kCaptionSize);
        m_out.textWithin(kLeft, centredY(m_y, kCaptionHeight, kCaptionSize), m_caption, kRight);
        m_y += kCaptionHeight;
        m_out.setFontSize(kNameSize);
        const double y = centredY(m_y, kTableRow, kNameSize);
        for (int column = 0; column < 14; ++column) {
            const std::string_view heading = column == 0    ? std::string_view("費目")
                                             : column == 13 ? std::string_view("合計")
                                                            : m_months[column - 1];
            m_out.textCentredWithin(columnLine(column) + kCellPadding,
                                    columnLine(column + 1) - kCellPadding, y, heading);
        }
        frame();
        m_y += kTableRow;
    }

    // A table row of `label`, its months and its year; months of 0 blank unless `showZero`.
    void row(std::string_view label, const MonthAmounts& months, long long total, bool showZero)
    {
        room(kTableRow);
        m_out.setFontSize(kNameSize);
        m_out.textWithin(kLeft + kCellPadding, centredY(m_y, kTableRow, kNameSize), label,
                         kItemRight - kCellPadding);
        m_out.setFontSize(kAmountSize);
        for (std::size_t month = 0; month < months.size(); ++month) {
            if (showZero || months[month] != 0) {
                amount(static_cast<int>(month) + 1, months[month]);
            }
        }
        amount(13, total);
        frame();
        m_y += kTableRow;
    }

    void amount(int column, long long yen)
    {
        m_out.textEndingWithin(columnLine(column + 1) - kCellPadding,
                               centredY(m_y, kTableRow, kAmountSize), formatAmount(yen),
                               columnLine(column) + kCellPadding);
    }

    void frame()
    {
        m_out.setLineWidth(kFrameWidth);
        m_out.box(kLeft, m_y, kRight, m_y + kTableRow);
        m_out.setLineWidth(kRuleWidth);
        for (int column = 1; column < 14; ++column) {
            m_out.line(columnLine(column), m_y, columnLine(column), m_y + kTableRow);
        }
    }

    void signatureLine(double y, std::string_view role)
    {
        constexpr double kSealX = kRight - 8;
        m_out.textWithin(58, y, "　　　　年　　月　　日", 106);
        m_out.textWithin(110, y, role, 127);
        m_out.line(128, y + textHeight(10) + 0.5, kSealX - 2, y + textHeight(10) + 0.5);
        m_out.textWithin(kSealX, y, "印", kRight);
    }

    const AnnualReport& m_report;
    const std::vector<std::string> m_months;
    PrintBuilder m_out;
    double m_y = 0;
    std::string_view m_caption; // of the table being printed, empty between tables
};

} // namespace

PrintResult printAnnualReport(const AnnualReport& report)
{
    AnnualSheets sheets(report);
    sheets.printFirstPage();
    sheets.printStatement();
    sheets.printSide("収入の部", report.income, kIncomeTotal, false);
    sheets.printSide("支出の部", report.expense, kExpenseTotal, true);
    sheets.printChart();
    sheets.printSignatures();
    PrintResult result;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
