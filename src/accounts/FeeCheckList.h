#pragma once

#include "accounts/EntryDate.h"
#include "store/DatabaseLocation.h"

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The texts of the fee check-list screen.
namespace fee_check_list {
inline constexpr std::string_view kTitle = "会費チェックリスト";
inline constexpr std::string_view kBadMonth = "年月を正しく選択して下さい";
inline constexpr std::string_view kNoPracticeDays = "練習日程がありません、名簿のみ出力しますか？";
// Follows the name of an inactive member when they are marked.
inline constexpr std::string_view kInactiveMark = "*";
} // namespace fee_check_list

// The order of the members on the list: reading order (index Idx_カナ) or the registered listing
// order (index Idx_出力順: listing order, then name).
enum class MemberOrder { Reading, Listing };

// What becomes of inactive members (会_有効F not 0): listed with kInactiveMark after the name,
// left out, or listed like everybody else.
enum class InactiveMembers { Marked, LeftOut, Listed };

// What a month's check-list prints.
struct FeeCheckList {
    std::string clubName;
    EntryDate month;                // its first day
    std::vector<int> days;          // the practice days, ascending
    std::vector<std::string> names; // one line each, in order, marks included
};

// The names to print, every member once in `order`. Throws StoreError.
std::vector<std::string> checkListNames(const DatabaseLocation& location, MemberOrder order,
                                        InactiveMembers inactive);

// Everything the check-list of the month of `first` prints. Throws StoreError.
FeeCheckList readFeeCheckList(const DatabaseLocation& location, const EntryDate& first,
                              MemberOrder order, InactiveMembers inactive);

} // namespace zoruka
