#pragma once

#include "common/StartupValues.h"
#include "store/DatabaseLocation.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zoruka {

// The texts of the attendance screen.
namespace attendance {
inline constexpr std::string_view kTitle = "参加者";
inline constexpr std::string_view kNobody = "参加者が選ばれていません";
inline constexpr std::string_view kEnterGuest = "ゲストの名前を入力してください";
// The most players (pairs) a group of a table holds: the count combos offer 0 .. 50.
inline constexpr int kMostInAGroup = 50;
} // namespace attendance

// One person of a day's attendance.
struct Attendee {
    std::string name;
    bool guest = false;    // typed by name, not in the member register
    std::string sex = "1"; // "1" man, "2" woman, as the member register keeps it
    std::string team;      // "A", "B", or empty while not chosen

    bool operator==(const Attendee&) const = default;
};

// A day as the tables key it: two-digit year, month and day texts ("26", "04", "05").
struct DayKey {
    std::string yy;
    std::string mm;
    std::string dd;

    static DayKey of(const CalendarDate& date);
    bool operator==(const DayKey&) const = default;
};

// The attendance stored for a day.
struct DayAttendance {
    DayKey day;
    std::vector<Attendee> attendees; // in the order that numbers them
};

// How a kind of match table numbers the attendance: everybody in one group (doubles), the men and
// the women (mixed doubles), team A and team B (team match), or the pairs of team A and team B,
// two attendees after each other making a pair (fixed pairs).
enum class AttendanceSplit { All, BySex, ByTeam, PairsByTeam };

// What a split's groups are called in messages and what they count.
struct SplitGroup {
    std::string label; // "男性"
    std::string unit;  // "人", or "組" for pairs
};
std::vector<SplitGroup> splitGroups(AttendanceSplit split);

// The names of each group of the split, in the order of `attendees` (pairs named "山田・佐藤"),
// or the message refusing them: nobody attending (kNobody), an attendee of a team split without
// a team, a team of an odd number of players for pairs, more than kMostInAGroup in a group.
std::variant<std::array<std::vector<std::string>, 2>, std::string>
lineupOf(const std::vector<Attendee>& attendees, AttendanceSplit split);

// The attendance of each day (table 参加者). Every call opens the database afresh; StoreError
// reaches the caller and then nothing has changed.
class AttendanceBook {
public:
    explicit AttendanceBook(DatabaseLocation location);

    // What the attendance screen offers on `today`: the list stored for today, else the one
    // stored last (the latest day before today that has one); nothing while none is stored.
    std::optional<DayAttendance> offered(const DayKey& today) const;

    // Whether `day` is a practice day of the calendar (練習予定).
    bool isPracticeDay(const DayKey& day) const;

    // Makes `attendees`, in their order, the list of `day`, in one transaction.
    void store(const DayKey& day, const std::vector<Attendee>& attendees) const;

private:
    DatabaseLocation m_location;
};

} // namespace zoruka
