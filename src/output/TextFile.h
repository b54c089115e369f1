#pragma once

#include "output/TextEncoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace zoruka {

// Writes text (UTF-8: a CSV file, a note beside it) in `encoding` to `path` as writeOutputFile()
// does. Returns nothing when
// done, else the message to show: writeOutputFile()'s, or — with nothing written — that the text
// holds a character Shift_JIS cannot represent: "「𠮷」はShift_JISで表せない文字のため出力できま
// せん。文字コードにUTF-8を選んでください".
std::optional<std::string> writeTextFile(const std::string& path, std::string_view utf8,
                                         TextEncoding encoding);

// The message refusing to write `utf8` in `encoding` as writeTextFile() gives it, or nothing when
// the encoding holds every character.
std::optional<std::string> encodingProblem(std::string_view utf8, TextEncoding encoding);

} // namespace zoruka
