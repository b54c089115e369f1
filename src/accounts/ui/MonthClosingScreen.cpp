#include "accounts/ui/MonthClosingScreen.h"

#include "accounts/AmountField.h"
#include "accounts/ClosingGrid.h"
#include "common/NumberFormat.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "registers/ExpenseItem.h"
#include "registers/ItemLookup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zoruka {

namespace {

using namespace month_closing;

constexpr int kPointSize = 10;

} // namespace

MonthClosingScreen::MonthClosingScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_title(ui::toQString(kTitle)),
      m_date(this, false), m_grid(this, QStringLiteral("出納"))
{
    setObjectName(QStringLiteral("d月締処理v3"));
    setWindowTitle(QStringLiteral("月締処理"));
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    auto* show = ui::makeButton(this, QStringLiteral("B表示"), QStringLiteral("表示"));
    auto* month = new QHBoxLayout;
    month->addWidget(m_date.year());
    month->addWidget(ui::makeLabel(this, QStringLiteral("年")));
    month->addWidget(m_date.month());
    month->addWidget(ui::makeLabel(this, QStringLiteral("月")));
    month->addWidget(show);
    month->addStretch();

    QLineEdit* item = ui::makeTextBox(this, QStringLiteral("費目"));
    item->setReadOnly(true);
    item->setFocusPolicy(Qt::NoFocus);
    item->setMaximumWidth(200);
    m_carryForward = ui::makeTextBox(this, QStringLiteral("繰越額"));
    m_carryForward->setMaximumWidth(140);
    m_carryForward->setAlignment(Qt::AlignRight);
    m_note = ui::makeTextBox(this, QStringLiteral("備考"));
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    const std::pair<QString, QLineEdit*> rows[] = {{QStringLiteral("費目"), item},
                                                   {QStringLiteral("繰越額"), m_carryForward},
                                                   {QStringLiteral("備考"), m_note}};
    for (const auto& [label, field] : rows) {
        const int row = form->rowCount();
        form->addWidget(ui::makeLabel(this, label), row, 0);
        form->addWidget(field, row, 1);
    }

    auto* confirm = ui::makeButton(this, QStringLiteral("B確定"), QStringLiteral("確定"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addCommandButtons(buttons, {confirm, quit});

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addLayout(month);
    layout->addWidget(m_grid.table(), 1, Qt::AlignHCenter);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(520, 640);

    ui::FieldCheck::checkOnLeave(m_carryForward, [this] { return carryForwardFails(); });
    connect(show, &QPushButton::clicked, this, [this] {
        if (const std::optional<EntryDate> chosen = chosenMonth()) {
            showMonth(*chosen);
        }
    });
    connect(confirm, &QPushButton::clicked, this, &MonthClosingScreen::writeClosing);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    const std::optional<EntryDate> today = firstOfMonth(m_date.yearText(), m_date.monthText());
    // A file that cannot be used is reported once, not by every read of the opening.
    if (today && showMonth(*today)) {
        std::string carryOutName;
        ui::runOnStore(this, m_title, [&] {
            carryOutName = ItemLookup(m_location).nameOf(kExpense, kCarryOutItem);
        });
        item->setText(ui::toQString(carryOutName));
    }
}

std::optional<EntryDate> MonthClosingScreen::chosenMonth()
{
    const std::optional<EntryDate> month = firstOfMonth(m_date.yearText(), m_date.monthText());
    m_date.mark(!month);
    if (!month) {
        warn(kBadMonth);
    }
    return month;
}

bool MonthClosingScreen::showMonth(const EntryDate& month)
{
    MonthTotals totals;
    const bool read = ui::runOnStore(this, m_title, [&] {
        totals = monthTotals(readCashBookMonth(m_location, month.yy, month.mm), month);
    });
    m_grid.show(closingGrid(totals));
    m_carryForward->setText(ui::toQString(formatAmount(totals.carryForward())));
    ui::FieldCheck::mark(m_carryForward, false);
    return read;
}

void MonthClosingScreen::writeClosing()
{
    const std::optional<EntryDate> month = chosenMonth();
    if (!month) {
        return;
    }
    const bool failed = carryForwardFails();
    ui::FieldCheck::mark(m_carryForward, failed);
    if (failed) {
        warn(kBadCarryForward);
        return;
    }
    const long long amount = *readAmountField(ui::toUtf8(m_carryForward->text()));
    bool closed = false;
    if (!ui::runOnStore(this, m_title, [&] { closed = isClosed(m_location, *month); })) {
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(closed ? kAskRerun : kConfirm))) {
        return;
    }
    const std::string note = ui::toUtf8(m_note->text());
    if (!ui::runOnStore(this, m_title,
                        [&] { writeCarryForward(m_location, *month, amount, note); })) {
        return;
    }
    warn(kDone);
    showMonth(*month);
}

bool MonthClosingScreen::carryForwardFails()
{
    if (m_carryForward->text().trimmed().isEmpty()) {
        m_carryForward->setText(QStringLiteral("0"));
    }
    return !readAmountField(ui::toUtf8(m_carryForward->text()));
}

void MonthClosingScreen::warn(std::string_view message)
{
    ui::MessageBox::warning(this, m_title, ui::toQString(message));
}

} // namespace zoruka
