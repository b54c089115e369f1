#pragma once

#include "matchtable/KindCounts.h"
#include "matchtable/ResultStore.h"

#include <string>
#include <vector>

namespace zoruka::test {

// `count` names made of `prefix` and the numbers 1 .. count: "甲1", "甲2", ...
inline std::vector<std::string> numberedNames(const std::string& prefix, int count)
{
    std::vector<std::string> names;
    for (int k = 1; k <= count; ++k) {
        names.push_back(prefix + std::to_string(k));
    }
    return names;
}

// `table` with a name for every number of the kind's groups: `first` or `second` and the number.
inline MatchTable withNumberedNames(MatchTable table, MatchKind kind, const std::string& first,
                                    const std::string& second)
{
    const auto sizes = groupSizes(kind, table.params);
    table.roster = Roster(numberedNames(first, sizes[0]), numberedNames(second, sizes[1]));
    return table;
}

} // namespace zoruka::test
