#include "matchtable/ui/MatchTableScreen.h"

#include "common/ui/BuildProgress.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/GridModelView.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "matchtable/BalancedTables.h"
#include "matchtable/KindCounts.h"
#include "matchtable/LineupSetup.h"
#include "matchtable/SeatLayout.h"
#include "matchtable/TableFairness.h"
#include "matchtable/ui/LineupChangeDialog.h"
#include "matchtable/ui/ScreenNames.h"
#include "output/TableCsv.h"
#include "output/ui/PrintFlow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zoruka {

namespace {

constexpr int kFontSize = 10;

const QString kBuilding = QStringLiteral("ゾルカを作成しています");

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
    auto* lineup = ui::makeButton(this, QStringLiteral("B途中変更"), QStringLiteral("途中変更"));
    auto* quit = ui::makeButton(this, QStringLiteral("終了"), QStringLiteral("終了"));
    for (QPushButton* button : {set, quit}) {
        button->setFont(ui::fonts::font(ui::fonts::kGothic, kFontSize));
    }
    m_grid = ui::makeGrid(this, QStringLiteral("Gゾルカ"));
    m_fairness = ui::makeLabel(this, {}, QStringLiteral("公平性"));
    m_fairness->setWordWrap(true);

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
    top->addWidget(makeWayFrame());
    top->addStretch();
    for (QPushButton* button : {set, print, csv, lineup, quit}) {
        if (button) {
            button->setMinimumSize(88, 32);
            top->addWidget(button, 0, Qt::AlignBottom);
        }
    }
    m_names = new ScreenNames(this, m_kind.matchKind,
                              {m_counts.begin(), m_counts.begin() + groupCount(m_kind.matchKind)},
                              m_kind.messageTitle, &m_table);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(m_names->controls());
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_fairness);
    resize(1000, 580);

    connect(set, &QPushButton::clicked, this, &MatchTableScreen::build);
    connect(print, &QPushButton::clicked, this, &MatchTableScreen::print);
    if (csv) {
        connect(csv, &QPushButton::clicked, this, &MatchTableScreen::exportCsv);
    }
    connect(lineup, &QPushButton::clicked, this, &MatchTableScreen::changeLineup);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_names, &ScreenNames::shownChanged, this, [this] {
        if (m_table) {
            showTable();
        }
    });
}

QWidget* MatchTableScreen::makeWayFrame()
{
    QGroupBox* frame =
        ui::makeFrame(this, QStringLiteral("Frame作成方法"), QStringLiteral("作成方法"));
    QRadioButton* own = ui::makeOption(frame, QStringLiteral("R") + m_kind.ownWay, m_kind.ownWay);
    own->setChecked(true);
    m_balanced = ui::makeOption(frame, QStringLiteral("Rバランス"), QStringLiteral("バランス"));
    m_mixHalves = new QCheckBox(QStringLiteral("前後半を混ぜる"), frame);
    m_mixHalves->setObjectName(QStringLiteral("Chk前後半を混ぜる"));
    m_mixHalves->setEnabled(false);
    connect(m_balanced, &QRadioButton::toggled, m_mixHalves, &QWidget::setEnabled);
    auto* layout = new QGridLayout(frame);
    layout->addWidget(own, 0, 0);
    layout->addWidget(m_balanced, 0, 1);
    layout->addWidget(m_mixHalves, 1, 0, 1, 2);
    return frame;
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
        if (m_balanced->isChecked()) {
            ui::BuildProgress progress(this, kBuilding);
            m_table = balancedTable(m_kind.matchKind, *verdict.params,
                                    {0, m_mixHalves->isChecked(), progress.callback()});
        } else {
            m_table = m_kind.generate(*verdict.params);
        }
    }
    m_table->roster = m_names->rosterFor(m_table->params);
    showTable();
}

void MatchTableScreen::showTable()
{
    ui::showGrid(m_grid, m_kind.grid(m_names->shown(*m_table)));
    m_names->tableShown(*m_table);
    m_fairness->setText(
        ui::toQString(fairnessLine(m_kind.matchKind, tableFairness(m_kind.matchKind, *m_table))));
}

// The lineup changes from a game on: the dialog takes the change, checked like "設定" checks its
// counts (the courts stay) and then as a lineup change; the table is rebuilt balanced.
void MatchTableScreen::changeLineup()
{
    if (!m_table || m_table->builtGames() == 0) {
        ui::MessageBox::warning(this, m_kind.messageTitle,
                                ui::toQString(lineup_setup::kNothingBuilt));
        return;
    }
    const MatchKind kind = m_kind.matchKind;
    const int groups = groupCount(kind);
    const std::array<int, 2> sizes = groupSizes(kind, m_table->params);
    // The count fields are the groups' sizes, the courts, then the games.
    std::vector<LineupChangeDialog::CountField> fields;
    for (std::size_t field = 0; field < m_kind.counts.size(); ++field) {
        const auto f = static_cast<int>(field);
        if (f != groups) {
            const int value = f < groups ? sizes[field] : m_table->params.games;
            fields.push_back(
                {m_kind.counts[field].combo, m_kind.counts[field].label, QString::number(value)});
        }
    }
    std::optional<LineupChange> change;
    const auto validate = [&](const LineupChangeDialog::Entry& entry) -> std::optional<QString> {
        Counts counts;
        for (const QString& text : entry.counts) {
            counts.push_back(ui::toUtf8(text));
        }
        counts.insert(counts.begin() + groups, std::to_string(m_table->params.courts));
        const Verdict verdict = m_kind.check(counts);
        if (!verdict.params) {
            return ui::toQString(verdict.message);
        }
        std::array<std::string, 2> leaving;
        for (std::size_t group = 0; group < entry.leaving.size(); ++group) {
            leaving[group] = ui::toUtf8(entry.leaving[group]);
        }
        const auto checked = lineup_setup::check(kind, *m_table, ui::toUtf8(entry.fromGame),
                                                 *verdict.params, {leaving[0], leaving[1]});
        if (const auto* message = std::get_if<std::string>(&checked)) {
            return ui::toQString(*message);
        }
        change = std::get<LineupChange>(checked);
        return std::nullopt;
    };
    LineupChangeDialog dialog(this, m_kind.messageTitle, m_table->builtGames(), fields,
                              m_kind.leavingLabels, validate);
    if (dialog.exec() != QDialog::Accepted || !change) {
        return;
    }
    {
        ui::BusyCursor busy;
        ui::BuildProgress progress(this, kBuilding);
        m_table = rebuiltTable(kind, *m_table, *change,
                               {0, m_mixHalves->isChecked(), progress.callback()});
    }
    // The combos show the counts the table now runs with.
    const std::array<int, 2> newSizes = groupSizes(kind, m_table->params);
    for (int field = 0; field < groups; ++field) {
        m_counts[static_cast<std::size_t>(field)]->setEditText(QString::number(newSizes[field]));
    }
    m_counts.back()->setEditText(QString::number(m_table->params.games));
    showTable();
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
