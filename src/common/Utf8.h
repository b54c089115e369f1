#pragma once

#include <cstddef>
#include <string_view>

namespace zoruka {

// The code point of UTF-8 `text` that starts at byte `at`, moving `at` to the next one. Texts come
// from Qt and SQLite, which give valid UTF-8; bytes of a malformed sequence are taken as they
// come, never read past the end.
inline char32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length && at + k < text.size(); ++k) {
        c = (c << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
    }
    at += length;
    return c;
}

} // namespace zoruka
