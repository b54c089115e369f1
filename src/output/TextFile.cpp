#include "output/TextFile.h"

#include "output/OutputFile.h"

namespace zoruka {

std::optional<std::string> encodingProblem(std::string_view utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::ShiftJis) {
        if (const std::optional<std::string> character = firstNonShiftJis(utf8)) {
            return "「" + *character +
                   "」はShift_JISで表せない文字のため出力できません。文字コードにUTF-"
                   "8を選んでください";
        }
    }
    return std::nullopt;
}

std::optional<std::string> writeTextFile(const std::string& path, std::string_view utf8,
                                         TextEncoding encoding)
{
    if (auto problem = encodingProblem(utf8, encoding)) {
        return problem;
    }
    return writeOutputFile(path, encodeText(utf8, encoding));
}

} // namespace zoruka
