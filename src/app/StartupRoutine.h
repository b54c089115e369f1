#pragma once

#include "common/StartupValues.h"

namespace zoruka {

// a初期処理v4: fixes today's date texts and the weekday names when the menu loads; the accounting
// screens read them (StartupValues::current()) for the rest of the run.
class StartupRoutine {
public:
    // Fixes the values for `today` (the menu passes the computer's date).
    static void run(const CalendarDate& today);

    // The values of the last run; runs for the computer's date if nothing has run yet.
    static const StartupValues& values();
};

} // namespace zoruka
