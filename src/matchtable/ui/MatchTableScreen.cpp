#include "matchtable/ui/MatchTableScreen.h"

#include "common/ui/BusyCursor.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/GridModelView.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "output/TableCsv.h"
#include "output/ui/PrintFlow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zoruka {

namespace {

constexpr int kFontSize = 10;

} // namespace

MatchTableScreen::MatchTableScreen(Kind kind, QWidget* parent)
    : QWidget(parent, Qt::Window), m_kind(std::move(kind))
{
    setObjectName(m_kind.name);
    setWindowTitle(m_kind.caption);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kFontSize));

    for (std::size_t field = 0; field < m_kind.counts.size(); ++field) {
        QComboBox* combo = ui::makeCombo(this, m_kind.counts[field].combo);
        ui::addNumberItems(combo, 0, kMaxCount);
        combo->setMinimumWidth(72);
        if (static_cast<int>(field) < m_kind.promptedCounts) {
            combo->setEditText(m_kind.countPrompt);
        }
        // Returns bool, not the vector<bool> proxy that would outlive the checked vector.
        ui::FieldCheck::checkOnLeave(combo,
                                     [this, field]() -> bool { return check().failed[field]; });
        m_counts.push_back(combo);
    }

    auto* set = ui::makeButton(this, QStringLiteral("B設定"), QStringLiteral("設定"));
    auto* print = ui::makeButton(this, QStringLiteral("B印刷"), QStringLiteral("印刷"));
    QPushButton* csv = nullptr;
    if (m_kind.csv) {
        csv = ui::makeButton(this, QStringLiteral("Ccsv出力"), QStringLiteral("CSV出力"));
    }
    auto* quit = ui::makeButton(this, QStringLiteral("終了"), QStringLiteral("終了"));
    for (QPushButton* button : {set, quit}) {
        button->setFont(ui::fonts::font(ui::fonts::kGothic, kFontSize));
    }
    m_grid = ui::makeGrid(this, QStringLiteral("Gゾルカ"));

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(14);
    int column = 0;
    const auto addField = [&](const QString& label, const QString& labelName, QComboBox* combo) {
        fields->addWidget(ui::makeLabel(this, label, labelName), 0, column);
        fields->addWidget(combo, 1, column);
        ++column;
    };
    for (std::size_t field = 0; field < m_kind.counts.size(); ++field) {
        const CountField& count = m_kind.counts[field];
        addField(count.label, count.labelName, m_counts[field]);
        if (static_cast<int>(field) == m_kind.pairSizeAfter) {
            // The pair size is fixed: the generators, prints and exports assume pairs of two.
            auto* pairSize = ui::makeCombo(this, QStringLiteral("Cチーム人数"));
            pairSize->setEditText(QStringLiteral("2"));
            pairSize->setEnabled(false);
            pairSize->setMinimumWidth(56);
            addField(m_kind.pairSizeLabel, m_kind.pairSizeLabelName, pairSize);
        }
    }
    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addStretch();
    for (QPushButton* button : {set, print, csv, quit}) {
        if (button) {
            button->setMinimumSize(88, 32);
            top->addWidget(button, 0, Qt::AlignBottom);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    resize(900, 560);

    connect(set, &QPushButton::clicked, this, &MatchTableScreen::build);
    connect(print, &QPushButton::clicked, this, &MatchTableScreen::print);
    if (csv) {
        connect(csv, &QPushButton::clicked, this, &MatchTableScreen::exportCsv);
    }
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

MatchTableScreen::Verdict MatchTableScreen::check() const
{
    Counts counts;
    for (QComboBox* combo : m_counts) {
        counts.push_back(ui::toUtf8(combo->currentText()));
    }
    return m_kind.check(counts);
}

void MatchTableScreen::build()
{
    const Verdict verdict = check();
    ui::FieldCheck::markAll(QList<QWidget*>(m_counts.begin(), m_counts.end()),
                            QList<bool>(verdict.failed.begin(), verdict.failed.end()));
    if (!verdict.params) {
        ui::MessageBox::warning(this, m_kind.messageTitle, ui::toQString(verdict.message));
        return;
    }
    {
        ui::BusyCursor busy;
        m_table = m_kind.generate(*verdict.params);
    }
    ui::showGrid(m_grid, m_kind.grid(*m_table));
}

void MatchTableScreen::print()
{
    ui::printTable(this, m_kind.print(m_table ? *m_table : MatchTable{}), m_kind.messageTitle,
                   m_kind.printedMessage);
}

void MatchTableScreen::exportCsv()
{
    // An empty file reported as written would only mislead; the user builds a table first.
    if (!m_table || m_table->builtGames() == 0) {
        ui::MessageBox::warning(this, m_kind.csv->refusalTitle,
                                ui::toQString(table_csv::kNothingToExport));
        return;
    }
    CsvExportScreen(m_kind.csv->screen(*m_table), this).exec();
}

} // namespace zoruka
