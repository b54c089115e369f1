#include "registers/ui/AttendanceScreen.h"

#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "registers/MemberRegister.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace zoruka {

namespace {

constexpr int kPointSize = 10;

enum Column { Number, Name, Reading, Kind, Sex, Team, ColumnCount };
// What a row keeps beside its texts, in the name column.
constexpr int kGuestRole = Qt::UserRole;
constexpr int kInactiveRole = Qt::UserRole + 1;
constexpr int kSexRole = Qt::UserRole + 2;

QString sexText(const std::string& sex)
{
    return sex == "2" ? QStringLiteral("女") : QStringLiteral("男");
}

// The group a ticked attendee is numbered in, or -1 while a team split has no team for it.
int groupOf(AttendanceSplit split, const Attendee& attendee)
{
    switch (split) {
    case AttendanceSplit::All:
        return 0;
    case AttendanceSplit::BySex:
        return attendee.sex == "2" ? 1 : 0;
    case AttendanceSplit::ByTeam:
    case AttendanceSplit::PairsByTeam:
        break;
    }
    return attendee.team == "A" ? 0 : attendee.team == "B" ? 1 : -1;
}

Attendee attendeeAt(const QTreeWidgetItem* row)
{
    return {ui::toUtf8(row->text(Name)), row->data(Name, kGuestRole).toBool(),
            ui::toUtf8(row->data(Name, kSexRole).toString()), ui::toUtf8(row->text(Team))};
}

QString dayText(const DayKey& day) { return ui::toQString(day.yy + "/" + day.mm + "/" + day.dd); }

} // namespace

AttendanceScreen::AttendanceScreen(AttendanceSplit split, const DatabaseLocation& database,
                                   DayKey today, QWidget* parent)
    : QDialog(parent), m_split(split), m_location(database), m_today(std::move(today)),
      m_title(ui::toQString(attendance::kTitle))
{
    setObjectName(QStringLiteral("c参加者v3"));
    setWindowTitle(QStringLiteral("参加者"));
    setModal(true);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));
    const bool teams = split == AttendanceSplit::ByTeam || split == AttendanceSplit::PairsByTeam;

    m_offered = ui::makeLabel(this, {}, QStringLiteral("L表示中"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("L参加者"));
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({QStringLiteral("番号"), QStringLiteral("氏名"), QStringLiteral("ヨミ"),
                             QStringLiteral("区分"), QStringLiteral("性別"),
                             QStringLiteral("チーム")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The order numbers the players: rows are dragged into place, never onto another row.
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setColumnHidden(Sex, split != AttendanceSplit::BySex);
    m_list->setColumnHidden(Team, !teams);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setMinimumSize(420, 320);

    auto* up = ui::makeButton(this, QStringLiteral("B上へ"), QStringLiteral("上へ"));
    auto* down = ui::makeButton(this, QStringLiteral("B下へ"), QStringLiteral("下へ"));
    auto* remove = ui::makeButton(this, QStringLiteral("B削除"), QStringLiteral("ゲスト削除"));
    auto* side = new QVBoxLayout;
    for (QPushButton* button : {up, down, remove}) {
        side->addWidget(button);
    }
    if (teams) {
        auto* teamA = ui::makeButton(this, QStringLiteral("BAチーム"), QStringLiteral("Aチームへ"));
        auto* teamB = ui::makeButton(this, QStringLiteral("BBチーム"), QStringLiteral("Bチームへ"));
        auto* even = ui::makeButton(this, QStringLiteral("B均等"), QStringLiteral("均等に分ける"));
        side->addSpacing(12);
        for (QPushButton* button : {teamA, teamB, even}) {
            side->addWidget(button);
        }
        connect(teamA, &QPushButton::clicked, this, [this] { setTeam(QStringLiteral("A")); });
        connect(teamB, &QPushButton::clicked, this, [this] { setTeam(QStringLiteral("B")); });
        connect(even, &QPushButton::clicked, this, &AttendanceScreen::splitEvenly);
    }
    side->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_list, 1);
    lists->addLayout(side);

    m_inactive = new QCheckBox(QStringLiteral("無効の会員も表示"), this);
    m_inactive->setObjectName(QStringLiteral("Chk無効会員"));

    m_guest = ui::makeTextBox(this, QStringLiteral("ゲスト名"));
    auto* addGuest = ui::makeButton(this, QStringLiteral("B追加"), QStringLiteral("追加"));
    auto* guests = new QHBoxLayout;
    guests->addWidget(ui::makeLabel(this, QStringLiteral("ゲスト")));
    guests->addWidget(m_guest, 1);
    if (split == AttendanceSplit::BySex) {
        QGroupBox* sex = ui::makeFrame(this, QStringLiteral("Frameゲスト性別"));
        auto* man = ui::makeOption(sex, QStringLiteral("Rゲスト男性"), QStringLiteral("男性"));
        m_guestWoman = ui::makeOption(sex, QStringLiteral("Rゲスト女性"), QStringLiteral("女性"));
        man->setChecked(true);
        auto* options = new QHBoxLayout(sex);
        options->addWidget(man);
        options->addWidget(m_guestWoman);
        guests->addWidget(sex);
    }
    guests->addWidget(addGuest);

    auto* decide = ui::makeButton(this, QStringLiteral("B決定"), QStringLiteral("決定"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_inactive);
    buttons->addStretch();
    ui::addCommandButtons(buttons, {decide, quit});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_offered);
    layout->addLayout(lists, 1);
    layout->addLayout(guests);
    layout->addLayout(buttons);
    resize(640, 560);

    connect(up, &QPushButton::clicked, this, [this] { moveChosen(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveChosen(1); });
    connect(remove, &QPushButton::clicked, this, &AttendanceScreen::removeGuests);
    connect(addGuest, &QPushButton::clicked, this, &AttendanceScreen::addGuest);
    connect(m_guest, &QLineEdit::returnPressed, this, &AttendanceScreen::addGuest);
    connect(m_inactive, &QCheckBox::toggled, this, &AttendanceScreen::showInactive);
    connect(decide, &QPushButton::clicked, this, &AttendanceScreen::decide);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem*, int column) {
        if (column == Name) {
            renumber();
        }
    });
    // A dragged row arrives as a row inserted; the numbers follow once the move is done.
    connect(m_list->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        QMetaObject::invokeMethod(this, &AttendanceScreen::renumber, Qt::QueuedConnection);
    });

    load();
}

void AttendanceScreen::load()
{
    std::optional<DayAttendance> offered;
    bool practiceDay = false;
    ui::runOnStore(this, m_title, [&] {
        m_members = MemberRegister(m_location).list();
        const AttendanceBook book(m_location);
        offered = book.offered(m_today);
        practiceDay = book.isPracticeDay(m_today);
    });
    const auto memberNamed = [this](const std::string& name) -> const Member* {
        const auto found = std::find_if(m_members.begin(), m_members.end(),
                                        [&](const Member& member) { return member.name == name; });
        return found == m_members.end() ? nullptr : &*found;
    };
    if (offered) {
        for (Attendee attendee : offered->attendees) {
            const Member* member = attendee.guest ? nullptr : memberNamed(attendee.name);
            if (member) {
                attendee.sex = member->sex; // the register knows the members best
            }
            addRow(attendee, true, member && member->excluded,
                   member ? ui::toQString(member->kana) : QString());
        }
    }
    for (const Member& member : m_members) {
        if (!member.excluded &&
            m_list->findItems(ui::toQString(member.name), Qt::MatchExactly, Name).isEmpty()) {
            addRow({member.name, false, member.sex, {}}, false, false, ui::toQString(member.kana));
        }
    }
    if (!offered) {
        m_offered->setText(QStringLiteral("参加する会員にチェックを付けてください"));
    } else if (offered->day == m_today) {
        m_offered->setText(
            QStringLiteral("本日（%1%2）の参加者")
                .arg(dayText(m_today), practiceDay ? QStringLiteral("・練習日") : QString()));
    } else {
        m_offered->setText(QStringLiteral("前回（%1）の参加者").arg(dayText(offered->day)));
    }
    renumber();
}

QTreeWidgetItem* AttendanceScreen::addRow(const Attendee& attendee, bool ticked, bool inactive,
                                          const QString& reading)
{
    auto* row = new QTreeWidgetItem;
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
                  Qt::ItemIsDragEnabled);
    row->setText(Name, ui::toQString(attendee.name));
    row->setText(Reading, reading);
    row->setText(Kind, attendee.guest ? QStringLiteral("ゲスト")
                       : inactive     ? QStringLiteral("会員（無効）")
                                      : QStringLiteral("会員"));
    row->setText(Sex, sexText(attendee.sex));
    row->setText(Team, ui::toQString(attendee.team));
    row->setData(Name, kGuestRole, attendee.guest);
    row->setData(Name, kInactiveRole, inactive);
    row->setData(Name, kSexRole, ui::toQString(attendee.sex));
    row->setCheckState(Name, ticked ? Qt::Checked : Qt::Unchecked);
    m_list->addTopLevelItem(row);
    return row;
}

void AttendanceScreen::showInactive(bool shown)
{
    if (shown) {
        for (const Member& member : m_members) {
            if (member.excluded &&
                m_list->findItems(ui::toQString(member.name), Qt::MatchExactly, Name).isEmpty()) {
                addRow({member.name, false, member.sex, {}}, false, true,
                       ui::toQString(member.kana));
            }
        }
        return;
    }
    for (int i = m_list->topLevelItemCount() - 1; i >= 0; --i) {
        const QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->data(Name, kInactiveRole).toBool() && row->checkState(Name) != Qt::Checked) {
            delete m_list->takeTopLevelItem(i);
        }
    }
}

void AttendanceScreen::addGuest()
{
    const std::string name = trimmedName(ui::toUtf8(m_guest->text()));
    if (name.empty()) {
        warn(attendance::kEnterGuest);
        return;
    }
    if (!m_list->findItems(ui::toQString(name), Qt::MatchExactly, Name).isEmpty()) {
        warn("「" + name + "」はすでに一覧にあります");
        return;
    }
    const bool woman = m_guestWoman && m_guestWoman->isChecked();
    m_list->setCurrentItem(addRow({name, true, woman ? "2" : "1", {}}, true, false, {}));
    m_guest->clear();
    renumber();
}

void AttendanceScreen::removeGuests()
{
    const QList<QTreeWidgetItem*> chosen = m_list->selectedItems();
    for (QTreeWidgetItem* row : chosen) {
        if (!row->data(Name, kGuestRole).toBool()) {
            warn("会員は一覧から削除できません、参加しない会員はチェックを外してください");
            return;
        }
    }
    qDeleteAll(chosen);
    renumber();
}

void AttendanceScreen::moveChosen(int step)
{
    QTreeWidgetItem* row = m_list->currentItem();
    if (!row) {
        return;
    }
    const int from = m_list->indexOfTopLevelItem(row);
    const int to = from + step;
    if (to < 0 || to >= m_list->topLevelItemCount()) {
        return;
    }
    m_list->insertTopLevelItem(to, m_list->takeTopLevelItem(from));
    m_list->clearSelection();
    m_list->setCurrentItem(row);
    renumber();
}

void AttendanceScreen::setTeam(const QString& team)
{
    for (QTreeWidgetItem* row : m_list->selectedItems()) {
        row->setText(Team, team);
    }
    renumber();
}

void AttendanceScreen::splitEvenly()
{
    // In turn, so that teams stay within one of each other; pairs go two by two.
    const int perTurn = m_split == AttendanceSplit::PairsByTeam ? 2 : 1;
    int dealt = 0;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->checkState(Name) == Qt::Checked) {
            row->setText(Team,
                         (dealt++ / perTurn) % 2 == 0 ? QStringLiteral("A") : QStringLiteral("B"));
        }
    }
    renumber();
}

void AttendanceScreen::renumber()
{
    const QSignalBlocker quiet(m_list);
    std::array<int, 2> counted{};
    const int perNumber = m_split == AttendanceSplit::PairsByTeam ? 2 : 1;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_list->topLevelItem(i);
        const int group = groupOf(m_split, attendeeAt(row));
        if (row->checkState(Name) != Qt::Checked || group < 0) {
            row->setText(Number, {});
            continue;
        }
        const int number = counted[static_cast<std::size_t>(group)]++ / perNumber + 1;
        row->setText(Number, QString::number(number));
    }
}

std::vector<Attendee> AttendanceScreen::ticked() const
{
    std::vector<Attendee> attendees;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->checkState(Name) == Qt::Checked) {
            attendees.push_back(attendeeAt(row));
        }
    }
    return attendees;
}

void AttendanceScreen::decide()
{
    const std::vector<Attendee> attendees = ticked();
    const auto lineup = lineupOf(attendees, m_split);
    if (const auto* message = std::get_if<std::string>(&lineup)) {
        warn(*message);
        return;
    }
    const auto& groups = std::get<0>(lineup);
    const Roster roster(groups[0], groups[1]);
    std::vector<NameGroup> named;
    const std::vector<SplitGroup> labels = splitGroups(m_split);
    for (std::size_t group = 0; group < labels.size(); ++group) {
        named.push_back({static_cast<int>(group), labels[group].label,
                         static_cast<int>(groups[group].size()), labels[group].unit});
    }
    if (const auto problem = rosterProblem(roster, named)) {
        warn(*problem);
        return;
    }
    if (ui::runOnStore(this, m_title,
                       [&] { AttendanceBook(m_location).store(m_today, attendees); })) {
        m_roster = roster;
        accept();
    }
}

void AttendanceScreen::warn(std::string_view message)
{
    ui::MessageBox::warning(this, m_title, ui::toQString(message));
}

} // namespace zoruka
