#include "accounts/ui/AccountsCsvScreen.h"

#include "accounts/AnnualReport.h"
#include "accounts/EntryDate.h"
#include "accounts/ui/FiscalYearCombo.h"
#include "common/StartupValues.h"
#include "common/UserError.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "output/TextFile.h"
#include "output/ui/CsvExportScreen.h"
#include "registers/ClubSettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zoruka {

namespace {

using namespace accounts_csv_screen;

constexpr int kPointSize = 10;

QComboBox* monthCombo(QWidget* parent, const QString& name, const std::vector<std::string>& items,
                      const std::string& today)
{
    QComboBox* combo = ui::makeCombo(parent, name);
    for (const std::string& item : items) {
        combo->addItem(ui::toQString(item));
    }
    combo->setCurrentText(ui::toQString(today));
    combo->setMaximumWidth(70);
    return combo;
}

// "202504".
std::string compact(const YearMonth& month)
{
    std::string text = month.text();
    return text.erase(4, 1);
}

std::string fileName(AccountsExport kind, const MonthRange& months)
{
    std::string name(exportName(kind));
    if (kind != AccountsExport::Members) {
        name += "_" + compact(months.first);
        if (months.last != months.first) {
            name += "-" + compact(months.last);
        }
    }
    return name + ".csv";
}

} // namespace

AccountsCsvScreen::AccountsCsvScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_title(ui::toQString(kTitle))
{
    setObjectName(QStringLiteral("cCSV出力"));
    setWindowTitle(m_title);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    QGroupBox* contents = ui::makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("出力内容"));
    m_cashBook = ui::makeOption(contents, QStringLiteral("R出納帳"), QStringLiteral("出納帳"));
    m_feeDetail = ui::makeOption(contents, QStringLiteral("R会費明細"), QStringLiteral("会費明細"));
    auto* members =
        ui::makeOption(contents, QStringLiteral("R会員名簿"), QStringLiteral("会員名簿"));
    m_cashBook->setChecked(true);
    auto* contentRow = new QHBoxLayout(contents);
    for (QRadioButton* option : {m_cashBook, m_feeDetail, members}) {
        contentRow->addWidget(option);
    }
    contentRow->addStretch();

    m_period = ui::makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("期間"));
    m_byMonths = ui::makeOption(m_period, QStringLiteral("R月指定"), QStringLiteral("年月"));
    auto* byYear = ui::makeOption(m_period, QStringLiteral("R年度指定"), QStringLiteral("年度"));
    m_byMonths->setChecked(true);
    const std::string& today = StartupValues::current().today; // "yy/mm/dd"
    const std::vector<std::string> years = yearChoices(today.substr(0, 2));
    const std::vector<std::string> months = twoDigitChoices(12);
    m_fromYear = monthCombo(m_period, QStringLiteral("C開始年"), years, today.substr(0, 2));
    m_fromMonth = monthCombo(m_period, QStringLiteral("C開始月"), months, today.substr(3, 2));
    m_toYear = monthCombo(m_period, QStringLiteral("C終了年"), years, today.substr(0, 2));
    m_toMonth = monthCombo(m_period, QStringLiteral("C終了月"), months, today.substr(3, 2));
    int startMonth = club_settings::kDefaultFiscalStartMonth;
    ui::runOnStore(this, m_title,
                   [&] { startMonth = club_settings::fiscalStartMonth(m_location); });
    m_fiscalYear = ui::makeFiscalYearCombo(m_period, startMonth);

    auto* periodGrid = new QGridLayout(m_period);
    auto* range = new QHBoxLayout;
    for (const auto& [combo, unit] : {std::pair{m_fromYear, "年"}, std::pair{m_fromMonth, "月　～"},
                                      std::pair{m_toYear, "年"}, std::pair{m_toMonth, "月"}}) {
        range->addWidget(combo);
        range->addWidget(ui::makeLabel(m_period, QString::fromUtf8(unit)));
    }
    range->addStretch();
    auto* year = new QHBoxLayout;
    year->addWidget(m_fiscalYear);
    year->addWidget(ui::makeLabel(m_period, QStringLiteral("年度")));
    year->addStretch();
    periodGrid->addWidget(m_byMonths, 0, 0);
    periodGrid->addLayout(range, 0, 1);
    periodGrid->addWidget(byYear, 1, 0);
    periodGrid->addLayout(year, 1, 1);

    auto* exportButton =
        ui::makeButton(this, QStringLiteral("BCSV出力"), QStringLiteral("CSV出力"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {exportButton, quit}) {
        button->setMinimumSize(88, 32);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(contents);
    layout->addWidget(m_period);
    layout->addStretch();
    layout->addLayout(buttons);

    // The member register has no months.
    connect(members, &QRadioButton::toggled, m_period, &QWidget::setDisabled);
    connect(exportButton, &QPushButton::clicked, this, &AccountsCsvScreen::exportCsv);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

AccountsExport AccountsCsvScreen::chosenExport() const
{
    return m_cashBook->isChecked()    ? AccountsExport::CashBook
           : m_feeDetail->isChecked() ? AccountsExport::FeeDetail
                                      : AccountsExport::Members;
}

std::optional<MonthRange> AccountsCsvScreen::chosenMonths()
{
    if (!m_byMonths->isChecked()) {
        int startMonth = 0;
        if (!ui::runOnStore(this, m_title,
                            [&] { startMonth = club_settings::fiscalStartMonth(m_location); })) {
            return std::nullopt;
        }
        const std::optional<FiscalYear> year = ui::chosenFiscalYear(m_fiscalYear, startMonth);
        if (!year) {
            ui::MessageBox::warning(this, m_title, ui::toQString(annual_report::kBadYear));
            return std::nullopt;
        }
        return year->months();
    }
    const auto monthOfCombos = [](QComboBox* year, QComboBox* month) {
        const std::optional<EntryDate> first =
            firstOfMonth(ui::toUtf8(year->currentText()), ui::toUtf8(month->currentText()));
        ui::FieldCheck::mark(year, !first);
        ui::FieldCheck::mark(month, !first);
        return first ? monthOf(first->yy, first->mm) : std::nullopt;
    };
    const std::optional<YearMonth> from = monthOfCombos(m_fromYear, m_fromMonth);
    const std::optional<YearMonth> to = monthOfCombos(m_toYear, m_toMonth);
    if (!from || !to) {
        ui::MessageBox::warning(this, m_title, ui::toQString(kBadMonth));
        return std::nullopt;
    }
    if (*to < *from) {
        ui::FieldCheck::mark(m_toYear, true);
        ui::FieldCheck::mark(m_toMonth, true);
        ui::MessageBox::warning(this, m_title, ui::toQString(kBadRange));
        return std::nullopt;
    }
    return MonthRange{*from, *to};
}

void AccountsCsvScreen::exportCsv()
{
    const AccountsExport kind = chosenExport();
    MonthRange months;
    if (kind != AccountsExport::Members) {
        const std::optional<MonthRange> chosen = chosenMonths();
        if (!chosen) {
            return;
        }
        months = *chosen;
    }
    CsvExportSpec spec{
        QStringLiteral("cCSV出力先"),
        m_title,
        m_title,
        ui::toQString(kDone),
        [location = m_location, kind, months](const std::string& path,
                                              TextEncoding encoding) -> std::optional<std::string> {
            try {
                return writeTextFile(path, accountsCsv(location, kind, months), encoding);
            } catch (const UserError& error) {
                return std::string(error.what());
            }
        },
        ui::toQString(fileName(kind, months))};
    CsvExportScreen(std::move(spec), this).exec();
}

} // namespace zoruka
