#include "store/SqlText.h"

namespace zoruka {

std::string quotedName(std::string_view name) { return "\"" + std::string(name) + "\""; }

std::string quotedNames(const std::vector<std::string_view>& names)
{
    std::string list;
    for (const std::string_view name : names) {
        list += (list.empty() ? "" : ", ") + quotedName(name);
    }
    return list;
}

std::string placeholders(std::size_t count)
{
    std::string marks;
    for (std::size_t i = 0; i < count; ++i) {
        marks += i == 0 ? "?" : ", ?";
    }
    return marks;
}

} // namespace zoruka
