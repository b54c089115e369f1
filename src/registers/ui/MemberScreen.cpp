#include "registers/ui/MemberScreen.h"

#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "registers/MemberGrid.h"

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

using namespace members;

constexpr int kPointSize = 10;
constexpr int kAgeListMaximum = 80;

// A frame holding two option buttons side by side, the first one chosen.
std::pair<QRadioButton*, QRadioButton*> makeChoice(QWidget* parent, const QString& frameName,
                                                   const std::array<QString, 4>& names)
{
    QGroupBox* frame = ui::makeFrame(parent, frameName);
    auto* first = ui::makeOption(frame, names[0], names[1]);
    auto* second = ui::makeOption(frame, names[2], names[3]);
    first->setChecked(true);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 2, 8, 2);
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return {first, second};
}

} // namespace

MemberScreen::MemberScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_register(database), m_title(ui::toQString(kTitle)),
      m_list(this, QStringLiteral("会員一覧"))
{
    setObjectName(QStringLiteral("b会員登録v3"));
    setWindowTitle(QStringLiteral("会員登録"));
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    m_name = ui::makeTextBox(this, QStringLiteral("氏名"));
    m_kana = ui::makeTextBox(this, QStringLiteral("氏名カナ"));
    m_age = ui::makeCombo(this, QStringLiteral("C年齢"));
    ui::addNumberItems(m_age, 0, kAgeListMaximum);
    m_age->setMaximumWidth(80);
    std::tie(m_male, m_female) = makeChoice(this, QStringLiteral("Frame2"),
                                            {QStringLiteral("R男性"), QStringLiteral("男性"),
                                             QStringLiteral("R女性"), QStringLiteral("女性")});
    std::tie(m_active, m_excluded) = makeChoice(this, QStringLiteral("Frame1"),
                                                {QStringLiteral("R有効"), QStringLiteral("有効"),
                                                 QStringLiteral("R無効"), QStringLiteral("無効")});
    m_order = ui::makeTextBox(this, QStringLiteral("出力順"));
    m_order->setMaximumWidth(80);
    m_postal1 = ui::makeTextBox(this, QStringLiteral("郵便番号1"));
    m_postal2 = ui::makeTextBox(this, QStringLiteral("郵便番号2"));
    m_postal1->setMaximumWidth(60);
    m_postal2->setMaximumWidth(70);
    m_address1 = ui::makeTextBox(this, QStringLiteral("住所1"));
    m_address2 = ui::makeTextBox(this, QStringLiteral("住所2"));
    m_phone = ui::makeTextBox(this, QStringLiteral("電話番号"));
    m_phone->setMaximumWidth(180);
    m_remark = ui::makeTextBox(this, QStringLiteral("備考"));
    m_checked = {m_name, m_kana, m_age, m_postal1, m_postal2, m_order};

    auto* postal = new QHBoxLayout;
    postal->addWidget(m_postal1);
    postal->addWidget(ui::makeLabel(this, QStringLiteral("-")));
    postal->addWidget(m_postal2);
    postal->addStretch();

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    const auto addRow = [&](const QString& label, QWidget* field, QLayout* fields = nullptr) {
        const int row = form->rowCount();
        form->addWidget(ui::makeLabel(this, label), row, 0);
        if (fields) {
            form->addLayout(fields, row, 1);
        } else {
            form->addWidget(field, row, 1);
        }
    };
    addRow(QStringLiteral("氏名"), m_name);
    addRow(QStringLiteral("氏名カナ"), m_kana);
    addRow(QStringLiteral("年齢"), m_age);
    addRow(QStringLiteral("性別"), m_male->parentWidget());
    addRow(QStringLiteral("チェック表出力対象"), m_active->parentWidget());
    addRow(QStringLiteral("出力順"), m_order);
    addRow(QStringLiteral("連絡先　〒"), nullptr, postal);
    addRow(QStringLiteral("住所1"), m_address1);
    addRow(QString(), m_address2);
    addRow(QStringLiteral("電話番号"), m_phone);
    addRow(QStringLiteral("備考"), m_remark);

    auto* confirm = ui::makeButton(this, QStringLiteral("B確定"), QStringLiteral("確定"));
    auto* erase = ui::makeButton(this, QStringLiteral("B削除"), QStringLiteral("削除"));
    auto* clear = ui::makeButton(this, QStringLiteral("Bクリア"), QStringLiteral("クリア"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addCommandButtons(buttons, {confirm, erase, clear, quit});

    auto* entry = new QVBoxLayout;
    entry->addLayout(form);
    entry->addStretch();
    entry->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(18);
    layout->addLayout(entry, 1);
    layout->addWidget(m_list.table());
    resize(940, 560);

    for (int field = 0; field < FieldCount; ++field) {
        ui::FieldCheck::checkOnLeave(m_checked[static_cast<std::size_t>(field)],
                                     [this, field] { return leaveFails(Field(field)); });
    }
    connect(m_list.table(), &QTableWidget::cellClicked, this,
            [this](int row, int) { choose(row); });
    connect(confirm, &QPushButton::clicked, this, &MemberScreen::store);
    connect(erase, &QPushButton::clicked, this, &MemberScreen::remove);
    connect(clear, &QPushButton::clicked, this, &MemberScreen::clearFields);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    fillList();
}

void MemberScreen::fillList()
{
    std::vector<Member> found;
    ui::runOnStore(this, m_title, [&] { found = m_register.list(); });
    m_list.show(memberGrid(found));
}

void MemberScreen::choose(int row)
{
    const QString name = m_list.text(row, 0);
    // The header row and the empty rows below the list hold no member.
    if (row < 1 || name.isEmpty()) {
        warn(kOutOfRange);
        return;
    }
    m_list.choose(row);
    std::optional<Member> member;
    if (!ui::runOnStore(this, m_title, [&] { member = m_register.find(ui::toUtf8(name)); })) {
        return;
    }
    if (!member) {
        warn(kNotRetrievable);
        return;
    }
    showMember(*member);
}

void MemberScreen::store()
{
    const MemberRegister::Check result = MemberRegister::check(typed());
    showChecked(result.member);
    ui::FieldCheck::markAll(QList<QWidget*>(m_checked.begin(), m_checked.end()),
                            QList<bool>(result.report.failed.begin(), result.report.failed.end()));
    if (!result.report.ok()) {
        warn(result.report.message);
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirmSave))) {
        return;
    }
    if (!ui::runOnStore(this, m_title, [&] { m_register.save(result.member); })) {
        return;
    }
    warn(kSaved);
    fillList();
}

void MemberScreen::remove()
{
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(kConfirmDelete))) {
        return;
    }
    const std::string name = ui::toUtf8(m_name->text());
    MemberRegister::Removal removal{};
    if (!ui::runOnStore(this, m_title, [&] { removal = m_register.remove(name); })) {
        return;
    }
    switch (removal) {
    case MemberRegister::Removal::NotRegistered:
        warn(kDeleteMissing);
        return;
    case MemberRegister::Removal::HasFeeDetail:
        warn(kHasFeeDetail);
        return;
    case MemberRegister::Removal::Deleted:
        break;
    }
    warn(kDeleted);
    fillList();
}

void MemberScreen::clearFields()
{
    for (QLineEdit* field :
         {m_name, m_kana, m_postal1, m_postal2, m_address1, m_address2, m_phone, m_remark}) {
        field->clear();
    }
    m_age->setEditText(ui::toQString(kDefaultAge));
}

Member MemberScreen::typed() const
{
    Member member;
    member.name = ui::toUtf8(m_name->text());
    member.kana = ui::toUtf8(m_kana->text());
    member.age = ui::toUtf8(m_age->currentText());
    member.sex = m_male->isChecked() ? "1" : "2";
    member.excluded = !m_active->isChecked();
    member.order = ui::toUtf8(m_order->text());
    member.postal1 = ui::toUtf8(m_postal1->text());
    member.postal2 = ui::toUtf8(m_postal2->text());
    member.address1 = ui::toUtf8(m_address1->text());
    member.address2 = ui::toUtf8(m_address2->text());
    member.phone = ui::toUtf8(m_phone->text());
    member.remark = ui::toUtf8(m_remark->text());
    return member;
}

void MemberScreen::showMember(const Member& member)
{
    m_name->setText(ui::toQString(member.name));
    m_kana->setText(ui::toQString(member.kana));
    m_age->setEditText(ui::toQString(member.age));
    (member.sex == "1" ? m_male : m_female)->setChecked(true);
    (member.excluded ? m_excluded : m_active)->setChecked(true);
    m_order->setText(ui::toQString(member.order));
    m_postal1->setText(ui::toQString(member.postal1));
    m_postal2->setText(ui::toQString(member.postal2));
    m_address1->setText(ui::toQString(member.address1));
    m_address2->setText(ui::toQString(member.address2));
    m_phone->setText(ui::toQString(member.phone));
    m_remark->setText(ui::toQString(member.remark));
}

void MemberScreen::showChecked(const Member& checked)
{
    m_age->setEditText(ui::toQString(checked.age));
    m_order->setText(ui::toQString(checked.order));
}

bool MemberScreen::leaveFails(Field field)
{
    const MemberRegister::Check result = MemberRegister::check(typed());
    if (field == Age) {
        m_age->setEditText(ui::toQString(result.member.age));
    } else if (field == Order) {
        m_order->setText(ui::toQString(result.member.order));
    }
    // A second postal group without the first marks the first one.
    if (field == Postal2) {
        ui::FieldCheck::mark(m_postal1, result.report.failed[Postal1]);
    }
    return result.report.failed[static_cast<std::size_t>(field)];
}

void MemberScreen::warn(std::string_view message)
{
    ui::MessageBox::warning(this, m_title, ui::toQString(message));
}

} // namespace zoruka
