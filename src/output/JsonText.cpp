#include "output/JsonText.h"

#include <array>
#include <cstdio>

namespace zoruka {

std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
            json += escape.data();
        } else {
            json += c;
        }
    }
    return json + "\"";
}

} // namespace zoruka
