#include "matchtable/ui/ScreenNames.h"

#include "common/StartupValues.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/QtText.h"
#include "common/ui/Widgets.h"
#include "matchtable/KindCounts.h"
#include "output/PlayerSheetsPrint.h"
#include "output/ui/PrintFlow.h"
#include "registers/ui/AttendanceScreen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace zoruka {

namespace {

AttendanceSplit splitOf(MatchKind kind)
{
    switch (kind) {
    case MatchKind::Doubles:
        return AttendanceSplit::All;
    case MatchKind::Mixed:
        return AttendanceSplit::BySex;
    case MatchKind::Team:
        return AttendanceSplit::ByTeam;
    case MatchKind::FixedPairs:
        break;
    }
    return AttendanceSplit::PairsByTeam;
}

// Today as the attendance keys it, from the date the program started with ("yy/mm/dd").
DayKey today()
{
    const std::string& date = StartupValues::current().today;
    return {date.substr(0, 2), date.substr(3, 2), date.substr(6, 2)};
}

} // namespace

ScreenNames::ScreenNames(QWidget* screen, MatchKind kind, std::vector<QComboBox*> groupCounts,
                         QString messageTitle, const std::optional<MatchTable>* table)
    : QObject(screen), m_screen(screen), m_kind(kind), m_groupCounts(std::move(groupCounts)),
      m_messageTitle(std::move(messageTitle)), m_table(table)
{
    auto* attendance = ui::makeButton(screen, QStringLiteral("B参加者"), QStringLiteral("参加者"));
    auto* playerSheets =
        ui::makeButton(screen, QStringLiteral("B個人表"), QStringLiteral("個人表"));
    m_status = ui::makeLabel(screen, {}, QStringLiteral("L参加者数"));
    QGroupBox* shownAs = ui::makeFrame(screen, QStringLiteral("Frame表示"));
    m_names = ui::makeOption(shownAs, QStringLiteral("R名前"), QStringLiteral("名前"));
    m_numbers = ui::makeOption(shownAs, QStringLiteral("R番号"), QStringLiteral("番号"));
    m_names->setChecked(true);
    shownAs->setEnabled(false);
    auto* options = new QHBoxLayout(shownAs);
    options->setContentsMargins(6, 0, 6, 0);
    options->addWidget(m_names);
    options->addWidget(m_numbers);

    auto* row = new QHBoxLayout;
    row->addWidget(attendance);
    row->addWidget(m_status, 1);
    row->addWidget(shownAs);
    row->addWidget(playerSheets);
    for (QPushButton* button : {attendance, playerSheets}) {
        button->setMinimumSize(88, 28);
    }
    m_controls = row;
    describe();

    connect(attendance, &QPushButton::clicked, this, &ScreenNames::chooseAttendance);
    connect(playerSheets, &QPushButton::clicked, this, &ScreenNames::printPlayerSheets);
    connect(m_names, &QRadioButton::toggled, this, &ScreenNames::shownChanged);
}

Roster ScreenNames::rosterFor(const RunParameters& params)
{
    if (m_lineup.empty()) {
        return {};
    }
    const std::array<int, 2> sizes = groupSizes(m_kind, params);
    for (std::size_t group = 0; group < 2; ++group) {
        if (static_cast<int>(m_lineup.groups[group].size()) != sizes[group]) {
            describe(QStringLiteral("（人数が参加者と違うため、番号で表示しています）"));
            return {};
        }
    }
    describe();
    return m_lineup;
}

MatchTable ScreenNames::shown(const MatchTable& table) const
{
    MatchTable shown = table;
    if (m_numbers->isChecked()) {
        shown.roster = {};
    }
    return shown;
}

void ScreenNames::tableShown(const MatchTable& table)
{
    m_names->parentWidget()->setEnabled(!table.roster.empty());
}

void ScreenNames::chooseAttendance()
{
    AttendanceScreen attendance(splitOf(m_kind), DatabaseLocation::startFolder(), today(),
                                m_screen);
    if (attendance.exec() != QDialog::Accepted) {
        return;
    }
    m_lineup = attendance.roster();
    for (std::size_t group = 0; group < m_groupCounts.size(); ++group) {
        m_groupCounts[group]->setEditText(QString::number(m_lineup.groups[group].size()));
    }
    describe();
}

void ScreenNames::printPlayerSheets()
{
    ui::printTable(m_screen, zoruka::printPlayerSheets(m_kind, m_table->value_or(MatchTable{})),
                   m_messageTitle, ui::toQString(player_sheets::kPrinted));
}

void ScreenNames::describe(const QString& note)
{
    if (m_lineup.empty()) {
        m_status->setText(QStringLiteral("番号で表示（「参加者」で名前を付けられます）"));
        return;
    }
    const std::vector<SplitGroup> groups = splitGroups(splitOf(m_kind));
    QStringList counts;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        counts << ui::toQString(groups[group].label) +
                      QString::number(m_lineup.groups[group].size()) +
                      ui::toQString(groups[group].unit == "人" ? "名" : groups[group].unit);
    }
    m_status->setText(counts.join(QStringLiteral("・")) + note);
}

} // namespace zoruka
