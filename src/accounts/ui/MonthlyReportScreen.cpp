#include "accounts/ui/MonthlyReportScreen.h"

#include "accounts/CashBookGrid.h"
#include "accounts/print/MonthlyReportPrint.h"
#include "accounts/ui/MonthChoice.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "output/ui/PrintFlow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zoruka {

namespace {

using namespace monthly_report;

constexpr int kPointSize = 10;

// A frame with the option buttons "あり" (chosen) and "なし" side by side; returns "あり".
QRadioButton* yesNoFrame(QWidget* parent, const QString& frameName, const QString& caption,
                         const QString& yesName, const QString& noName, QLayout* into)
{
    QGroupBox* frame = ui::makeFrame(parent, frameName, caption);
    auto* yes = ui::makeOption(frame, yesName, QStringLiteral("あり"));
    auto* no = ui::makeOption(frame, noName, QStringLiteral("なし"));
    yes->setChecked(true);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(yes);
    row->addWidget(no);
    into->addWidget(frame);
    return yes;
}

} // namespace

MonthlyReportScreen::MonthlyReportScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_title(ui::toQString(kTitle)),
      m_combos(this, false), m_grid(this, QStringLiteral("出納"))
{
    setObjectName(QStringLiteral("d月次報告書v3"));
    setWindowTitle(QStringLiteral("月次報告書"));
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    auto* showButton = ui::makeButton(this, QStringLiteral("B表示"), QStringLiteral("表示"));
    auto* print = ui::makeButton(this, QStringLiteral("B印刷"), QStringLiteral("印刷"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));

    auto* controls = new QHBoxLayout;
    controls->setSpacing(10);
    ui::addMonthChoice(controls, this, m_combos);
    controls->addWidget(showButton);
    controls->addSpacing(16);
    m_withPayments = yesNoFrame(this, QStringLiteral("Frame2"), QStringLiteral("明細出力"),
                                QStringLiteral("R明細1"), QStringLiteral("R明細2"), controls);
    m_withSummary = yesNoFrame(this, QStringLiteral("Frame1"), QStringLiteral("サマリー出力"),
                               QStringLiteral("R合計1"), QStringLiteral("R合計2"), controls);
    controls->addStretch();
    ui::addCommandButtons(controls, {print, quit});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_grid.table(), 1, Qt::AlignHCenter);
    resize(940, 600);

    connect(showButton, &QPushButton::clicked, this, &MonthlyReportScreen::showMonth);
    connect(print, &QPushButton::clicked, this, &MonthlyReportScreen::print);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    m_grid.show(cashBookGrid({}));
    showMonth();
}

bool MonthlyReportScreen::showMonth()
{
    const std::optional<EntryDate> first = firstOfMonth(m_combos.yearText(), m_combos.monthText());
    m_combos.mark(!first);
    if (!first) {
        ui::MessageBox::warning(this, m_title, ui::toQString(kBadMonth));
        return false;
    }
    if (!ui::runOnStore(this, m_title, [&] { m_report = readMonthlyReport(m_location, *first); })) {
        return false;
    }
    m_grid.show(cashBookGrid(m_report.book));
    return true;
}

void MonthlyReportScreen::print()
{
    if (!showMonth()) {
        return;
    }
    const ReportParts parts{m_withPayments->isChecked(), m_withSummary->isChecked()};
    ui::printTable(this, printMonthlyReport(m_report, parts), m_title, QString());
}

} // namespace zoruka
