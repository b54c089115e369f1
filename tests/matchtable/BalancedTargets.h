#pragma once

// What a balanced table must reach, checked on a built table: shared by the property tests and
// tools/BalancedSweep.cpp, so that both count a miss the same way.

#include "TableMeasure.h"

#include "matchtable/BalancedTables.h"
#include "matchtable/TableFairness.h"
#include "matchtable/WhistTournaments.h"

#include <array>
#include <string>
#include <vector>

namespace zoruka::test {

// A table's counts: rotation groups a and b (doubles: b = 0), courts, games, and whether the
// halves of exactly twice as many players as places may mix.
struct TableSize {
    MatchKind kind = MatchKind::Doubles;
    int a = 0;
    int b = 0;
    int courts = 0;
    int games = 0;
    bool mixHalves = false;

    RunParameters params() const { return kindParameters(kind, {a, b}, courts, games); }
    std::string name() const
    {
        static const char* const kinds[] = {"doubles", "mixed", "team", "fixed"};
        std::string text = std::string(kinds[static_cast<int>(kind)]) + " " + std::to_string(a);
        if (kind != MatchKind::Doubles) {
            text += "+" + std::to_string(b);
        }
        text += "/" + std::to_string(courts) + " G" + std::to_string(games);
        return mixHalves ? text + " mix" : text;
    }
    // Some group has exactly twice as many players as it puts on court.
    bool twiceThePlaces() const
    {
        const std::array<int, 2> sizes{a, b};
        for (int group = 0; group < groupCount(kind); ++group) {
            if (sizes[group] == 2 * onCourtOfGroup(kind, params(), group)) {
                return true;
            }
        }
        return false;
    }
    // Doubles of 4C players for 4C - 1 games or 4C + 1 players for 4C + 1: a whist tournament.
    bool whist() const
    {
        return kind == MatchKind::Doubles && a / 4 == courts &&
               games == (a % 4 == 0   ? a - 1
                         : a % 4 == 1 ? a
                                      : -1);
    }
};

inline MatchTable balancedOf(const TableSize& size, std::uint32_t seed = 0)
{
    return balancedTable(size.kind, size.params(), {seed, size.mixHalves, {}});
}

enum class Target {
    Games,       // every game asked for
    NoRepeat,    // no repeated partnership up to 90 % of the bound
    FewRepeats,  // at most two between 90 % and the bound
    WhistPairs,  // whist sizes: partners once, opponents twice (or without a tournament: 0 / 3)
    Meetings,    // no two opponents above the lower bound + 1 (mixed + 2)
    Different,   // numbers of different opponents within 2 of each other
    Rests,       // rests within one at every game, no unfair double rest
    DoubleRests, // none while fewer rest than play (with mixed halves: one each at most)
    PastBound,   // past the bound each partnership at most ceil(G / bound) times
    FixedRounds, // fixed pairs: every meeting in its round
    Count
};

inline const char* targetName(Target target)
{
    static const char* const names[] = {
        "1 games",          "1 no repeat (<=90%)",   "1 repeats <= 2", "2 whist",
        "3 meetings",       "3 different opponents", "4 rests",        "4/6 double rests",
        "5 past the bound", "7 fixed-pair rounds"};
    return names[static_cast<int>(target)];
}

struct Miss {
    Target target;
    std::string detail;
};

// The targets `table`, built balanced for `size`, misses. With exactly twice the places and the
// halves kept apart they never meet, so partnerships and opponents are not judged there.
inline std::vector<Miss> missedTargets(const TableSize& size, const MatchTable& table)
{
    std::vector<Miss> misses;
    const auto miss = [&](Target target, const std::string& detail) {
        misses.push_back({target, detail});
    };
    const auto measure = measureTable(size.kind, table);
    if (!measure.fault.empty()) {
        miss(Target::Games, "fault " + measure.fault);
        return misses;
    }
    const TableFairness fair = tableFairness(size.kind, table);
    if (fair.built != size.games) {
        miss(Target::Games, std::to_string(fair.built) + " built");
    }
    if (fair.restSpread > 1 || measure.unfairDoubleRests > 0) {
        miss(Target::Rests, "spread " + std::to_string(fair.restSpread) + ", unfair " +
                                std::to_string(measure.unfairDoubleRests));
    }
    const std::array<int, 2> sizes{size.a, size.b};
    for (int group = 0; group < groupCount(size.kind); ++group) {
        const int onCourt = onCourtOfGroup(size.kind, table.params, group);
        const bool mixing = size.mixHalves && sizes[group] == 2 * onCourt;
        int most = 0;
        int total = 0;
        for (int id = 0; id < size.a + size.b; ++id) {
            if (PlayerIds{sizes}.group(id) == group) {
                most = std::max(most, measure.doubleRestsOf[static_cast<std::size_t>(id)]);
                total += measure.doubleRestsOf[static_cast<std::size_t>(id)];
            }
        }
        if (sizes[group] - onCourt <= onCourt && (mixing ? most > 1 : total > 0)) {
            miss(Target::DoubleRests, "group " + std::to_string(group) + ": " +
                                          std::to_string(total) + ", most " + std::to_string(most));
        }
    }
    const bool halvesApart = size.twiceThePlaces() && !size.mixHalves;
    if (size.kind == MatchKind::FixedPairs) {
        // Every A pair meets every B pair once before any two meet twice.
        std::map<std::pair<int, int>, int> met;
        for (int game = 1; game <= fair.built && !halvesApart; ++game) {
            bool again = false;
            for (int court = 1; court <= size.courts; ++court) {
                const Pair match = table.results.pair(game, court);
                again = ++met[{match.first, match.second}] > 1 || again;
            }
            if (met.size() == static_cast<std::size_t>(size.a * size.b)) {
                break;
            }
            if (again) {
                miss(Target::FixedRounds, "again in game " + std::to_string(game));
                break;
            }
        }
        return misses;
    }
    if (halvesApart) {
        return misses;
    }
    const double share = static_cast<double>(size.games) / fair.bound;
    if (share <= 0.9 && fair.repeats > 0) {
        miss(Target::NoRepeat, std::to_string(fair.repeats) + " repeats");
    } else if (share > 0.9 && share <= 1.0 && fair.repeats > 2) {
        miss(Target::FewRepeats, std::to_string(fair.repeats) + " repeats");
    } else if (share > 1.0 && measure.partnerMax > (size.games + fair.bound - 1) / fair.bound) {
        miss(Target::PastBound, "a pair " + std::to_string(measure.partnerMax) + " times");
    }
    const int allowed = fair.meetingsFloor + (size.kind == MatchKind::Mixed ? 2 : 1);
    if (fair.mostMeetings > allowed) {
        miss(Target::Meetings, std::to_string(fair.mostMeetings) + " > " + std::to_string(allowed));
    }
    if (measure.distinctSpreadAll > 2) {
        miss(Target::Different, "spread " + std::to_string(measure.distinctSpreadAll));
    }
    if (size.whist()) {
        const bool stored = whistTournament(size.a).has_value();
        const bool whole = stored && measure.partners.size() ==
                                         static_cast<std::size_t>(size.a * (size.a - 1) / 2);
        bool exact =
            whole && measure.partnerMax == 1 && measure.meetings.size() == measure.partners.size();
        for (const auto& [pair, count] : measure.meetings) {
            exact = exact && count == 2;
        }
        if (stored ? !exact : fair.repeats > 0 || fair.mostMeetings > 3) {
            miss(Target::WhistPairs, stored ? "not a whist tournament"
                                            : "most meetings " + std::to_string(fair.mostMeetings));
        }
    }
    return misses;
}

} // namespace zoruka::test
