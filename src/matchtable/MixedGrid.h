#pragma once

#include "common/GridModel.h"
#include "matchtable/ResultStore.h"

namespace zoruka {

// The mixed doubles screen's grid: three header rows (court, A面/B面 side, 男/女), four columns
// a court (man and woman of side A, then of side B; women in light red), then an empty column.
GridModel mixedGrid(const MatchTable& table);

} // namespace zoruka
