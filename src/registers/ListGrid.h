#pragma once

#include "common/GridModel.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace zoruka {

// The empty list grid of a register screen: row 0 is the yellow header row with `headers`
// centred, columns are `twips` wide, and there is no fixed column. The grid has `minimumRows`
// rows (the header included), or one row per data row plus the header when there are more, so
// that a long list is shown whole. Data rows are rows 1 … dataRows.
GridModel listGrid(const std::vector<std::string_view>& headers, const std::vector<int>& twips,
                   int minimumRows, std::size_t dataRows);

} // namespace zoruka
