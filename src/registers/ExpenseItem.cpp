#include "registers/ExpenseItem.h"

namespace zoruka {

std::string_view directionName(std::string_view direction)
{
    return direction == kIncome ? "収入" : "支出";
}

} // namespace zoruka
