#include "common/AmountText.h"

namespace zoruka {

namespace {

// Fifteen digits hold any yen amount and keep the value far from the limits of long long.
constexpr int kMaxDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<long long> parseAmountText(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const bool negative = text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    if (text.empty() || !isDigit(text.front()) || !isDigit(text.back())) {
        return std::nullopt;
    }
    long long value = 0;
    int digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',' && isDigit(text[i - 1])) {
            continue;
        }
        if (!isDigit(c) || ++digits > kMaxDigits) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

} // namespace zoruka
