#include "registers/Attendance.h"

#include "store/Database.h"
#include "store/Transaction.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

namespace zoruka {

namespace {

constexpr std::string_view kTable = "参加者";
constexpr std::string_view kKey = "Key_参加者";

std::string twoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

// A cursor on the first attendee of `day`, if any; walk while onDay() holds.
TableCursor dayStart(Database& database, const DayKey& day)
{
    TableCursor rows = database.table(kTable);
    rows.setIndex(kKey);
    rows.seek(Seek::AtLeast, {day.yy, day.mm, day.dd, ""});
    return rows;
}

bool onDay(const TableCursor& rows, const DayKey& day)
{
    return !rows.eof() &&
           DayKey{rows.value("参_年"), rows.value("参_月"), rows.value("参_日")} == day;
}

// The latest day before `today` that has a list: month by month back from today's, so that the
// usual last practice, a few days ago, takes a seek or two.
std::optional<DayKey> lastDayBefore(Database& database, const DayKey& today)
{
    TableCursor rows = database.table(kTable);
    rows.setIndex(kKey);
    rows.seek(Seek::AtLeast, {"", "", "", ""});
    if (rows.eof()) {
        return std::nullopt;
    }
    // A text that is no number (a row another program wrote) counts as 0.
    const auto number = [](const std::string& text) {
        int value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    };
    const auto monthIndex = [&](const std::string& yy, const std::string& mm) {
        return number(yy) * 12 + std::max(number(mm), 1) - 1;
    };
    const int earliest = monthIndex(rows.value("参_年"), rows.value("参_月"));
    for (int month = monthIndex(today.yy, today.mm); month >= earliest; --month) {
        const std::string yy = twoDigits(month / 12);
        const std::string mm = twoDigits(month % 12 + 1);
        std::optional<DayKey> latest;
        for (rows.seek(Seek::AtLeast, {yy, mm, "", ""});
             !rows.eof() && rows.value("参_年") == yy && rows.value("参_月") == mm;
             rows.moveNext()) {
            DayKey day{yy, mm, rows.value("参_日")};
            if (day.yy + day.mm + day.dd < today.yy + today.mm + today.dd) {
                latest = std::move(day);
            }
        }
        if (latest) {
            return latest;
        }
    }
    return std::nullopt;
}

std::vector<Attendee> readDay(Database& database, const DayKey& day)
{
    std::vector<Attendee> attendees;
    for (TableCursor rows = dayStart(database, day); onDay(rows, day); rows.moveNext()) {
        attendees.push_back({rows.value("参_氏名"), rows.number("参_ゲストF") != 0,
                             rows.value("参_性別"), rows.value("参_チーム")});
    }
    return attendees;
}

} // namespace

DayKey DayKey::of(const CalendarDate& date)
{
    return {twoDigits(date.year), twoDigits(date.month), twoDigits(date.day)};
}

std::vector<SplitGroup> splitGroups(AttendanceSplit split)
{
    switch (split) {
    case AttendanceSplit::All:
        return {{"参加者", "人"}};
    case AttendanceSplit::BySex:
        return {{"男性", "人"}, {"女性", "人"}};
    case AttendanceSplit::ByTeam:
        return {{"Aチーム", "人"}, {"Bチーム", "人"}};
    case AttendanceSplit::PairsByTeam:
        break;
    }
    return {{"Aチーム", "組"}, {"Bチーム", "組"}};
}

std::variant<std::array<std::vector<std::string>, 2>, std::string>
lineupOf(const std::vector<Attendee>& attendees, AttendanceSplit split)
{
    if (attendees.empty()) {
        return std::string(attendance::kNobody);
    }
    std::array<std::vector<std::string>, 2> groups;
    for (const Attendee& attendee : attendees) {
        std::size_t group = 0;
        if (split == AttendanceSplit::BySex) {
            group = attendee.sex == "2" ? 1 : 0;
        } else if (split != AttendanceSplit::All) {
            if (attendee.team != "A" && attendee.team != "B") {
                return "チームが決まっていない参加者がいます（" + attendee.name + "）";
            }
            group = attendee.team == "B" ? 1 : 0;
        }
        groups[group].push_back(attendee.name);
    }
    const std::vector<SplitGroup> labels = splitGroups(split);
    if (split == AttendanceSplit::PairsByTeam) {
        for (std::size_t group = 0; group < 2; ++group) {
            if (groups[group].size() % 2 != 0) {
                return labels[group].label + "の人数が奇数のため、ペアを組めません";
            }
            std::vector<std::string> pairs;
            for (std::size_t i = 0; i < groups[group].size(); i += 2) {
                pairs.push_back(groups[group][i] + "・" + groups[group][i + 1]);
            }
            groups[group] = std::move(pairs);
        }
    }
    for (std::size_t group = 0; group < labels.size(); ++group) {
        if (groups[group].size() > static_cast<std::size_t>(attendance::kMostInAGroup)) {
            return labels[group].label + "が" + std::to_string(attendance::kMostInAGroup) +
                   labels[group].unit + "を超えています";
        }
    }
    return groups;
}

AttendanceBook::AttendanceBook(DatabaseLocation location) : m_location(std::move(location)) {}

std::optional<DayAttendance> AttendanceBook::offered(const DayKey& today) const
{
    Database database = Database::open(m_location);
    if (std::vector<Attendee> todays = readDay(database, today); !todays.empty()) {
        return DayAttendance{today, std::move(todays)};
    }
    const std::optional<DayKey> latest = lastDayBefore(database, today);
    if (!latest) {
        return std::nullopt;
    }
    return DayAttendance{*latest, readDay(database, *latest)};
}

bool AttendanceBook::isPracticeDay(const DayKey& day) const
{
    Database database = Database::open(m_location);
    TableCursor days = database.table("練習予定");
    days.setIndex("Key_練習予定");
    days.seek(Seek::Equal, {day.yy, day.mm, day.dd});
    return !days.noMatch();
}

void AttendanceBook::store(const DayKey& day, const std::vector<Attendee>& attendees) const
{
    Database database = Database::open(m_location);
    Transaction transaction(database);
    for (TableCursor old = dayStart(database, day); onDay(old, day); old.moveNext()) {
        old.deleteRow();
    }
    TableCursor added = database.table(kTable);
    for (std::size_t i = 0; i < attendees.size(); ++i) {
        const Attendee& attendee = attendees[i];
        added.addNew();
        added.setValue("参_年", day.yy);
        added.setValue("参_月", day.mm);
        added.setValue("参_日", day.dd);
        added.setValue("参_順", static_cast<long long>(i + 1));
        added.setValue("参_氏名", attendee.name);
        added.setValue("参_ゲストF", attendee.guest ? 1LL : 0LL);
        added.setValue("参_性別", attendee.sex);
        added.setValue("参_チーム", attendee.team);
        added.update();
    }
    transaction.commit();
}

} // namespace zoruka
