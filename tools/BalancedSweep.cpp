// Builds the balanced table of every size of the grid and counts, per kind and target, the tables
// that miss it (tests/matchtable/BalancedTargets.h judges them). Usage:
//   balanced_sweep [--jobs N] [--list] [--seed S] [--slow MS] [--only NAME ...]
//                  [doubles|mixed|team|whist|fixed ...]
// --list names every table that misses a target, with its numbers; --slow names every table that
// took longer than MS milliseconds to build; --only keeps the tables of those names (as --list
// writes them, e.g. "mixed 10+10/1 G50").

#include "BalancedTargets.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace zoruka;
using namespace zoruka::test;

constexpr int kGames[] = {12, 20, 30, 50};

// Doubles of 8 to 40 players on up to 8 courts, mixed doubles and the team match of 4 + 4 to
// 20 + 20; tables of exactly twice the places once more with the halves mixed.
void addGroupGrid(std::vector<std::pair<std::string, TableSize>>& grid, const std::string& kind)
{
    const bool doubles = kind == "doubles";
    const MatchKind match = doubles           ? MatchKind::Doubles
                            : kind == "mixed" ? MatchKind::Mixed
                                              : MatchKind::Team;
    for (int n = doubles ? 8 : 4; n <= (doubles ? 40 : 20); ++n) {
        for (int courts = 1; courts <= (doubles ? std::min(n / 4, 8) : n / 2); ++courts) {
            for (const int games : kGames) {
                TableSize size{match, n, doubles ? 0 : n, courts, games, false};
                grid.emplace_back(kind, size);
                if (size.twiceThePlaces()) {
                    size.mixHalves = true;
                    grid.emplace_back(kind + " mixed halves", size);
                }
            }
        }
    }
}

std::vector<std::pair<std::string, TableSize>> gridOf(const std::vector<std::string>& kinds)
{
    std::vector<std::pair<std::string, TableSize>> grid;
    for (const std::string& kind : kinds) {
        if (kind == "doubles" || kind == "mixed" || kind == "team") {
            addGroupGrid(grid, kind);
        } else if (kind == "whist") {
            for (int players = 4; players <= kMaxCount; ++players) {
                if (players % 4 <= 1) {
                    grid.emplace_back(kind, TableSize{MatchKind::Doubles, players, 0, players / 4,
                                                      players % 4 == 0 ? players - 1 : players});
                }
            }
        } else if (kind == "fixed") {
            for (int n = 2; n <= 16; ++n) {
                for (int courts = 1; courts <= n; ++courts) {
                    for (const int games : {12, 30}) {
                        TableSize size{MatchKind::FixedPairs, n, n, courts, games};
                        grid.emplace_back(kind, size);
                        if (size.twiceThePlaces()) {
                            size.mixHalves = true;
                            grid.emplace_back(kind + " mixed halves", size);
                        }
                    }
                }
            }
            for (int n = 17; n <= kMaxCount; ++n) {
                grid.emplace_back(kind, TableSize{MatchKind::FixedPairs, n, n, n, n});
            }
        } else {
            std::fprintf(stderr, "unknown kind %s\n", kind.c_str());
            std::exit(2);
        }
    }
    return grid;
}

} // namespace

int main(int argc, char** argv)
{
    int jobs = 2;
    bool list = false;
    std::uint32_t seed = 0;
    std::vector<std::string> kinds;
    std::vector<std::string> only;
    double slowMs = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--jobs" && i + 1 < argc) {
            jobs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--only" && i + 1 < argc) {
            only.emplace_back(argv[++i]);
        } else if (arg == "--slow" && i + 1 < argc) {
            slowMs = std::atof(argv[++i]);
        } else if (arg == "--list") {
            list = true;
        } else {
            kinds.push_back(arg);
        }
    }
    if (kinds.empty()) {
        kinds = {"doubles", "mixed", "team", "whist", "fixed"};
    }
    auto grid = gridOf(kinds);
    if (!only.empty()) {
        std::erase_if(grid, [&](const auto& entry) {
            return std::find(only.begin(), only.end(), entry.second.name()) == only.end();
        });
    }
    std::vector<std::vector<Miss>> misses(grid.size());
    std::vector<double> millis(grid.size(), 0);
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> workers;
    for (int j = 0; j < jobs; ++j) {
        workers.emplace_back([&] {
            for (std::size_t i = next++; i < grid.size(); i = next++) {
                const auto start = std::chrono::steady_clock::now();
                const MatchTable table = balancedOf(grid[i].second, seed);
                millis[i] = std::chrono::duration<double, std::milli>(
                                std::chrono::steady_clock::now() - start)
                                .count();
                misses[i] = missedTargets(grid[i].second, table);
            }
        });
    }
    for (auto& worker : workers) {
        worker.join();
    }

    for (std::size_t i = 0; slowMs >= 0 && i < grid.size(); ++i) {
        if (millis[i] > slowMs) {
            std::printf("%-28s %-24s %.0f ms\n", grid[i].second.name().c_str(), "slow", millis[i]);
        }
    }

    // Per part of the grid: tables, tables missing something, misses per target.
    std::map<std::string, std::pair<int, int>> tables;
    std::map<std::string, std::array<int, static_cast<int>(Target::Count)>> byTarget;
    std::vector<std::string> order;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const std::string& part = grid[i].first;
        if (!tables.count(part)) {
            order.push_back(part);
            byTarget[part].fill(0);
        }
        ++tables[part].first;
        tables[part].second += misses[i].empty() ? 0 : 1;
        std::array<bool, static_cast<int>(Target::Count)> seen{};
        for (const Miss& miss : misses[i]) {
            if (list) {
                std::printf("%-28s %-24s %s\n", grid[i].second.name().c_str(),
                            targetName(miss.target), miss.detail.c_str());
            }
            seen[static_cast<std::size_t>(miss.target)] = true;
        }
        for (int t = 0; t < static_cast<int>(Target::Count); ++t) {
            byTarget[part][static_cast<std::size_t>(t)] += seen[static_cast<std::size_t>(t)];
        }
    }
    std::printf("| target |");
    for (const std::string& part : order) {
        std::printf(" %s |", part.c_str());
    }
    std::printf("\n|---|");
    for (std::size_t k = 0; k < order.size(); ++k) {
        std::printf("---|");
    }
    std::printf("\n| tables (missing any) |");
    int missing = 0;
    for (const std::string& part : order) {
        std::printf(" %d (%d) |", tables[part].first, tables[part].second);
        missing += tables[part].second;
    }
    std::printf("\n");
    for (int t = 0; t < static_cast<int>(Target::Count); ++t) {
        std::printf("| %s |", targetName(static_cast<Target>(t)));
        for (const std::string& part : order) {
            std::printf(" %d |", byTarget[part][static_cast<std::size_t>(t)]);
        }
        std::printf("\n");
    }
    return missing == 0 ? 0 : 1;
}
