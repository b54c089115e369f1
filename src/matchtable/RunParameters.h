#pragma once

namespace zoruka {

// The largest count any match-table screen offers or accepts (participants, courts, games, ...).
inline constexpr int kMaxCount = 50;

// The counts a table was built from, shared with its print and export.
struct RunParameters {
    int participants = 0;
    int men = 0;
    int women = 0;
    int teamA = 0;
    int teamB = 0;
    int courts = 0;
    int pairSize = 2;
    int games = 0;
    int onCourt = 0; // players on court per game
    int resting = 0; // players resting per game

    bool operator==(const RunParameters&) const = default;
};

} // namespace zoruka
