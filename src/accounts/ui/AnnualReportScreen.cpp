#include "accounts/ui/AnnualReportScreen.h"

#include "accounts/AnnualReportGrid.h"
#include "accounts/print/AnnualChart.h"
#include "accounts/print/AnnualReportPrint.h"
#include "accounts/ui/FiscalYearCombo.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "output/ui/PrintFlow.h"
#include "output/ui/PrintPageView.h"
#include "registers/ClubSettings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zoruka {

namespace {

using namespace annual_report;

constexpr int kPointSize = 10;
// The chart as the sheet lays it out, in millimetres.
constexpr ChartArea kChartArea{0, 0, 180, 70};
constexpr double kChartMargin = 2;

PrintPage chartPage(const AnnualReport& report)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.setFont("ＭＳＰ ゴシック");
    drawAnnualChart(builder, report, kChartArea);
    return builder.finish().front().pages.front();
}

} // namespace

AnnualReportScreen::AnnualReportScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_title(ui::toQString(kTitle)),
      m_grid(this, QStringLiteral("年間収支"))
{
    setObjectName(QStringLiteral("d年間報告書"));
    setWindowTitle(m_title);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    int startMonth = club_settings::kDefaultFiscalStartMonth;
    ui::runOnStore(this, m_title,
                   [&] { startMonth = club_settings::fiscalStartMonth(m_location); });
    m_year = ui::makeFiscalYearCombo(this, startMonth);
    m_period = ui::makeLabel(this, {}, QStringLiteral("期間"));
    auto* showButton = ui::makeButton(this, QStringLiteral("B表示"), QStringLiteral("表示"));
    auto* print = ui::makeButton(this, QStringLiteral("B印刷"), QStringLiteral("印刷"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));

    auto* controls = new QHBoxLayout;
    controls->setSpacing(10);
    controls->addWidget(m_year);
    controls->addWidget(ui::makeLabel(this, QStringLiteral("年度")));
    controls->addWidget(showButton);
    controls->addSpacing(16);
    controls->addWidget(m_period);
    controls->addStretch();
    ui::addCommandButtons(controls, {print, quit});

    m_chart = new ui::PrintPageView(this, QStringLiteral("年間グラフ"));
    m_chart->setMinimumHeight(200);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_grid.table(), 3, Qt::AlignHCenter);
    layout->addWidget(m_chart, 2);
    const QRect screenRoom = screen()->availableGeometry();
    resize(std::min(1000, screenRoom.width()), std::min(680, screenRoom.height()));

    connect(showButton, &QPushButton::clicked, this, &AnnualReportScreen::showYear);
    connect(print, &QPushButton::clicked, this, &AnnualReportScreen::print);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    showYear();
}

std::optional<AnnualReport> AnnualReportScreen::showYear()
{
    std::optional<AnnualReport> report;
    ui::runOnStore(this, m_title, [&] {
        const std::optional<FiscalYear> year =
            ui::chosenFiscalYear(m_year, club_settings::fiscalStartMonth(m_location));
        if (!year) {
            ui::MessageBox::warning(this, m_title, ui::toQString(kBadYear));
            return;
        }
        report = readAnnualReport(m_location, *year);
    });
    if (!report) {
        return std::nullopt;
    }
    m_period->setText(ui::toQString(report->year.periodText()));
    m_grid.show(annualReportGrid(*report));
    m_chart->show(chartPage(*report), kChartArea.left - kChartMargin, kChartArea.top - kChartMargin,
                  kChartArea.right + 2 * kChartMargin, kChartArea.bottom + 2 * kChartMargin);
    return report;
}

void AnnualReportScreen::print()
{
    if (const std::optional<AnnualReport> report = showYear()) {
        ui::printTable(this, printAnnualReport(*report), m_title, QString());
    }
}

} // namespace zoruka
