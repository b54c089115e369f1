#include "accounts/ui/CashBookScreen.h"

#include "accounts/AmountField.h"
#include "accounts/CashBookGrid.h"
#include "accounts/ui/FeeDetailScreen.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "registers/ExpenseItem.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zoruka {

namespace {

using namespace cash_book;

constexpr int kPointSize = 10;

} // namespace

CashBookScreen::CashBookScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_book(database), m_items(database),
      m_title(ui::toQString(kTitle)), m_date(this, true), m_grid(this, QStringLiteral("出納"))
{
    setObjectName(QStringLiteral("c出納記入v3"));
    setWindowTitle(QStringLiteral("出納記入"));
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    auto* show = ui::makeButton(this, QStringLiteral("B表示"), QStringLiteral("表示"));
    auto* month = new QHBoxLayout;
    month->addWidget(m_date.year());
    month->addWidget(ui::makeLabel(this, QStringLiteral("年")));
    month->addWidget(m_date.month());
    month->addWidget(ui::makeLabel(this, QStringLiteral("月")));
    month->addWidget(m_date.day());
    month->addWidget(ui::makeLabel(this, QStringLiteral("日")));
    month->addWidget(show);
    month->addStretch();

    m_entryDate = ui::makeTextBox(this, QStringLiteral("日付"));
    m_entryDate->setMaximumWidth(110);
    QGroupBox* kindFrame = ui::makeFrame(this, QStringLiteral("Frame1"));
    m_income = ui::makeOption(kindFrame, QStringLiteral("R収入"), QStringLiteral("収入"));
    m_expense = ui::makeOption(kindFrame, QStringLiteral("R支出"), QStringLiteral("支出"));
    auto* kindRow = new QHBoxLayout(kindFrame);
    kindRow->setContentsMargins(8, 2, 8, 2);
    kindRow->addWidget(m_income);
    kindRow->addWidget(m_expense);
    kindRow->addStretch();
    m_item = ui::makeCombo(this, QStringLiteral("C費目"));
    m_item->setMinimumWidth(220);
    m_amount = ui::makeTextBox(this, QStringLiteral("金額"));
    m_amount->setMaximumWidth(140);
    m_amount->setAlignment(Qt::AlignRight);
    m_note = ui::makeTextBox(this, QStringLiteral("備考"));
    m_checked = {m_entryDate, m_item, m_amount};

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    const std::pair<QString, QWidget*> rows[] = {
        {QStringLiteral("日付"), m_entryDate}, {QStringLiteral("収支区分"), kindFrame},
        {QStringLiteral("費目"), m_item},      {QStringLiteral("金額"), m_amount},
        {QStringLiteral("備考"), m_note},
    };
    for (const auto& [label, field] : rows) {
        const int row = form->rowCount();
        form->addWidget(ui::makeLabel(this, label), row, 0);
        form->addWidget(field, row, 1, Qt::AlignLeft);
    }
    form->setColumnStretch(1, 1);
    m_note->setMinimumWidth(320);

    auto* confirm = ui::makeButton(this, QStringLiteral("B確定"), QStringLiteral("確定"));
    auto* erase = ui::makeButton(this, QStringLiteral("B削除"), QStringLiteral("削除"));
    auto* clear = ui::makeButton(this, QStringLiteral("Bクリア"), QStringLiteral("クリア"));
    auto* detail = ui::makeButton(this, QStringLiteral("B明細"), QStringLiteral("明細入力"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addCommandButtons(buttons, {confirm, erase, clear, detail, quit});

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addLayout(month);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_grid.table(), 1, Qt::AlignHCenter);
    resize(700, 720);

    for (int field = 0; field < FieldCount; ++field) {
        ui::FieldCheck::checkOnLeave(m_checked[static_cast<std::size_t>(field)],
                                     [this, field] { return leaveFails(Field(field)); });
    }
    connect(show, &QPushButton::clicked, this, &CashBookScreen::showChosenMonth);
    connect(m_income, &QRadioButton::clicked, this, [this] { chooseKind(kIncome); });
    connect(m_expense, &QRadioButton::clicked, this, [this] { chooseKind(kExpense); });
    connect(m_item, &QComboBox::activated, this, &CashBookScreen::chooseItem);
    connect(m_grid.table(), &QTableWidget::cellClicked, this, [this](int row, int) { pick(row); });
    connect(confirm, &QPushButton::clicked, this, &CashBookScreen::store);
    connect(erase, &QPushButton::clicked, this, &CashBookScreen::remove);
    connect(clear, &QPushButton::clicked, this, &CashBookScreen::clearFields);
    connect(detail, &QPushButton::clicked, this, &CashBookScreen::openDetail);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    m_shown = firstOfMonth(m_date.yearText(), m_date.monthText()).value_or(EntryDate{});
    if (const std::optional<EntryDate> today = parseEntryDate(m_date.dateText())) {
        m_entryDate->setText(ui::toQString(today->text()));
    }
    m_income->setChecked(true);
    m_kind = kIncome;
    // A file that cannot be used is reported once, not by every read of the opening.
    if (showMonth(m_shown)) {
        chooseKind(kIncome);
    }
}

void CashBookScreen::showChosenMonth()
{
    const std::optional<EntryDate> chosen = parseEntryDate(m_date.dateText());
    m_date.mark(!chosen);
    if (!chosen) {
        warn(kChooseDate);
        return;
    }
    m_entryDate->setText(ui::toQString(chosen->text()));
    showMonth(*chosen);
}

bool CashBookScreen::showMonth(const EntryDate& dayOfMonth)
{
    m_shown = {dayOfMonth.yy, dayOfMonth.mm, "01"};
    CashBookMonth month;
    const bool read = ui::runOnStore(
        this, m_title, [&] { month = readCashBookMonth(m_location, m_shown.yy, m_shown.mm); });
    m_month = std::move(month);
    m_grid.show(cashBookGrid(m_month));
    return read;
}

void CashBookScreen::refresh()
{
    showMonth(firstOfMonth(m_date.yearText(), m_date.monthText()).value_or(m_shown));
}

void CashBookScreen::chooseKind(std::string_view kind)
{
    m_kind = kind;
    std::vector<std::string> names;
    ui::runOnStore(this, m_title, [&] { names = m_items.names(kind); });
    m_item->clear();
    for (const std::string& name : names) {
        m_item->addItem(ui::toQString(name));
    }
    m_item->setCurrentIndex(-1);
}

void CashBookScreen::chooseItem()
{
    const std::optional<std::string> code = typedItemCode();
    if (!code) {
        return;
    }
    ui::FieldCheck::mark(m_item, code->empty());
    if (code->empty()) {
        warn(kChooseItem);
    }
}

std::optional<std::string> CashBookScreen::typedItemCode()
{
    std::string code;
    if (!ui::runOnStore(this, m_title, [&] {
            code = m_book.itemCode(m_kind, ui::toUtf8(m_item->currentText()));
        })) {
        return {};
    }
    return code;
}

void CashBookScreen::pick(int row)
{
    // The header row and the empty rows below the month hold no entry.
    if (row < 1 || row > static_cast<int>(m_month.rows.size())) {
        warn(kOutOfRange);
        return;
    }
    const CashBookRow& entry = m_month.rows[static_cast<std::size_t>(row - 1)];
    const bool income = entry.kind == kIncome;
    (income ? m_income : m_expense)->setChecked(true);
    chooseKind(income ? kIncome : kExpense);
    m_grid.choose(row);

    m_picked.reset();
    const CashBookKey key{{m_shown.yy, m_shown.mm, entry.day}, m_kind, entry.itemCode};
    std::optional<CashBookEntry> found;
    if (!ui::runOnStore(this, m_title, [&] { found = m_book.find(key); })) {
        return;
    }
    if (!found) {
        warn(kNotRetrievable);
        return;
    }
    m_picked = found->key;
    m_entryDate->setText(ui::toQString(found->key.date.text()));
    m_item->setCurrentText(ui::toQString(entry.itemName));
    m_amount->setText(QString::number(found->amount));
    m_note->setText(ui::toQString(found->note));
    ui::FieldCheck::markAll({m_checked.begin(), m_checked.end()}, {false, false, false});
}

void CashBookScreen::store()
{
    const std::optional<CashBookEntry> entry = checkFields(FieldCount);
    if (!entry) {
        return;
    }
    if (m_picked && entry->key != *m_picked) {
        moveTo(*entry);
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirmSave))) {
        return;
    }
    if (!ui::runOnStore(this, m_title, [&] { m_book.store(*entry); })) {
        return;
    }
    warn(kSaved);
    refresh();
}

void CashBookScreen::moveTo(const CashBookEntry& entry)
{
    // Refused before asking; the move itself refuses again should the key be taken meanwhile.
    std::optional<CashBookEntry> occupant;
    if (!ui::runOnStore(this, m_title, [&] { occupant = m_book.find(entry.key); })) {
        return;
    }
    if (occupant) {
        warn(kMoveOccupied);
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirmMove))) {
        return;
    }
    CashBook::Move moved = CashBook::Move::Missing;
    if (!ui::runOnStore(this, m_title, [&] { moved = m_book.move(*m_picked, entry); })) {
        return;
    }
    switch (moved) {
    case CashBook::Move::Moved:
        m_picked = entry.key;
        warn(kMoved);
        refresh();
        return;
    case CashBook::Move::Missing:
        warn(kNotRetrievable);
        return;
    case CashBook::Move::Occupied:
        warn(kMoveOccupied);
        return;
    }
}

void CashBookScreen::remove()
{
    const std::optional<CashBookEntry> entry = checkFields(FieldCount);
    if (!entry) {
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirmDelete))) {
        return;
    }
    bool removed = false;
    if (!ui::runOnStore(this, m_title, [&] { removed = m_book.remove(entry->key); })) {
        return;
    }
    if (!removed) {
        warn(kDeleteMissing);
        return;
    }
    m_picked.reset();
    warn(kDeleted);
    refresh();
}

void CashBookScreen::clearFields()
{
    m_picked.reset();
    m_entryDate->clear();
    m_item->setEditText({});
    m_amount->setText(QStringLiteral("0"));
    m_note->clear();
    // The kind goes back to income; the option buttons and the item list follow it.
    m_income->setChecked(true);
    chooseKind(kIncome);
}

void CashBookScreen::openDetail()
{
    // The amount is what the detail screen is about to work out, so it is not checked here.
    const std::optional<CashBookEntry> entry = checkFields(Amount);
    if (!entry) {
        return;
    }
    FeeDetailScreen detail(m_location, entry->key, ui::toUtf8(m_item->currentText()), this);
    detail.exec();
    // Only a detail stored in this opening hands back its total and note.
    if (const std::optional<FeeDetailScreen::Stored> stored = detail.stored()) {
        m_amount->setText(QString::number(stored->total));
        m_note->setText(ui::toQString(stored->note));
        ui::FieldCheck::mark(m_amount, false);
    }
}

TypedEntry CashBookScreen::typed() const
{
    return {ui::toUtf8(m_entryDate->text()), m_kind, ui::toUtf8(m_item->currentText()),
            ui::toUtf8(m_amount->text()), ui::toUtf8(m_note->text())};
}

std::optional<CashBookEntry> CashBookScreen::checkFields(std::size_t fields)
{
    CashBook::Check result;
    if (!ui::runOnStore(this, m_title, [&] { result = m_book.check(typed()); })) {
        return {};
    }
    if (fields > Amount && m_amount->text().trimmed().isEmpty()) {
        m_amount->setText(QStringLiteral("0"));
    }
    const auto end = static_cast<std::ptrdiff_t>(fields);
    // Fields are checked in screen order, so the first message belongs to the first failure.
    if (ui::FieldCheck::markAll(
            {m_checked.begin(), m_checked.begin() + end},
            {result.report.failed.begin(), result.report.failed.begin() + end})) {
        warn(result.report.message);
        return {};
    }
    return result.entry;
}

bool CashBookScreen::leaveFails(Field field)
{
    switch (field) {
    case Date: {
        const std::optional<EntryDate> date = parseEntryDate(ui::toUtf8(m_entryDate->text()));
        if (date) {
            m_entryDate->setText(ui::toQString(date->text()));
        }
        return !date;
    }
    case Item:
        return typedItemCode().value_or(std::string()).empty();
    case Amount:
        if (m_amount->text().trimmed().isEmpty()) {
            m_amount->setText(QStringLiteral("0"));
        }
        return !readAmountField(ui::toUtf8(m_amount->text()));
    case FieldCount:
        break;
    }
    return false;
}

void CashBookScreen::warn(std::string_view message)
{
    ui::MessageBox::warning(this, m_title, ui::toQString(message));
}

} // namespace zoruka
