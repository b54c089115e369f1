#include "accounts/print/FeeCheckListPrint.h"

#include "output/PrintBuilder.h"
#include "output/PrintableArea.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace zoruka {

namespace {

constexpr std::string_view kFont = "ＭＳＰ ゴシック";

constexpr double kLeft = 10;
constexpr double kRight = 190;
constexpr double kTableTop = 15;
constexpr double kTableBottom = 279;
constexpr double kNameColumnRight = 40;
constexpr double kRowPitch = 6;
constexpr int kMembersPerPage = 43;
constexpr int kLineWidth = 1;
constexpr double kNameEnd = kNameColumnRight - lineReach(kLineWidth);

// The day columns of a month with few practice days, and of one with many.
struct DayColumns {
    int count;
    double width;
    double textOffset;
    double textSize;
};
constexpr DayColumns kWideColumns{10, 15, 1, 9};
constexpr DayColumns kNarrowColumns{15, 10, 2.5, 8};

std::string twoDigits(int number)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

class CheckListSheets {
public:
    CheckListSheets(const FeeCheckList& list, DayColumns columns)
        : m_list(list), m_columns(columns), m_out(Orientation::Portrait)
    {
        m_out.setFont(std::string(kFont));
        m_out.setLineWidth(kLineWidth);
    }

    // Every member once under the days from index `firstDay` on.
    void printRun(std::size_t firstDay)
    {
        m_firstDay = firstDay;
        startPage();
        for (const std::string& name : m_list.names) {
            if (++m_line > kMembersPerPage) {
                startPage();
                ++m_line;
            }
            m_out.textWithin(12, (m_line + 1) * kRowPitch + 11, name, kNameEnd);
        }
        m_out.endDocument();
    }

    std::vector<PrintDocument> finish() { return m_out.finish(); }

private:
    void startPage()
    {
        m_out.endDocument();
        m_line = 0;
        m_out.setFontSize(14);
        m_out.textWithin(80, 5, m_list.clubName, kA4PrintableRight);
        m_out.setFontSize(10);
        m_out.text(140, 10, m_list.month.yy + "年 " + m_list.month.mm + "月" + "　会費");
        m_out.text(20, 16.5, "氏　　名");

        m_out.box(kLeft, kTableTop, kRight, kTableBottom);
        m_out.line(kNameColumnRight, kTableTop, kNameColumnRight, kTableBottom);
        for (int row = 1; row <= kMembersPerPage; ++row) {
            const double y = kTableTop + kRowPitch * row;
            m_out.line(kLeft, y, kRight, y);
        }
        m_out.setFontSize(m_columns.textSize);
        for (int column = 1; column <= m_columns.count; ++column) {
            const double right = kNameColumnRight + m_columns.width * column;
            m_out.line(right, kTableTop, right, kTableBottom);
            const std::size_t day = m_firstDay + static_cast<std::size_t>(column - 1);
            if (day < m_list.days.size()) {
                m_out.textWithin(right - m_columns.width + m_columns.textOffset, 17,
                                 dayHeading(m_list.days[day]), right - lineReach(kLineWidth));
            }
        }
        m_out.setFontSize(10);
    }

    std::string dayHeading(int day) const
    {
        return m_columns.count == kWideColumns.count
                   ? m_list.month.mm + "月" + twoDigits(day) + "日"
                   : std::to_string(day) + "日";
    }

    const FeeCheckList& m_list;
    DayColumns m_columns;
    PrintBuilder m_out;
    std::size_t m_firstDay = 0;
    int m_line = 0;
};

} // namespace

PrintResult printFeeCheckList(const FeeCheckList& list)
{
    const bool wide = list.days.size() <= static_cast<std::size_t>(kWideColumns.count);
    const DayColumns columns = wide ? kWideColumns : kNarrowColumns;
    CheckListSheets sheets(list, columns);
    const std::size_t perRun = static_cast<std::size_t>(columns.count);
    for (std::size_t first = 0; first == 0 || first < list.days.size(); first += perRun) {
        sheets.printRun(first);
    }
    PrintResult result;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
