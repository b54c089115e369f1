#include "app/StartupRoutine.h"

#include <optional>

namespace zoruka {

namespace {

std::optional<StartupValues>& stored()
{
    static std::optional<StartupValues> values;
    return values;
}

} // namespace

void StartupRoutine::run(const CalendarDate& today) { stored() = StartupValues::forDate(today); }

const StartupValues& StartupRoutine::values()
{
    if (!stored()) {
        run(StartupValues::systemToday());
    }
    return *stored();
}

} // namespace zoruka
