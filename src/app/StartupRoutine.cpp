#include "app/StartupRoutine.h"

namespace zoruka {

void StartupRoutine::run(const CalendarDate& today) { StartupValues::fix(today); }

const StartupValues& StartupRoutine::values() { return StartupValues::current(); }

} // namespace zoruka
