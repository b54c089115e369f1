#pragma once

#include <array>
#include <string>

namespace zoruka {

struct CalendarDate {
    int year = 2000; // four digits
    int month = 1;   // 1..12
    int day = 1;     // 1..31
};

// The date texts fixed once when the menu loads and kept for the whole run.
struct StartupValues {
    std::string today;                       // "yy/mm/dd"
    std::string thisYear;                    // "yyyy"
    std::array<std::string, 7> weekdayNames; // index 0 is Sunday ("日")

    static StartupValues forDate(const CalendarDate& date);
    static CalendarDate systemToday();

    // The values of the run, fixed by the start-up routine when the menu loads; the screens read
    // them for the rest of the run.
    static void fix(const CalendarDate& today);
    // The values last fixed; fixes them for the computer's date when nothing was fixed yet (a
    // screen created without the menu, as in tests).
    static const StartupValues& current();
};

// "yy/mm/dd" of a date (the year's last two digits).
std::string formatShortDate(const CalendarDate& date);

} // namespace zoruka
