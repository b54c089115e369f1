#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// A date of the cash book as its tables keep it: two-digit, zero-padded texts of the year (the
// year 20yy), the month and the day.
struct EntryDate {
    std::string yy;
    std::string mm;
    std::string dd;

    // "yy/mm/dd".
    std::string text() const;

    bool operator==(const EntryDate&) const = default;
};

// A date typed as yy/mm/dd or yyyy/mm/dd, each part with or without leading zeros ("26/4/5",
// "2026/04/05"); full-width digits and slashes count as their ASCII forms and surrounding blanks
// are ignored. A four-digit year must lie in 2000 … 2099, the years the two-digit texts stand for.
// Returns nothing for any other text and for a day the month does not have ("26/02/30").
std::optional<EntryDate> parseEntryDate(std::string_view typed);

// The first day of month `mm` of year `yy`, as chosen with a screen's year and month combos:
// nothing unless `yy` + "/" + `mm` + "/01" is a date (see parseEntryDate).
std::optional<EntryDate> firstOfMonth(std::string_view yy, std::string_view mm);

// The last day of a month and the first day of the month after it.
struct MonthEnds {
    EntryDate lastDay;
    EntryDate nextFirst;
};
// For the month of `date`, a date that parseEntryDate() accepted. The year after "99" is "00".
MonthEnds monthEnds(const EntryDate& date);

// The year choices of a date combo: "08" … "20", continued up to `thisYy` when that is later, so
// that the current year can be picked.
std::vector<std::string> yearChoices(std::string_view thisYy);

// "01" … "nn", the choices of a month (nn = 12) or day (nn = 31) combo.
std::vector<std::string> twoDigitChoices(int last);

} // namespace zoruka
