#include "accounts/print/MonthlyReportPrint.h"

#include "common/NumberFormat.h"
#include "output/PrintBuilder.h"
#include "output/PrintableArea.h"
#include "registers/ExpenseItem.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

namespace zoruka {

namespace {

constexpr std::string_view kFont = "ＭＳＰ ゴシック";
constexpr double kTextSize = 10;
constexpr double kLinePitch = 7;
constexpr int kFrameWidth = 3;

// Column positions (x, mm), and how far right of its column an amount ends: 1 mm short of the
// column's right-hand line.
constexpr double kDayX = 15;
constexpr double kItemX = 27;
constexpr double kIncomeX = 67;
constexpr double kExpenseX = 92;
constexpr double kBalanceX = 117;
constexpr double kNoteX = 142;
constexpr double kAmountEnd = 22;
constexpr double kPayerX = 72;
constexpr double kPayerPitch = 20;
constexpr int kPayersPerLine = 5;
// The column lines: an item name ends before the income column, a note before the frame's
// right-hand edge, an amount starts after the line 2 mm left of its column.
constexpr double kItemEnd = kIncomeX - 2 - lineReach(kFrameWidth);
constexpr double kNoteEnd = 185 - lineReach(kFrameWidth);
constexpr double kAmountStart = -2 + lineReach(kFrameWidth);
// Payers' names stand without lines between them; this much of a slot stays blank, so that two
// names never read as one.
constexpr double kPayerGap = 1.5;

// How far below its line's top a line reaches: the frame of a list or summary line, the text
// standing on the lower edge of a payment line.
constexpr double kFramedExtent = kLinePitch;
constexpr double kPaymentExtent = kLinePitch + textHeight(kTextSize);

class ReportSheets {
public:
    explicit ReportSheets(const MonthlyReport& report)
        : m_report(report), m_out(Orientation::Portrait)
    {
        m_out.setFont(std::string(kFont));
        m_out.setLineWidth(kFrameWidth);
    }

    void printList()
    {
        const auto heading = [this] { listHeading(); };
        std::string lastDay;
        for (const CashBookRow& row : m_report.book.rows) {
            nextLine(kFramedExtent, heading);
            const double y = textY();
            if (row.day != lastDay) {
                m_out.text(kDayX, y, row.day + "日");
                lastDay = row.day;
            }
            m_out.textWithin(kItemX, y, row.itemName, kItemEnd);
            amount(row.kind == kIncome ? kIncomeX : kExpenseX, y, row.amount);
            amount(kBalanceX, y, row.balance);
            m_out.textWithin(kNoteX, y, row.note, kNoteEnd);
            listFrame();
        }
        nextLine(kFramedExtent, heading);
        totalLine();
        listFrame();
    }

    void printPayments()
    {
        ++m_line;
        const Payment* last = nullptr;
        int onLine = 0;
        for (const Payment& payment : m_report.payments) {
            const bool newDay = !last || payment.day != last->day;
            if (newDay || payment.kind != last->kind || payment.itemCode != last->itemCode) {
                nextLine(kPaymentExtent, {});
                if (newDay) {
                    m_out.text(kDayX, bottom(), payment.day + "日");
                }
                m_out.textWithin(kItemX, bottom(), payment.itemName, kItemEnd);
                amount(kIncomeX, bottom(), payment.fee);
                onLine = 0;
            }
            if (++onLine > kPayersPerLine) {
                nextLine(kPaymentExtent, {});
                onLine = 1;
            }
            const double x = kPayerX + kPayerPitch * onLine;
            m_out.textWithin(x, bottom(), payment.name, x + kPayerPitch - kPayerGap);
            last = &payment;
        }
    }

    void printSummary()
    {
        m_line += 3;
        const MonthTotals& totals = m_report.totals;
        const int lastLine =
            m_line + static_cast<int>(totals.income.size() + totals.expense.size()) + 1;
        if (!fits(lastLine, kFramedExtent)) {
            startPage();
        }
        summaryHeading();
        const auto heading = [this] { summaryHeading(); };
        for (const auto& [items, x] :
             {std::pair{&totals.income, kIncomeX}, std::pair{&totals.expense, kExpenseX}}) {
            for (const ItemTotal& item : *items) {
                nextLine(kFramedExtent, heading);
                m_out.textWithin(kItemX, textY(), item.itemName, kItemEnd);
                amount(x, textY(), item.amount);
                summaryFrame();
            }
        }
        nextLine(kFramedExtent, heading);
        totalLine();
        summaryFrame();
    }

    std::vector<PrintDocument> finish() { return m_out.finish(); }

private:
    static double top(int line) { return kLinePitch * line + 14; }
    double top() const { return top(m_line); }
    double textY() const { return top() + 2; }
    double bottom() const { return top() + kLinePitch; }
    static bool fits(int line, double extent) { return top(line) + extent <= kA4PrintableBottom; }

    // Moves to the next line; when none is open yet or the line would reach below the printable
    // area, a new page starts and `heading` (if any) takes its first line.
    void nextLine(double extent, const std::function<void()>& heading)
    {
        ++m_line;
        if (m_pageOpen && fits(m_line, extent)) {
            return;
        }
        startPage();
        if (heading) {
            heading();
            ++m_line;
        }
    }

    void startPage()
    {
        if (m_pageOpen) {
            m_out.newPage();
        }
        m_pageOpen = true;
        m_line = 1;
        m_out.setFontSize(12);
        m_out.textWithin(80, 10, m_report.clubName, kA4PrintableRight);
        m_out.setFontSize(kTextSize);
        m_out.text(140, 15, m_report.month.yy + "年 " + m_report.month.mm + "月" + "　収支報告書");
    }

    void listHeading()
    {
        const double y = textY();
        m_out.text(15, y, "日付");
        m_out.text(37, y, "摘　　要");
        m_out.text(72, y, "収　入");
        m_out.text(97, y, "支　出");
        m_out.text(122, y, "残　高");
        m_out.text(152, y, "備　　考");
        listFrame();
    }

    void summaryHeading()
    {
        const double y = textY();
        m_out.text(37, y, "摘　　要");
        m_out.text(72, y, "収　入");
        m_out.text(97, y, "支　出");
        summaryFrame();
    }

    void totalLine()
    {
        m_out.text(kItemX, textY(), "合計");
        amount(kIncomeX, textY(), m_report.book.income);
        amount(kExpenseX, textY(), m_report.book.expense);
    }

    void listFrame() { frame(10, 185, {25, 65, 90, 115, 140}); }
    void summaryFrame() { frame(20, 117, {65, 90}); }

    void frame(double left, double right, std::initializer_list<double> dividers)
    {
        m_out.box(left, top(), right, bottom());
        for (const double x : dividers) {
            m_out.line(x, top(), x, bottom());
        }
    }

    void amount(double column, double y, long long yen)
    {
        m_out.textEndingWithin(column + kAmountEnd, y, formatAmount(yen), column + kAmountStart);
    }

    const MonthlyReport& m_report;
    PrintBuilder m_out;
    bool m_pageOpen = false;
    int m_line = 0;
};

} // namespace

PrintResult printMonthlyReport(const MonthlyReport& report, ReportParts parts)
{
    ReportSheets sheets(report);
    sheets.printList();
    if (parts.payments) {
        sheets.printPayments();
    }
    if (parts.summary) {
        sheets.printSummary();
    }
    PrintResult result;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
