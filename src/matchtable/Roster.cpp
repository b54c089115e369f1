#include "matchtable/Roster.h"

#include "matchtable/KindCounts.h"

#include <map>

namespace zoruka {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

// The code points of `text`, or nothing when it is not well-formed UTF-8 (overlong forms,
// surrogates and values past U+10FFFF included).
std::optional<std::vector<char32_t>> strictCodePoints(std::string_view text)
{
    std::vector<char32_t> points;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || at + length > text.size()) {
            return std::nullopt;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return std::nullopt;
        }
        points.push_back(c);
        at += length;
    }
    return points;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

std::string numbered(const NameGroup& group, std::size_t index)
{
    return group.label + "の" + std::to_string(index + 1) + "番";
}

std::optional<std::string> nameProblem(const NameGroup& group, std::size_t index,
                                       const std::string& name)
{
    if (trimmedName(name).empty()) {
        return numbered(group, index) + "の名前が空です";
    }
    const auto points = strictCodePoints(name);
    if (!points) {
        return numbered(group, index) + "の名前がUTF-8の文字ではありません";
    }
    for (const char32_t c : *points) {
        if (isControl(c)) {
            return numbered(group, index) + "の名前に制御文字が含まれています";
        }
    }
    if (points->size() > roster_check::kLongestName) {
        return numbered(group, index) + "の名前が長すぎます（" +
               std::to_string(roster_check::kLongestName) + "文字まで）";
    }
    return std::nullopt;
}

bool startsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

} // namespace

bool Roster::names(int group) const
{
    for (const std::string& name : groups[static_cast<std::size_t>(group)]) {
        if (!name.empty()) {
            return true;
        }
    }
    return false;
}

std::string_view Roster::name(int group, int number) const
{
    const auto& names = groups[static_cast<std::size_t>(group)];
    if (number < 1 || number > static_cast<int>(names.size())) {
        return {};
    }
    return names[static_cast<std::size_t>(number - 1)];
}

std::string Roster::nameOrNumber(int group, int number) const
{
    const std::string_view found = name(group, number);
    return found.empty() ? std::to_string(number) : std::string(found);
}

Roster Roster::resized(const std::array<int, 2>& sizes) const
{
    Roster resized = *this;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        if (!resized.groups[group].empty()) {
            resized.groups[group].resize(static_cast<std::size_t>(sizes[group]));
        }
    }
    return resized;
}

std::vector<NameGroup> rosterGroups(MatchKind kind, const RunParameters& params)
{
    const std::array<int, 2> sizes = groupSizes(kind, params);
    switch (kind) {
    case MatchKind::Doubles:
        return {{0, "参加者", sizes[0]}};
    case MatchKind::Mixed:
        return {{0, "男性", sizes[0]}, {1, "女性", sizes[1]}};
    case MatchKind::Team:
        return {{0, "Aチーム", sizes[0]}, {1, "Bチーム", sizes[1]}};
    case MatchKind::FixedPairs:
        break;
    }
    return {{0, "Aチーム", sizes[0], "組"}, {1, "Bチーム", sizes[1], "組"}};
}

std::optional<std::string> rosterProblem(const Roster& roster, const std::vector<NameGroup>& groups,
                                         BlankNames blanks)
{
    for (const NameGroup& group : groups) {
        const auto& names = roster.groups[static_cast<std::size_t>(group.group)];
        if (static_cast<int>(names.size()) != group.size) {
            return group.label + "の名前は" + std::to_string(group.size) + group.unit +
                   "分必要です（" + std::to_string(names.size()) + group.unit + "分あります）";
        }
    }
    for (const NameGroup& group : groups) {
        const auto& names = roster.groups[static_cast<std::size_t>(group.group)];
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (blanks == BlankNames::Allowed && names[i].empty()) {
                continue;
            }
            if (auto problem = nameProblem(group, i, names[i])) {
                return problem;
            }
        }
    }
    std::map<std::string, std::string> seen; // name -> where it was first given
    for (const NameGroup& group : groups) {
        const auto& names = roster.groups[static_cast<std::size_t>(group.group)];
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i].empty()) {
                continue; // allowed blanks: numbers without names
            }
            const auto [first, added] = seen.emplace(names[i], numbered(group, i));
            if (!added) {
                return "名前「" + names[i] + "」が" + first->second + "と" + numbered(group, i) +
                       "に重複しています";
            }
        }
    }
    return std::nullopt;
}

std::string trimmedName(std::string_view name)
{
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : {std::string_view(" "), kIdeographicSpace}) {
            if (startsWith(name, blank)) {
                name.remove_prefix(blank.size());
                trimmed = true;
            }
            if (endsWith(name, blank)) {
                name.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return std::string(name);
}

std::vector<std::string> nameLines(std::string_view text)
{
    if (startsWith(text, "\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (endsWith(line, "\r")) {
            line.remove_suffix(1);
        }
        names.push_back(trimmedName(line));
    }
    while (!names.empty() && names.back().empty()) {
        names.pop_back();
    }
    return names;
}

} // namespace zoruka
