#include "accounts/AmountField.h"

#include "common/TypedNumber.h"

namespace zoruka {

std::optional<long long> readAmountField(std::string_view typed)
{
    const TypedNumber amount = readWholeNumber(typed, -kMaxAmount, kMaxAmount);
    switch (amount.status) {
    case NumberStatus::Empty:
        return 0;
    case NumberStatus::Ok:
        return amount.value;
    case NumberStatus::NotANumber:
    case NumberStatus::OutOfRange:
        break;
    }
    return {};
}

} // namespace zoruka
