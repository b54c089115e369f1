#include "registers/ui/ExpenseItemScreen.h"

#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "registers/ExpenseItemGrid.h"

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

using namespace expense_items;

constexpr int kPointSize = 10;

} // namespace

ExpenseItemScreen::ExpenseItemScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_register(database), m_title(ui::toQString(kTitle)),
      m_list(this, QStringLiteral("費目一覧"))
{
    setObjectName(QStringLiteral("b費目登録v3"));
    setWindowTitle(QStringLiteral("費目登録"));
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    QGroupBox* filterFrame =
        ui::makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("表示区分"));
    auto* showAll = ui::makeOption(filterFrame, QStringLiteral("H全て"), QStringLiteral("全て"));
    auto* showIncome = ui::makeOption(filterFrame, QStringLiteral("H収入"), QStringLiteral("収入"));
    auto* showExpense =
        ui::makeOption(filterFrame, QStringLiteral("H支出"), QStringLiteral("支出"));
    showAll->setChecked(true);
    auto* filterRow = new QHBoxLayout(filterFrame);
    for (QRadioButton* option : {showAll, showIncome, showExpense}) {
        filterRow->addWidget(option);
    }

    QGroupBox* directionFrame = ui::makeFrame(this, QStringLiteral("Frame1"));
    m_income = ui::makeOption(directionFrame, QStringLiteral("R収入"), QStringLiteral("収入"));
    m_expense = ui::makeOption(directionFrame, QStringLiteral("R支出"), QStringLiteral("支出"));
    m_income->setChecked(true);
    auto* directionRow = new QHBoxLayout(directionFrame);
    directionRow->setContentsMargins(8, 4, 8, 4);
    directionRow->addWidget(m_income);
    directionRow->addWidget(m_expense);
    directionRow->addStretch();

    m_code = ui::makeTextBox(this, QStringLiteral("費目番号"));
    m_name = ui::makeTextBox(this, QStringLiteral("費目名称"));
    m_shortName = ui::makeTextBox(this, QStringLiteral("費目略称"));
    m_remark = ui::makeTextBox(this, QStringLiteral("備考"));
    m_code->setMaximumWidth(100);
    m_shortName->setMaximumWidth(160);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->addWidget(ui::makeLabel(this, QStringLiteral("収支区分"), QStringLiteral("Label3")), 0,
                    0);
    form->addWidget(directionFrame, 0, 1);
    const std::pair<QString, QLineEdit*> fields[] = {
        {QStringLiteral("費目番号"), m_code},
        {QStringLiteral("費目名称"), m_name},
        {QStringLiteral("費目略称"), m_shortName},
        {QStringLiteral("備考"), m_remark},
    };
    const QString labelNames[] = {QStringLiteral("Label4"), QStringLiteral("Label6"),
                                  QStringLiteral("Label2"), QStringLiteral("Label5")};
    int row = 1;
    for (const auto& [label, box] : fields) {
        form->addWidget(ui::makeLabel(this, label, labelNames[row - 1]), row, 0);
        form->addWidget(box, row, 1);
        ++row;
    }

    QTableWidget* grid = m_list.table();
    auto* listColumn = new QVBoxLayout;
    listColumn->setSpacing(4);
    listColumn->addWidget(
        ui::makeLabel(this, QStringLiteral("費目一覧"), QStringLiteral("Label1")));
    listColumn->addWidget(grid, 1);

    auto* confirm = ui::makeButton(this, QStringLiteral("B確定"), QStringLiteral("確定"));
    auto* erase = ui::makeButton(this, QStringLiteral("削除"), QStringLiteral("削除"));
    auto* quit = ui::makeButton(this, QStringLiteral("終了"), QStringLiteral("終了"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {confirm, erase, quit}) {
        button->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));
        button->setMinimumSize(88, 32);
        buttons->addWidget(button);
    }

    auto* entry = new QVBoxLayout;
    entry->addLayout(form);
    entry->addStretch();
    entry->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->setSpacing(18);
    body->addLayout(listColumn);
    body->addLayout(entry, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filterFrame, 0, Qt::AlignLeft);
    layout->addLayout(body, 1);
    resize(940, 560);

    connect(showAll, &QRadioButton::clicked, this, [this] { fillList(Filter::All); });
    connect(showIncome, &QRadioButton::clicked, this, [this] {
        m_income->setChecked(true);
        fillList(Filter::Income);
    });
    connect(showExpense, &QRadioButton::clicked, this, [this] {
        m_expense->setChecked(true);
        fillList(Filter::Expense);
    });
    connect(grid, &QTableWidget::cellClicked, this, [this](int clicked, int) { choose(clicked); });
    connect(confirm, &QPushButton::clicked, this, &ExpenseItemScreen::store);
    connect(erase, &QPushButton::clicked, this, &ExpenseItemScreen::remove);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    fillList(Filter::All);
}

void ExpenseItemScreen::fillList(Filter filter)
{
    m_filter = filter;
    std::vector<ExpenseItem> items;
    ui::runOnStore(this, m_title, [&] { items = m_register.list(filter); });
    m_list.show(expenseItemGrid(items));
    if (!items.empty()) {
        clearFields();
    }
}

void ExpenseItemScreen::choose(int row)
{
    const QString code = m_list.text(row, 1);
    // The header row and the empty rows below the list hold no item.
    if (row < 1 || code.isEmpty()) {
        warn(kOutOfRange);
        return;
    }
    const std::string chosenDirection(m_list.text(row, 0) == QStringLiteral("収入") ? kIncome
                                                                                    : kExpense);
    m_list.choose(row);
    std::optional<ExpenseItem> item;
    if (!ui::runOnStore(this, m_title,
                        [&] { item = m_register.find(chosenDirection, ui::toUtf8(code)); })) {
        return;
    }
    if (!item) {
        warn(kNotRegistered);
        return;
    }
    showItem(*item);
}

void ExpenseItemScreen::store()
{
    const ExpenseItem item = typed();
    CheckReport report(FieldCount);
    if (!ui::runOnStore(this, m_title, [&] { report = m_register.check(item); })) {
        return;
    }
    ui::FieldCheck::markAll({m_code, m_name}, {report.failed[Code], report.failed[Name]});
    if (!report.ok()) {
        warn(report.message);
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirmSave))) {
        return;
    }
    if (!ui::runOnStore(this, m_title, [&] { m_register.save(item); })) {
        return;
    }
    warn(kSaved);
    fillList(m_filter);
}

void ExpenseItemScreen::remove()
{
    const std::string chosenDirection = direction();
    const std::string code = ui::toUtf8(m_code->text());
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirmDelete))) {
        return;
    }
    ExpenseItemRegister::Removal removal{};
    if (!ui::runOnStore(this, m_title,
                        [&] { removal = m_register.remove(chosenDirection, code); })) {
        return;
    }
    switch (removal) {
    case ExpenseItemRegister::Removal::NotRegistered:
        warn(kDeleteMissing);
        return;
    case ExpenseItemRegister::Removal::CarryForward:
        warn(kCarryForward);
        return;
    case ExpenseItemRegister::Removal::InUse:
        warn(kInUse);
        return;
    case ExpenseItemRegister::Removal::Deleted:
        break;
    }
    warn(kDeleted);
    fillList(m_filter);
}

std::string ExpenseItemScreen::direction() const
{
    return std::string(m_income->isChecked() ? kIncome : kExpense);
}

ExpenseItem ExpenseItemScreen::typed() const
{
    return {direction(), ui::toUtf8(m_code->text()), ui::toUtf8(m_name->text()),
            ui::toUtf8(m_shortName->text()), ui::toUtf8(m_remark->text())};
}

void ExpenseItemScreen::showItem(const ExpenseItem& item)
{
    (item.direction == kIncome ? m_income : m_expense)->setChecked(true);
    m_code->setText(ui::toQString(item.code));
    m_name->setText(ui::toQString(item.name));
    m_shortName->setText(ui::toQString(item.shortName));
    m_remark->setText(ui::toQString(item.remark));
}

void ExpenseItemScreen::clearFields()
{
    for (QLineEdit* field : {m_code, m_name, m_shortName, m_remark}) {
        field->clear();
    }
}

void ExpenseItemScreen::warn(std::string_view message)
{
    ui::MessageBox::warning(this, m_title, ui::toQString(message));
}

} // namespace zoruka
