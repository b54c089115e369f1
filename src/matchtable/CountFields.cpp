#include "matchtable/CountFields.h"

#include "common/CountText.h"
#include "matchtable/RunParameters.h"

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

} // namespace zoruka
