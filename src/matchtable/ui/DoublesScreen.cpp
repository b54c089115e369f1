#include "matchtable/ui/DoublesScreen.h"

#include "common/ui/BusyCursor.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/MatchGridView.h"
#include "common/ui/MessageBox.h"
#include "common/ui/PrintFlow.h"
#include "common/ui/QtText.h"
#include "common/ui/Widgets.h"
#include "matchtable/DoublesGenerator.h"
#include "matchtable/DoublesGrid.h"
#include "matchtable/DoublesSetup.h"
#include "matchtable/RandomTables.h"
#include "output/DoublesCsv.h"
#include "output/DoublesPrint.h"
#include "output/TableCsv.h"
#include "output/ui/CsvExportScreen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <random>

namespace zoruka {

DoublesScreen::DoublesScreen(PairingMode mode, QWidget* parent)
    : QWidget(parent, Qt::Window), m_mode(mode),
      m_messageTitle(ui::toQString(doubles_setup::kTitle))
{
    const bool random = mode == PairingMode::Random;
    setObjectName(random ? QStringLiteral("SBゾルカv4") : QStringLiteral("SBゾルカv3"));
    setWindowTitle(random ? QStringLiteral("ダブルス・ゾルカ作成Random")
                          : QStringLiteral("ダブルス・ゾルカ作成"));

    using namespace doubles_setup;
    m_counts[Participants] = ui::makeCombo(this, QStringLiteral("C参加人数"));
    m_counts[Courts] = ui::makeCombo(this, QStringLiteral("Cコート数"));
    m_counts[Games] = ui::makeCombo(this, QStringLiteral("C試合数"));
    for (int field = 0; field < FieldCount; ++field) {
        QComboBox* combo = m_counts[static_cast<std::size_t>(field)];
        ui::addNumberItems(combo, 0, kMaxCount);
        combo->setMinimumWidth(72);
        ui::FieldCheck::checkOnLeave(
            combo, [this, field] { return check().failed[static_cast<std::size_t>(field)]; });
    }
    // The pair size is fixed: the generator, print and export all assume pairs of two.
    auto* pairSize = ui::makeCombo(this, QStringLiteral("Cチーム人数"));
    pairSize->setEditText(QStringLiteral("2"));
    pairSize->setEnabled(false);
    pairSize->setMinimumWidth(56);

    auto* set = ui::makeButton(this, QStringLiteral("B設定"), QStringLiteral("設定"));
    auto* print = ui::makeButton(this, QStringLiteral("B印刷"), QStringLiteral("印刷"));
    auto* csv = ui::makeButton(this, QStringLiteral("Ccsv出力"), QStringLiteral("CSV出力"));
    auto* quit = ui::makeButton(this, QStringLiteral("終了"), QStringLiteral("終了"));
    m_grid = ui::makeGrid(this, QStringLiteral("Gゾルカ"));

    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(14);
    const std::pair<QString, QComboBox*> fields[] = {
        {QStringLiteral("設定人数"), m_counts[Participants]},
        {QStringLiteral("試合コート数"), m_counts[Courts]},
        {QStringLiteral("試合数"), m_counts[Games]},
        {QStringLiteral("人数"), pairSize},
    };
    int column = 0;
    for (const auto& [label, combo] : fields) {
        inputs->addWidget(ui::makeLabel(this, label), 0, column);
        inputs->addWidget(combo, 1, column);
        ++column;
    }
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addStretch();
    for (QPushButton* button : {set, print, csv, quit}) {
        button->setMinimumSize(88, 32);
        top->addWidget(button, 0, Qt::AlignBottom);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    resize(860, 560);

    connect(set, &QPushButton::clicked, this, &DoublesScreen::build);
    connect(print, &QPushButton::clicked, this, &DoublesScreen::print);
    connect(csv, &QPushButton::clicked, this, &DoublesScreen::exportCsv);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

doubles_setup::Check DoublesScreen::check() const
{
    using namespace doubles_setup;
    return doubles_setup::check(ui::toUtf8(m_counts[Participants]->currentText()),
                                ui::toUtf8(m_counts[Courts]->currentText()),
                                ui::toUtf8(m_counts[Games]->currentText()));
}

void DoublesScreen::build()
{
    const doubles_setup::Check result = check();
    ui::FieldCheck::markAll(QList<QWidget*>(m_counts.begin(), m_counts.end()),
                            QList<bool>(result.failed.begin(), result.failed.end()));
    if (!result.ok()) {
        ui::MessageBox::warning(this, m_messageTitle, ui::toQString(result.message));
        return;
    }

    const RunParameters& params = *result.params;
    {
        ui::BusyCursor busy;
        m_table =
            m_mode == PairingMode::Random
                ? randomDoubles(params.participants, params.courts, params.games,
                                std::random_device{}())
                : DoublesGenerator::generate(params.participants, params.courts, params.games);
    }
    ui::showMatchGrid(m_grid, doublesGrid(*m_table));
}

void DoublesScreen::print()
{
    // Before the first build the layout refuses an empty table with its own message.
    ui::printTable(this, printDoubles(m_table ? *m_table : MatchTable{}), m_messageTitle,
                   ui::toQString(doubles_setup::kPrinted));
}

void DoublesScreen::exportCsv()
{
    const QString title = ui::toQString(doubles_csv::kTitle);
    // An empty file reported as written would only mislead; the user builds a table first.
    if (!m_table || m_table->builtGames() == 0) {
        ui::MessageBox::warning(this, title, ui::toQString(table_csv::kNothingToExport));
        return;
    }
    CsvExportSpec kind{QStringLiteral("SB対戦CSV出力"), QStringLiteral("対戦CSV出力"), title,
                       ui::toQString(doubles_csv::kDone),
                       [table = *m_table](const std::string& path, TextEncoding encoding) {
                           return writeDoublesCsv(table, path, encoding);
                       }};
    CsvExportScreen(std::move(kind), this).exec();
}

} // namespace zoruka
