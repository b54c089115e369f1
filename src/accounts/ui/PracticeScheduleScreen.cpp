#include "accounts/ui/PracticeScheduleScreen.h"

#include "accounts/MonthCalendar.h"
#include "accounts/PracticeSchedule.h"
#include "accounts/ui/MonthChoice.h"
#include "common/GridModel.h"
#include "common/StartupValues.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Palette.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zoruka {

namespace {

using namespace practice_schedule;

constexpr int kPointSize = 10;
constexpr int kColumnTwips = 800;
constexpr int kDaysInWeek = 7;

// Sunday red, Saturday light blue, the other days black: captions and day numbers alike.
QColor weekdayColour(int column)
{
    if (column == 0) {
        return ui::palette::lightRed();
    }
    return column == kDaysInWeek - 1 ? ui::palette::lightBlue() : ui::palette::black();
}

QTableWidgetItem* calendarCell(const QString& text, int column, const QColor& background)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setForeground(weekdayColour(column));
    item->setBackground(background);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

bool isPracticeDay(const QTableWidgetItem* item)
{
    return item->background().color() == ui::palette::lightGreen();
}

} // namespace

PracticeScheduleScreen::PracticeScheduleScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_title(ui::toQString(kTitle)),
      m_combos(this, false), m_grid(ui::makeGrid(this, QStringLiteral("G日付")))
{
    setObjectName(QStringLiteral("c練習日程v3"));
    setWindowTitle(QStringLiteral("練習日程の登録"));
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    auto* showButton = ui::makeButton(this, QStringLiteral("B表示"), QStringLiteral("表示"));
    auto* previous = ui::makeButton(this, QStringLiteral("前月"), QStringLiteral("前月"));
    auto* next = ui::makeButton(this, QStringLiteral("次月"), QStringLiteral("次月"));
    auto* confirm = ui::makeButton(this, QStringLiteral("B確定"), QStringLiteral("確定"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));

    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 14);

    auto* month = new QHBoxLayout;
    ui::addMonthChoice(month, this, m_combos);
    month->addWidget(showButton);
    month->addStretch();
    month->addWidget(previous);
    month->addWidget(next);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addCommandButtons(buttons, {confirm, quit});

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(month);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);

    connect(showButton, &QPushButton::clicked, this, &PracticeScheduleScreen::showChosenMonth);
    connect(previous, &QPushButton::clicked, this, [this] {
        if (m_shown) {
            showMonth(previousMonth(*m_shown));
        }
    });
    connect(next, &QPushButton::clicked, this, [this] {
        if (m_shown) {
            showMonth(nextMonth(*m_shown));
        }
    });
    connect(m_grid, &QTableWidget::cellClicked, this, &PracticeScheduleScreen::toggle);
    connect(confirm, &QPushButton::clicked, this, &PracticeScheduleScreen::store);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    showChosenMonth();
}

void PracticeScheduleScreen::showChosenMonth()
{
    const std::optional<EntryDate> first = firstOfMonth(m_combos.yearText(), m_combos.monthText());
    if (!first) {
        warn(kBadMonth);
        return;
    }
    showMonth(*first);
}

void PracticeScheduleScreen::showMonth(const EntryDate& first)
{
    std::vector<int> practiceDays;
    if (!ui::runOnStore(this, m_title,
                        [&] { practiceDays = readPracticeDays(m_location, first); })) {
        return;
    }
    m_shown = first;
    m_combos.year()->setCurrentText(ui::toQString(first.yy));
    m_combos.month()->setCurrentText(ui::toQString(first.mm));
    fillCalendar(calendarWeeks(first), practiceDays);
}

void PracticeScheduleScreen::fillCalendar(const CalendarWeeks& weeks,
                                          const std::vector<int>& practiceDays)
{
    m_grid->clear();
    m_grid->setRowCount(static_cast<int>(weeks.size()) + 1);
    m_grid->setColumnCount(kDaysInWeek);
    const auto& weekdayNames = StartupValues::current().weekdayNames;
    for (int column = 0; column < kDaysInWeek; ++column) {
        m_grid->setColumnWidth(column, twipsToPixels(kColumnTwips, m_grid->logicalDpiX()));
        m_grid->setItem(0, column,
                        calendarCell(ui::toQString(weekdayNames[static_cast<std::size_t>(column)]),
                                     column, ui::palette::yellow()));
    }
    int row = 1;
    for (const auto& week : weeks) {
        for (int column = 0; column < kDaysInWeek; ++column) {
            const int day = week[static_cast<std::size_t>(column)];
            const bool practice =
                std::find(practiceDays.begin(), practiceDays.end(), day) != practiceDays.end();
            m_grid->setItem(
                row, column,
                calendarCell(day > 0 ? QString::number(day) : QString(), column,
                             practice ? ui::palette::lightGreen() : ui::palette::white()));
        }
        ++row;
    }

    // The grid shows the whole month without scrolling.
    int width = 2 * m_grid->frameWidth();
    for (int column = 0; column < kDaysInWeek; ++column) {
        width += m_grid->columnWidth(column);
    }
    int height = 2 * m_grid->frameWidth();
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        height += m_grid->rowHeight(r);
    }
    m_grid->setFixedSize(width, height);
}

void PracticeScheduleScreen::toggle(int row, int column)
{
    QTableWidgetItem* item = m_grid->item(row, column);
    bool isNumber = false;
    const int day = item ? item->text().toInt(&isNumber) : 0;
    if (row == 0 || !isNumber || day < 1 || day > 31) {
        warn(kNotADay);
        return;
    }
    item->setBackground(isPracticeDay(item) ? ui::palette::white() : ui::palette::lightGreen());
}

void PracticeScheduleScreen::store()
{
    // Without a month on show there is nothing to store.
    if (!m_shown) {
        warn(kBadMonth);
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirm))) {
        return;
    }
    std::vector<int> days;
    for (int row = 1; row < m_grid->rowCount(); ++row) {
        for (int column = 0; column < kDaysInWeek; ++column) {
            const QTableWidgetItem* item = m_grid->item(row, column);
            if (!item->text().isEmpty() && isPracticeDay(item)) {
                days.push_back(item->text().toInt());
            }
        }
    }
    // The marks belong to the month on show, whatever the combos hold by now.
    if (ui::runOnStore(this, m_title, [&] { storePracticeDays(m_location, *m_shown, days); })) {
        warn(kStored);
    }
}

void PracticeScheduleScreen::warn(std::string_view message)
{
    ui::MessageBox::warning(this, m_title, ui::toQString(message));
}

} // namespace zoruka
