#pragma once

#include "common/GridModel.h"
#include "registers/Member.h"

#include <vector>

namespace zoruka {

// The list grid 会員一覧: the header "氏名", "ヨミ", "年齢", "性別", "対象" over 2000, 2000, 800,
// 800 and 800 twips, at least 100 rows, then one row per member from row 1: name, reading, age,
// "男" or "女" (centred) and "無効" for an excluded member (centred).
GridModel memberGrid(const std::vector<Member>& members);

} // namespace zoruka
