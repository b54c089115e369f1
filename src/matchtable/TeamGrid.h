#pragma once

#include "common/GridModel.h"
#include "matchtable/ResultStore.h"

namespace zoruka {

// The team match screen's grid: court headings over an "Aﾁｰﾑ" and a "Bﾁｰﾑ" column per court,
// each game's A pair and B pair as "3-7" cells.
GridModel teamGrid(const MatchTable& table);

// The fixed-pair screen's grid: "コートc" headings over an "Aﾁｰﾑ" and a "Bﾁｰﾑ" column per court,
// each game's A pair and B pair numbers; a game that could not be completed shows the courts it
// filled.
GridModel fixedPairGrid(const MatchTable& table);

} // namespace zoruka
