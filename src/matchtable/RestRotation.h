#pragma once

#include <string>
#include <vector>

namespace zoruka {

// Who plays each game: a cursor walks the player numbers 1..N round and round, handing out the
// next `perGame` numbers for every game, so rests move evenly through the players.
class RestRotation {
public:
    RestRotation(int players, int perGame);

    // The players of the next game, in rotation order.
    std::vector<int> nextGame();

    // The playing lists of games 1..games, as the rotation hands them out from its start.
    static std::vector<std::vector<int>> games(int players, int perGame, int games);

private:
    int m_players;
    int m_perGame;
    int m_cursor = 0;
};

// The players 1..players not in `playing`, ascending.
std::vector<int> restingPlayers(const std::vector<int>& playing, int players);

// Rest numbers joined by "," without blanks: "3,8,12"; empty when nobody rests.
std::string restListText(const std::vector<int>& rests);

} // namespace zoruka
