#pragma once

#include <string>

namespace zoruka {

// A refusal of the command line's own (an option it does not know, a value it cannot read, options
// that do not go together): `what` ends with "。", and the help text is named after it.
inline std::string refusal(const std::string& what)
{
    return what + "使い方は「zoruka-cli --help」で表示されます。";
}

} // namespace zoruka
