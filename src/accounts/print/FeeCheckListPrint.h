#pragma once

#include "accounts/FeeCheckList.h"
#include "output/PrintResult.h"

namespace zoruka {

// The fee check-list as printed sheets: A4 portrait in "ＭＳＰ ゴシック", every page a document
// of its own. A page carries the club name (14 pt at 80, 5), "yy年 mm月　会費" (10 pt at 140, 10)
// and a table framed from (10, 15) to (190, 279): a heading row with "氏　　名" and one row 6 mm
// tall per member, 43 members to a page, names in 10 pt at x 12; right of the name column (x 10 …
// 40) one empty column per practice day for ticking by hand.
//
// With at most 10 practice days there are 10 columns 15 mm wide headed "mm月dd日" (9 pt). With more
// there are 15 columns 10 mm wide headed "d日" (8 pt), and the members are listed once for every
// 15 days: for the days 1 … 15, then for the days from the 16th on, and so on; a run without days
// is left out. Without practice days the members are listed once under empty columns, and without
// members a run is one page with the empty table. Names and headings are fitted into their
// columns, the club name onto the paper, by PrintBuilder::textWithin().
// Always code kPrinted.
PrintResult printFeeCheckList(const FeeCheckList& list);

} // namespace zoruka
