#pragma once

#include "accounts/EntryDate.h"

#include <array>

namespace zoruka {

// The first day of the month before and after the month of `first`, a date parseEntryDate()
// accepted. The year before "00" is "99", as the year after "99" is "00".
EntryDate previousMonth(const EntryDate& first);
EntryDate nextMonth(const EntryDate& first);

// A month laid out as a calendar: six week rows of seven days, Sunday first, holding the day of
// the month or 0 where the month has no day. Every month fits; one that starts on a Saturday and
// has 31 days, or on a Friday or Saturday with 30 or more days, uses all six rows.
using CalendarWeeks = std::array<std::array<int, 7>, 6>;
CalendarWeeks calendarWeeks(const EntryDate& first);

} // namespace zoruka
