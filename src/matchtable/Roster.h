#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/RunParameters.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zoruka {

// Who the numbers of a table stand for. Every kind numbers its players from 1 within a group:
// doubles in one group (everybody), mixed doubles the men (group 0) and the women (group 1), the
// team match the A team and the B team, fixed pairs the A pairs and the B pairs (a pair's name
// names both players, "山田・佐藤"). groups[g][k - 1] is the name of number k of group g. A number
// without a name (an empty roster, a newcomer after a lineup change) is shown as its number.
struct Roster {
    std::array<std::vector<std::string>, 2> groups;

    Roster() = default;
    explicit Roster(std::vector<std::string> first, std::vector<std::string> second = {})
        : groups{std::move(first), std::move(second)}
    {
    }

    bool empty() const { return groups[0].empty() && groups[1].empty(); }
    // Whether any number of `group` has a name.
    bool names(int group) const;
    // The name of number `number` (from 1) of `group`; empty when it has none.
    std::string_view name(int group, int number) const;
    // The name, or else the number ("7").
    std::string nameOrNumber(int group, int number) const;
    // The names of numbers 1 .. sizes[g] of every group that has names: the numbers past the
    // names have none (newcomers).
    Roster resized(const std::array<int, 2>& sizes) const;

    bool operator==(const Roster&) const = default;
};

// What a group of names is called in messages ("男性"), how many names it needs and what it
// counts ("人", or "組" for pairs).
struct NameGroup {
    int group = 0;
    std::string label;
    int size = 0;
    std::string unit = "人";
};

// The name groups of a kind's table of the counts `params`, in group order: "参加者"; "男性"
// and "女性"; "Aチーム" and "Bチーム" (fixed pairs counted in "組").
std::vector<NameGroup> rosterGroups(MatchKind kind, const RunParameters& params);

namespace roster_check {

// The most characters a name may have: a name longer than this is a mistake (a pasted text),
// and no legend or sheet could show it.
inline constexpr std::size_t kLongestName = 40;

} // namespace roster_check

// Whether a blank name is a fault, or a number without a name (a newcomer after a lineup
// change, in a table read back).
enum class BlankNames { Refused, Allowed };

// The first fault of the names of `groups` in `roster`, as the message refusing them: a group
// with more or fewer names than its size; then, in number order, a blank name (unless allowed),
// one that is not UTF-8 or holds a control character (a line or paragraph separator counts as
// one), one longer than kLongestName characters; then a name given twice (across the groups
// too). Groups not listed are not looked at. Nothing when the names may be used.
std::optional<std::string> rosterProblem(const Roster& roster, const std::vector<NameGroup>& groups,
                                         BlankNames blanks = BlankNames::Refused);

// A name as typed or read, without blanks or ideographic blanks at either end.
std::string trimmedName(std::string_view name);

// The names of a name list (UTF-8, one name per line, in number order): without a byte-order
// mark, line ends (LF or CR LF), blanks at either end of a name (trimmedName) and the blank lines
// that end the text. Blank lines between names stay, as blank names.
std::vector<std::string> nameLines(std::string_view text);

} // namespace zoruka
