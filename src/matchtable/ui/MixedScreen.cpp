#include "matchtable/ui/MixedScreen.h"

#include "common/ui/BusyCursor.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/MatchGridView.h"
#include "common/ui/MessageBox.h"
#include "common/ui/PrintFlow.h"
#include "common/ui/QtText.h"
#include "common/ui/Widgets.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/MixedGrid.h"
#include "matchtable/RandomTables.h"
#include "output/MixedCsv.h"
#include "output/MixedPrint.h"
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

MixedScreen::MixedScreen(PairingMode mode, QWidget* parent)
    : QWidget(parent, Qt::Window), m_mode(mode), m_messageTitle(ui::toQString(mixed_setup::kTitle))
{
    const bool random = mode == PairingMode::Random;
    setObjectName(random ? QStringLiteral("SBMixゾルカv4") : QStringLiteral("SBMixゾルカv3"));
    setWindowTitle(random ? QStringLiteral("MIXダブルス・ゾルカ作成Random")
                          : QStringLiteral("MIXダブルス・ゾルカ作成"));

    using namespace mixed_setup;
    m_counts[Men] = ui::makeCombo(this, QStringLiteral("C男"));
    m_counts[Women] = ui::makeCombo(this, QStringLiteral("C女"));
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
        {QStringLiteral("男性人数"), m_counts[Men]},
        {QStringLiteral("女性人数"), m_counts[Women]},
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
    resize(960, 560);

    connect(set, &QPushButton::clicked, this, &MixedScreen::build);
    connect(print, &QPushButton::clicked, this, &MixedScreen::print);
    connect(csv, &QPushButton::clicked, this, &MixedScreen::exportCsv);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

mixed_setup::Check MixedScreen::check() const
{
    using namespace mixed_setup;
    return mixed_setup::check(
        ui::toUtf8(m_counts[Men]->currentText()), ui::toUtf8(m_counts[Women]->currentText()),
        ui::toUtf8(m_counts[Courts]->currentText()), ui::toUtf8(m_counts[Games]->currentText()));
}

void MixedScreen::build()
{
    const mixed_setup::Check result = check();
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
                ? randomMixed(params.men, params.women, params.courts, params.games,
                              std::random_device{}())
                : MixedGenerator::generate(params.men, params.women, params.courts, params.games);
    }
    ui::showMatchGrid(m_grid, mixedGrid(*m_table));
}

void MixedScreen::print()
{
    // Before the first build the layout refuses the empty table with its own message.
    ui::printTable(this, printMixed(m_table ? *m_table : MatchTable{}), m_messageTitle,
                   ui::toQString(mixed_setup::kPrinted));
}

void MixedScreen::exportCsv()
{
    // An empty file reported as written would only mislead; the user builds a table first.
    if (!m_table || m_table->builtGames() == 0) {
        ui::MessageBox::warning(this, m_messageTitle, ui::toQString(table_csv::kNothingToExport));
        return;
    }
    CsvExportSpec spec{QStringLiteral("SBMix対戦CSV"), QStringLiteral("Mixダブルス対戦CSV出力"),
                       ui::toQString(mixed_csv::kTitle), ui::toQString(mixed_csv::kDone),
                       [table = *m_table](const std::string& path, TextEncoding encoding) {
                           return writeMixedCsv(table, path, encoding);
                       }};
    CsvExportScreen(std::move(spec), this).exec();
}

} // namespace zoruka
