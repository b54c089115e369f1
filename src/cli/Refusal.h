#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// A refusal of the command line's own (an option it does not know, a value it cannot read, options
// that do not go together): `what` ends with "。", and the help text is named after it, that of
// zoruka-cli unless `help` names another ("zoruka-cli accounts --help").
inline std::string refusal(const std::string& what, std::string_view help = "zoruka-cli --help")
{
    return what + "使い方は「" + std::string(help) + "」で表示されます。";
}

} // namespace zoruka
