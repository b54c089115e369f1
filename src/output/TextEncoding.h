#pragma once

#include <string>
#include <string_view>

namespace zoruka {

enum class TextEncoding {
    ShiftJis, // the Japanese Windows code page CP932, what spreadsheets there expect
    Utf8,     // with a byte-order mark, so spreadsheets recognise it
};

// The bytes of a file holding `utf8` in `encoding`. For ShiftJis, throws std::invalid_argument
// when the text is not valid UTF-8 or holds a character that CP932 cannot represent.
std::string encodeText(std::string_view utf8, TextEncoding encoding);

} // namespace zoruka
