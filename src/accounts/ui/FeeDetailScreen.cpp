#include "accounts/ui/FeeDetailScreen.h"

#include "common/NumberFormat.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "registers/ExpenseItem.h"
#include "registers/MemberRegister.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace zoruka {

namespace {

using namespace fee_detail;

constexpr int kPointSize = 10;

QListWidget* makeList(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    // Several names are moved at once: shift- and control-click pick them.
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumSize(200, 260);
    return list;
}

QLineEdit* makeShownText(QWidget* parent, const QString& name, std::string_view text)
{
    QLineEdit* box = ui::makeTextBox(parent, name);
    box->setText(ui::toQString(text));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// A list with the label above it.
QVBoxLayout* labelled(QWidget* parent, const QString& label, QWidget* list)
{
    auto* column = new QVBoxLayout;
    column->addWidget(ui::makeLabel(parent, label));
    column->addWidget(list, 1);
    return column;
}

} // namespace

FeeDetailScreen::FeeDetailScreen(const DatabaseLocation& database, const CashBookKey& key,
                                 std::string itemName, QWidget* parent)
    : QDialog(parent), m_location(database), m_key(key), m_itemName(std::move(itemName)),
      m_title(ui::toQString(kTitle))
{
    setObjectName(QStringLiteral("c出納明細v3"));
    setWindowTitle(QStringLiteral("出納明細"));
    setModal(true);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    // The entry the payers belong to is fixed by the cash book; it is shown, not edited.
    QLineEdit* date = makeShownText(this, QStringLiteral("日付"), m_key.date.text());
    QLineEdit* kind = makeShownText(this, QStringLiteral("収支区分"), directionName(m_key.kind));
    QLineEdit* item = makeShownText(this, QStringLiteral("費目"), m_itemName);
    date->setMaximumWidth(100);
    kind->setMaximumWidth(70);
    auto* entry = new QHBoxLayout;
    entry->addWidget(ui::makeLabel(this, QStringLiteral("日付")));
    entry->addWidget(date);
    entry->addSpacing(12);
    entry->addWidget(kind);
    entry->addSpacing(12);
    entry->addWidget(ui::makeLabel(this, QStringLiteral("費目")));
    entry->addWidget(item, 1);

    m_members = makeList(this, QStringLiteral("L会員名簿"));
    m_payers = makeList(this, QStringLiteral("L納入者"));
    auto* add = ui::makeButton(this, QStringLiteral("B追加"), QStringLiteral("納入－>"));
    auto* drop = ui::makeButton(this, QStringLiteral("B削除"), QStringLiteral("<－取消"));
    auto* everyone = ui::makeButton(this, QStringLiteral("B全員"), QStringLiteral("全員"));
    auto* lastMonth = ui::makeButton(this, QStringLiteral("B前月"), QStringLiteral("前月"));
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* button : {add, drop, everyone, lastMonth}) {
        moves->addWidget(button);
    }
    moves->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addLayout(labelled(this, QStringLiteral("会員名簿"), m_members));
    lists->addLayout(moves);
    lists->addLayout(labelled(this, QStringLiteral("会費納入者一覧"), m_payers));

    m_feeField = ui::makeCombo(this, QStringLiteral("C会費"));
    m_headCountField = ui::makeTextBox(this, QStringLiteral("人数"));
    m_total = ui::makeTextBox(this, QStringLiteral("金額"));
    m_note = ui::makeTextBox(this, QStringLiteral("備考"));
    m_feeField->setFixedWidth(110);
    m_headCountField->setFixedWidth(60);
    m_total->setFixedWidth(120);
    m_headCountField->setAlignment(Qt::AlignRight);
    m_total->setAlignment(Qt::AlignRight);
    auto* fees = new QHBoxLayout;
    fees->setSpacing(8);
    const std::pair<QString, QWidget*> feeFields[] = {{QStringLiteral("＠会費"), m_feeField},
                                                      {QStringLiteral("人数"), m_headCountField},
                                                      {QStringLiteral("金額"), m_total}};
    for (const auto& [label, field] : feeFields) {
        fees->addWidget(ui::makeLabel(this, label));
        fees->addWidget(field);
        fees->addSpacing(16);
    }
    fees->addStretch();
    auto* note = new QHBoxLayout;
    note->setSpacing(8);
    note->addWidget(ui::makeLabel(this, QStringLiteral("備考")));
    note->addWidget(m_note, 1);

    auto* confirm = ui::makeButton(this, QStringLiteral("B確定"), QStringLiteral("確定"));
    auto* clear = ui::makeButton(this, QStringLiteral("Bクリア"), QStringLiteral("クリア"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addCommandButtons(buttons, {confirm, clear, quit});

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addLayout(entry);
    layout->addLayout(lists, 1);
    layout->addLayout(fees);
    layout->addLayout(note);
    layout->addLayout(buttons);
    resize(600, 520);

    ui::FieldCheck::checkOnLeave(m_feeField, [this] { return feeFails(); });
    ui::FieldCheck::checkOnLeave(m_headCountField, [this] { return headCountFails(); });
    connect(m_feeField, &QComboBox::activated, this, [this] {
        ui::FieldCheck::mark(m_feeField, feeFails());
        showTotal();
    });
    connect(add, &QPushButton::clicked, this, &FeeDetailScreen::addChosenMembers);
    connect(drop, &QPushButton::clicked, this, &FeeDetailScreen::removeChosenPayers);
    connect(everyone, &QPushButton::clicked, this, [this] { addPayers(m_activeMembers); });
    connect(lastMonth, &QPushButton::clicked, this, &FeeDetailScreen::addLastMonthsPayers);
    connect(confirm, &QPushButton::clicked, this, &FeeDetailScreen::store);
    connect(clear, &QPushButton::clicked, this, &FeeDetailScreen::clearFields);
    connect(quit, &QPushButton::clicked, this, &QDialog::close);

    load();
}

void FeeDetailScreen::load()
{
    std::vector<Member> members;
    std::vector<std::string> fees;
    FeePayers stored;
    const bool loaded = ui::runOnStore(this, m_title, [&] {
        members = MemberRegister(m_location).list();
        fees = feeChoices(m_location);
        stored = loadFeePayers(m_location, m_key);
    });
    if (!loaded) {
        return;
    }
    for (const Member& member : members) {
        m_members->addItem(ui::toQString(member.name));
        if (!member.excluded) {
            m_activeMembers << ui::toQString(member.name);
        }
    }
    for (const std::string& fee : fees) {
        m_feeField->addItem(ui::toQString(fee));
    }
    m_feeField->setCurrentIndex(-1);
    for (const std::string& name : stored.names) {
        m_payers->addItem(ui::toQString(name));
    }
    if (!stored.names.empty()) {
        m_feeField->setEditText(QString::number(stored.fee));
    }
    m_headCountField->setText(QString::number(m_payers->count()));
    m_total->setText(ui::toQString(formatAmount(stored.total)));
}

void FeeDetailScreen::addChosenMembers()
{
    QStringList chosen;
    for (int row = 0; row < m_members->count(); ++row) {
        if (m_members->item(row)->isSelected()) {
            chosen << m_members->item(row)->text();
        }
    }
    addPayers(chosen);
}

void FeeDetailScreen::addLastMonthsPayers()
{
    std::vector<std::string> names;
    if (!ui::runOnStore(this, m_title, [&] { names = previousMonthPayers(m_location, m_key); })) {
        return;
    }
    QStringList payers;
    for (const std::string& name : names) {
        payers << ui::toQString(name);
    }
    addPayers(payers);
}

void FeeDetailScreen::addPayers(const QStringList& names)
{
    if (names.isEmpty()) {
        return;
    }
    for (const QString& name : names) {
        if (m_payers->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
            m_payers->addItem(name);
        }
    }
    showTotal();
}

void FeeDetailScreen::removeChosenPayers()
{
    const QList<QListWidgetItem*> chosen = m_payers->selectedItems();
    if (chosen.isEmpty()) {
        return;
    }
    qDeleteAll(chosen);
    showTotal();
}

void FeeDetailScreen::store()
{
    const FeeCheck result =
        checkFees(ui::toUtf8(m_headCountField->text()), ui::toUtf8(m_feeField->currentText()));
    ui::FieldCheck::markAll({m_headCountField, m_feeField},
                            {result.report.failed[HeadCount], result.report.failed[Fee]});
    if (!result.report.ok()) {
        warn(result.report.message);
        return;
    }
    m_total->setText(ui::toQString(formatAmount(result.total)));
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirm))) {
        return;
    }
    const std::string note = ui::toUtf8(m_note->text());
    if (!ui::runOnStore(this, m_title,
                        [&] { storeFeePayers(m_location, m_key, payers(), result.fee, note); })) {
        return;
    }
    m_stored = Stored{result.total, feeNote(m_itemName, result.headCount)};
    warn(kStored);
}

void FeeDetailScreen::clearFields()
{
    m_headCountField->clear();
    m_feeField->setEditText({});
    m_total->clear();
    m_note->clear();
    m_payers->clear();
}

void FeeDetailScreen::showTotal()
{
    const long long headCount = m_payers->count();
    m_headCountField->setText(QString::number(headCount));
    const long long fee = readFee(ui::toUtf8(m_feeField->currentText())).value_or(0);
    m_total->setText(ui::toQString(formatAmount(fee * headCount)));
}

bool FeeDetailScreen::feeFails() const { return !readFee(ui::toUtf8(m_feeField->currentText())); }

bool FeeDetailScreen::headCountFails() const
{
    return !readHeadCount(ui::toUtf8(m_headCountField->text()));
}

std::vector<std::string> FeeDetailScreen::payers() const
{
    std::vector<std::string> names;
    for (int row = 0; row < m_payers->count(); ++row) {
        names.push_back(ui::toUtf8(m_payers->item(row)->text()));
    }
    return names;
}

void FeeDetailScreen::warn(std::string_view message)
{
    ui::MessageBox::warning(this, m_title, ui::toQString(message));
}

} // namespace zoruka
