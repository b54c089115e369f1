#pragma once

#include "matchtable/RunParameters.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// A count typed or chosen in one of a match-table screen's combo boxes, with the message shown
// when it is not a whole number from 0 to 50.
struct CountField {
    std::string_view text;
    std::string_view message;
};

struct CountFieldsCheck {
    std::vector<bool> failed; // per field, in screen order
    std::vector<int> values;  // per field; 0 where it failed
    std::string message;      // the first failing field's message, or a capacity refusal

    bool ok() const { return message.empty(); }
};

// Tests every field in screen order; the first failure gives the message.
CountFieldsCheck checkCountFields(const std::vector<CountField>& fields);

// The fields of a table of two sides (men and women, team A and team B, A pairs and B pairs) in
// screen order: side A, side B, courts, games. After the counts pass, side A and then side B
// must have `perCourt` members for every court, or `tooFewA` / `tooFewB` refuses the table.
CountFieldsCheck checkTwoSides(const std::array<CountField, 4>& fields, int perCourt,
                               std::string_view tooFewA, std::string_view tooFewB);

// What a match-table screen's check tells it: per field whether it failed, the message to show
// and, when the table may be built, its counts.
template <std::size_t Fields> struct SetupCheck {
    std::array<bool, Fields> failed{};
    std::string message;
    std::optional<RunParameters> params;

    bool ok() const { return params.has_value(); }

    // The fields' check; `parameters` makes the counts of a table from the field values.
    static SetupCheck from(const CountFieldsCheck& counts,
                           const std::function<RunParameters(const std::vector<int>&)>& parameters)
    {
        SetupCheck check;
        std::copy(counts.failed.begin(), counts.failed.end(), check.failed.begin());
        check.message = counts.message;
        if (counts.ok()) {
            check.params = parameters(counts.values);
        }
        return check;
    }
};

} // namespace zoruka
