#include "common/Utf8.h"

namespace zoruka {

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        decoded += c;
        i += length;
    }
    return decoded;
}

std::string encodeUtf8(std::u32string_view text)
{
    std::string encoded;
    for (const char32_t c : text) {
        if (c < 0x80) {
            encoded += static_cast<char>(c);
        } else if (c < 0x800) {
            encoded += static_cast<char>(0xC0 | (c >> 6));
            encoded += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            encoded += static_cast<char>(0xE0 | (c >> 12));
            encoded += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            encoded += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            encoded += static_cast<char>(0xF0 | (c >> 18));
            encoded += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            encoded += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            encoded += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return encoded;
}

} // namespace zoruka
