#include "matchtable/DoublesSetup.h"

#include "common/CountText.h"
#include "matchtable/DoublesGenerator.h"

namespace zoruka::doubles_setup {

Check check(std::string_view participants, std::string_view courts, std::string_view games) {
    Check result;
    const std::array<std::string_view, FieldCount> texts{participants, courts, games};
    const std::array<std::string_view, FieldCount> messages{kChooseParticipants, kChooseCourts,
                                                            kChooseGames};
    std::array<int, FieldCount> values{};
    for (int field = 0; field < FieldCount; ++field) {
        const std::optional<int> value = parseCount(texts[field], kMaxCount);
        result.failed[field] = !value;
        if (!value && result.message.empty()) {
            result.message = messages[field];
        }
        values[field] = value.value_or(0);
    }
    if (!result.message.empty()) {
        return result;
    }

    const RunParameters params =
        DoublesGenerator::parameters(values[Participants], values[Courts], values[Games]);
    if (params.onCourt > params.participants) {
        result.message = kTooFewParticipants;
        return result;
    }
    result.params = params;
    return result;
}

} // namespace zoruka::doubles_setup
