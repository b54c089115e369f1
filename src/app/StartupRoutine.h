#pragma once

#include "common/StartupValues.h"

namespace zoruka {

// a初期処理v4: fixes today's date texts and the weekday names when the menu loads; the accounting
// screens read them for the rest of the run.
class StartupRoutine {
public:
    // Fixes the values for `today` (the menu passes the computer's date).
    static void run(const CalendarDate& today);

    // The values of the last run; runs for the computer's date if nothing has run yet (a screen
    // created without the menu, as in tests).
    static const StartupValues& values();
};

} // namespace zoruka
