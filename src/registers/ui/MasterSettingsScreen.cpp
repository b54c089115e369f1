#include "registers/ui/MasterSettingsScreen.h"

#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zoruka {

namespace {

constexpr int kPointSize = 10;

} // namespace

MasterSettingsScreen::MasterSettingsScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_database(database),
      m_title(ui::toQString(club_settings::kTitle))
{
    setObjectName(QStringLiteral("bマスタ登録v3"));
    setWindowTitle(m_title);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    const std::array<std::pair<QString, QString>, club_settings::FieldCount> fields{{
        {QStringLiteral("チーム名"), QStringLiteral("チーム名")},
        {QStringLiteral("月会費"), QStringLiteral("月会費")},
        {QStringLiteral("参加費1"), QStringLiteral("参加費１")},
        {QStringLiteral("参加費2"), QStringLiteral("参加費２")},
        {QStringLiteral("参加費3"), QStringLiteral("参加費３")},
    }};
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    for (int field = 0; field < club_settings::FieldCount; ++field) {
        const auto& [name, label] = fields[static_cast<std::size_t>(field)];
        QLineEdit* box = ui::makeTextBox(this, name);
        if (field == club_settings::ClubName) {
            box->setMinimumWidth(300);
        } else {
            box->setAlignment(Qt::AlignRight);
            box->setMaximumWidth(130);
        }
        m_fields[static_cast<std::size_t>(field)] = box;
        form->addWidget(ui::makeLabel(this, label), field, 0);
        form->addWidget(box, field, 1, Qt::AlignLeft);
    }

    m_fiscalStart = ui::makeCombo(this, QStringLiteral("C年度開始月"));
    ui::addNumberItems(m_fiscalStart, 1, 12);
    m_fiscalStart->setMaximumWidth(70);
    auto* fiscalStart = new QHBoxLayout;
    fiscalStart->addWidget(m_fiscalStart);
    fiscalStart->addWidget(ui::makeLabel(this, QStringLiteral("月")));
    form->addWidget(ui::makeLabel(this, QStringLiteral("年度開始月")), club_settings::FieldCount,
                    0);
    form->addLayout(fiscalStart, club_settings::FieldCount, 1, Qt::AlignLeft);

    auto* confirm = ui::makeButton(this, QStringLiteral("B確定"), QStringLiteral("確定"));
    auto* quit = ui::makeButton(this, QStringLiteral("終了"), QStringLiteral("終了"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {confirm, quit}) {
        button->setMinimumSize(88, 32);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(confirm, &QPushButton::clicked, this, &MasterSettingsScreen::store);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    showFiscalStart(club_settings::kDefaultFiscalStartMonth);
    ui::runOnStore(this, m_title, [this] {
        showValues(club_settings::forDisplay(club_settings::load(m_database)));
        showFiscalStart(club_settings::fiscalStartMonth(m_database));
    });
}

club_settings::Values MasterSettingsScreen::typed() const
{
    club_settings::Values values;
    for (std::size_t field = 0; field < values.size(); ++field) {
        values[field] = ui::toUtf8(m_fields[field]->text());
    }
    return values;
}

void MasterSettingsScreen::showValues(const club_settings::Values& values)
{
    for (std::size_t field = 0; field < values.size(); ++field) {
        m_fields[field]->setText(ui::toQString(values[field]));
    }
}

void MasterSettingsScreen::showFiscalStart(int month)
{
    m_fiscalStart->setCurrentText(QString::number(month));
}

void MasterSettingsScreen::store()
{
    const club_settings::Check result = club_settings::check(typed());
    const std::optional<int> fiscalStart =
        club_settings::readFiscalStartMonth(ui::toUtf8(m_fiscalStart->currentText()));
    showValues(result.shown);
    QList<QWidget*> fields(m_fields.begin(), m_fields.end());
    QList<bool> failed(result.report.failed.begin(), result.report.failed.end());
    fields << m_fiscalStart;
    failed << !fiscalStart;
    ui::FieldCheck::markAll(fields, failed);
    if (!result.report.ok() || !fiscalStart) {
        const std::string_view message =
            result.report.ok() ? club_settings::kBadFiscalStart : result.report.message;
        ui::MessageBox::warning(this, m_title, ui::toQString(message));
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title, ui::toQString(club_settings::kConfirm))) {
        return;
    }
    if (!ui::runOnStore(this, m_title,
                        [&] { club_settings::save(m_database, result.stored, fiscalStart); })) {
        return;
    }
    showValues(club_settings::forDisplay(result.stored));
    showFiscalStart(*fiscalStart);
    ui::MessageBox::warning(this, m_title, ui::toQString(club_settings::kStored));
}

} // namespace zoruka
