#pragma once

#include <optional>
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

// The first character of `utf8` that CP932 cannot represent ("𠮷"), or nothing when it can
// represent all of them.
std::optional<std::string> firstNonShiftJis(std::string_view utf8);

struct DecodedText {
    std::string utf8;
    TextEncoding encoding;
};

// The text of a file that a spreadsheet or an editor wrote: UTF-8 when it starts with a
// byte-order mark (dropped) or is valid UTF-8 throughout, else CP932. Nothing when it is neither.
std::optional<DecodedText> decodeText(std::string_view bytes);

} // namespace zoruka
