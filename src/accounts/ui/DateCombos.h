#pragma once

#include <QString>

#include <string>

class QComboBox;
class QWidget;

namespace zoruka::ui {

// The date combos of the accounting screens: `C年` (yearChoices), `C月` ("01" … "12") and, when
// asked for, `C日` ("01" … "31"), editable, each set to today's part of the start-up date.
class DateCombos {
public:
    DateCombos(QWidget* parent, bool withDay);

    QComboBox* year() const { return m_year; }
    QComboBox* month() const { return m_month; }
    QComboBox* day() const { return m_day; } // null without a day combo

    std::string yearText() const;
    std::string monthText() const;
    // "yy/mm/dd" of the combos' texts as they stand; the day is "01" without a day combo.
    std::string dateText() const;

    // Colours every combo's text red or black.
    void mark(bool failed) const;

private:
    QComboBox* m_year;
    QComboBox* m_month;
    QComboBox* m_day = nullptr;
};

} // namespace zoruka::ui
