#include "common/CountText.h"

#include "common/TypedNumber.h"

namespace zoruka {

std::optional<int> parseCount(std::string_view text, int maximum)
{
    text = trimmedBlanks(text);
    if (text.empty()) {
        return std::nullopt;
    }
    const std::size_t end = text.size();
    long value = 0;
    std::size_t i = 0;
    while (i < end) {
        int digit = -1;
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= '0' && byte <= '9') {
            digit = byte - '0';
            i += 1;
        } else if (byte == 0xEF && i + 3 <= end &&
                   static_cast<unsigned char>(text[i + 1]) == 0xBC) {
            // Full-width digits U+FF10..U+FF19 are EF BC 90..99 in UTF-8.
            const auto last = static_cast<unsigned char>(text[i + 2]);
            if (last >= 0x90 && last <= 0x99) {
                digit = last - 0x90;
                i += 3;
            }
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 10 + digit;
        if (value > maximum) {
            return std::nullopt;
        }
    }
    return static_cast<int>(value);
}

} // namespace zoruka
