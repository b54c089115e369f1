#include "common/NumberFormat.h"

namespace zoruka {

std::string twoCharField(int number)
{
    std::string digits = std::to_string(number);
    if (digits.size() < 2) {
        return " " + digits;
    }
    return digits.substr(0, 2);
}

std::string formatAmount(long long yen)
{
    const bool negative = yen < 0;
    std::string digits = std::to_string(negative ? -yen : yen);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return negative ? "-" + grouped : grouped;
}

} // namespace zoruka
