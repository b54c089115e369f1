#pragma once

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
    std::string message;      // the first failing field's message, empty when all pass

    bool ok() const { return message.empty(); }
};

// Tests every field in screen order; the first failure gives the message.
CountFieldsCheck checkCountFields(const std::vector<CountField>& fields);

} // namespace zoruka
