#include "common/TextWidth.h"

#include "common/Utf8.h"

namespace zoruka {

namespace {

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

} // namespace

int displayWidth(std::string_view text)
{
    int width = 0;
    for (std::size_t at = 0; at < text.size();) {
        width += isWide(nextCodePoint(text, at)) ? 2 : 1;
    }
    return width;
}

std::string padRight(std::string_view text, int width)
{
    std::string padded(text);
    for (int w = displayWidth(text); w < width; ++w) {
        padded += ' ';
    }
    return padded;
}

} // namespace zoruka
