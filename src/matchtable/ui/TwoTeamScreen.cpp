#include "matchtable/ui/TwoTeamScreen.h"

#include "common/ui/BusyCursor.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/MatchGridView.h"
#include "common/ui/MessageBox.h"
#include "common/ui/PrintFlow.h"
#include "common/ui/QtText.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"

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

TwoTeamScreen::TwoTeamScreen(Kind kind, QWidget* parent)
    : QWidget(parent, Qt::Window), m_kind(std::move(kind))
{
    setObjectName(m_kind.name);
    setWindowTitle(m_kind.caption);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kFontSize));

    m_counts[TeamA] = ui::makeCombo(this, QStringLiteral("CAチーム人数"));
    m_counts[TeamB] = ui::makeCombo(this, QStringLiteral("CBチーム人数"));
    m_counts[Courts] = ui::makeCombo(this, QStringLiteral("Cコート数"));
    m_counts[Games] = ui::makeCombo(this, QStringLiteral("C試合数"));
    for (int field = 0; field < FieldCount; ++field) {
        QComboBox* combo = m_counts[static_cast<std::size_t>(field)];
        ui::addNumberItems(combo, 0, kMaxCount);
        combo->setMinimumWidth(72);
        ui::FieldCheck::checkOnLeave(
            combo, [this, field] { return check().failed[static_cast<std::size_t>(field)]; });
    }
    for (const Field team : {TeamA, TeamB}) {
        m_counts[team]->setEditText(m_kind.teamCountPrompt);
    }

    auto* set = ui::makeButton(this, QStringLiteral("B設定"), QStringLiteral("設定"));
    auto* print = ui::makeButton(this, QStringLiteral("B印刷"), QStringLiteral("印刷"));
    auto* quit = ui::makeButton(this, QStringLiteral("終了"), QStringLiteral("終了"));
    for (QPushButton* button : {set, quit}) {
        button->setFont(ui::fonts::font(ui::fonts::kGothic, kFontSize));
    }
    m_grid = ui::makeGrid(this, QStringLiteral("Gゾルカ"));

    struct Input {
        QString label;
        QString labelName;
        QComboBox* combo;
    };
    std::vector<Input> inputs;
    for (int field = 0; field < FieldCount; ++field) {
        const auto f = static_cast<std::size_t>(field);
        inputs.push_back({m_kind.labels[f], m_kind.labelNames[f], m_counts[f]});
    }
    if (m_kind.showsPairSize) {
        // The pair size is fixed: the generator and the print assume pairs of two.
        auto* pairSize = ui::makeCombo(this, QStringLiteral("Cチーム人数"));
        pairSize->setEditText(QStringLiteral("2"));
        pairSize->setEnabled(false);
        pairSize->setMinimumWidth(56);
        inputs.insert(inputs.begin() + TeamB + 1,
                      {QStringLiteral("チーム人数"), QStringLiteral("Label2"), pairSize});
    }
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(14);
    for (int column = 0; column < static_cast<int>(inputs.size()); ++column) {
        const Input& input = inputs[static_cast<std::size_t>(column)];
        fields->addWidget(ui::makeLabel(this, input.label, input.labelName), 0, column);
        fields->addWidget(input.combo, 1, column);
    }
    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addStretch();
    for (QPushButton* button : {set, print, quit}) {
        button->setMinimumSize(88, 32);
        top->addWidget(button, 0, Qt::AlignBottom);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    resize(900, 560);

    connect(set, &QPushButton::clicked, this, &TwoTeamScreen::build);
    connect(print, &QPushButton::clicked, this, &TwoTeamScreen::print);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

TwoTeamScreen::Verdict TwoTeamScreen::check() const
{
    Counts counts;
    for (std::size_t field = 0; field < counts.size(); ++field) {
        counts[field] = ui::toUtf8(m_counts[field]->currentText());
    }
    return m_kind.check(counts);
}

void TwoTeamScreen::build()
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
    ui::showMatchGrid(m_grid, m_kind.grid(*m_table));
}

void TwoTeamScreen::print()
{
    ui::printTable(this, m_kind.print(m_table ? *m_table : MatchTable{}), m_kind.messageTitle,
                   m_kind.printedMessage);
}

} // namespace zoruka
