#include "matchtable/CountFields.h"

#include "common/CountText.h"

namespace zoruka {

CountFieldsCheck checkCountFields(const std::vector<CountField>& fields)
{
    CountFieldsCheck check;
    for (const CountField& field : fields) {
        const std::optional<int> value = parseCount(field.text, kMaxCount);
        check.failed.push_back(!value);
        check.values.push_back(value.value_or(0));
        if (!value && check.message.empty()) {
            check.message = field.message;
        }
    }
    return check;
}

CountFieldsCheck checkTwoSides(const std::array<CountField, 4>& fields, int perCourt,
                               std::string_view tooFewA, std::string_view tooFewB)
{
    CountFieldsCheck check = checkCountFields({fields.begin(), fields.end()});
    if (!check.ok()) {
        return check;
    }
    const int needed = perCourt * check.values[2];
    if (check.values[0] < needed) {
        check.message = tooFewA;
    } else if (check.values[1] < needed) {
        check.message = tooFewB;
    }
    return check;
}

} // namespace zoruka
