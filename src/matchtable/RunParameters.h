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

// The counts of a table of pairs of two among `participants` players, 4 x C of them on court.
inline RunParameters pairedParameters(int participants, int courts, int games)
{
    RunParameters params;
    params.participants = participants;
    params.courts = courts;
    params.games = games;
    params.onCourt = 2 * courts * params.pairSize;
    params.resting = participants - params.onCourt;
    return params;
}

} // namespace zoruka
