#include "matchtable/WhistTournaments.h"

#include <array>

namespace zoruka {

namespace {

// Starting games of whist tournaments developed over a group Z_p x Z_q: element (a, b) is written
// a * q + b, and for 4C players the element p * q stands for the one player every game keeps
// fixed. Game r (r = r1 * q + r2) adds (r1, r2) to every element of the starting game, so with
// 4C + 1 players element r rests in game r.
// Every non-zero difference of the group stands exactly once between the starting game's partners
// and exactly twice between its opponents, which makes the developed games a whist tournament.
// They were found once by a simulated-annealing search over the starting game (swapping two
// elements of different courts, the cost being how far the difference counts are from 1 and 2),
// and for 37, 41 and 49 = 4m + 1 taken from the construction with a primitive element g of the
// field of that many elements (49: Z_7[x] modulo x^2 - ax - b, a + bx written b * 7 + a): court
// i (i < m) is g^i, g^(i+2m) against g^(i+m), g^(i+3m). Tests check every tournament here.
struct StartingGame {
    int players;
    std::array<int, 2> moduli;
    std::vector<int> seats; // court by court: side A's pair, then side B's
};

const std::vector<StartingGame>& startingGames()
{
    static const std::vector<StartingGame> games{
        {4, {3, 1}, {1, 0, 2, 3}},
        {5, {5, 1}, {3, 2, 1, 4}},
        {8, {7, 1}, {1, 3, 2, 5, 7, 4, 6, 0}},
        {9, {3, 3}, {4, 8, 6, 3, 2, 1, 7, 5}},
        {12, {11, 1}, {2, 0, 7, 10, 3, 11, 1, 8, 9, 4, 6, 5}},
        {13, {13, 1}, {2, 8, 1, 4, 9, 10, 5, 7, 11, 6, 3, 12}},
        {16, {15, 1}, {13, 12, 4, 9, 3, 15, 14, 1, 7, 10, 8, 0, 2, 6, 11, 5}},
        {17, {17, 1}, {2, 14, 6, 16, 3, 4, 13, 15, 7, 10, 5, 11, 12, 8, 9, 1}},
        {20, {19, 1}, {3, 2, 14, 0, 10, 8, 17, 6, 9, 16, 15, 12, 11, 7, 1, 19, 5, 18, 4, 13}},
        {21, {21, 1}, {3, 10, 20, 5, 12, 7, 15, 6, 18, 19, 1, 11, 9, 13, 4, 2, 8, 16, 17, 14}},
        {24, {23, 1}, {15, 17, 3,  9,  5, 21, 14, 2, 11, 20, 7,  10,
                       4,  0,  12, 22, 8, 13, 23, 6, 18, 19, 16, 1}},
        {25, {25, 1}, {1,  22, 16, 24, 19, 14, 11, 10, 5,  8, 13, 20,
                       23, 9,  2,  4,  21, 15, 3,  12, 17, 7, 6,  18}},
        {28, {27, 1}, {21, 17, 22, 11, 12, 10, 27, 13, 9, 26, 24, 16, 25, 18,
                       3,  2,  6,  0,  20, 8,  4,  7,  1, 15, 19, 14, 23, 5}},
        {29, {29, 1}, {2,  26, 3,  16, 18, 10, 28, 6, 24, 12, 19, 15, 22, 8,
                       23, 20, 21, 1,  14, 25, 5,  4, 7,  13, 9,  11, 17, 27}},
        {32, {31, 1}, {17, 2, 23, 19, 0,  10, 7,  1,  22, 24, 12, 4,  11, 29, 28, 6,
                       8,  5, 13, 31, 15, 20, 27, 26, 21, 9,  25, 18, 14, 3,  16, 30}},
        {33, {33, 1}, {3, 13, 25, 19, 24, 10, 23, 5,  17, 21, 30, 28, 2,  1,  31, 9,
                       8, 29, 26, 6,  7,  16, 15, 12, 20, 4,  14, 22, 11, 18, 32, 27}},
        {36, {35, 1}, {8,  29, 34, 32, 15, 12, 4,  3,  17, 23, 9,  19, 0,  26, 22, 7,  11, 16,
                       21, 28, 1,  24, 2,  18, 25, 33, 5,  27, 31, 20, 35, 6,  10, 14, 13, 30}},
        {37, {37, 1}, {1,  36, 31, 6, 2,  35, 25, 12, 4,  33, 13, 24, 8, 29, 26, 11, 16, 21,
                       15, 22, 32, 5, 30, 7,  27, 10, 23, 14, 17, 20, 9, 28, 34, 3,  18, 19}},
        {41, {41, 1}, {1,  40, 32, 9,  6,  35, 28, 13, 36, 5,  4,  37, 11, 30,
                       24, 17, 25, 16, 21, 20, 27, 14, 3,  38, 39, 2,  18, 23,
                       29, 12, 26, 15, 10, 31, 33, 8,  19, 22, 34, 7}},
        {49, {7, 7}, {1,  6,  21, 28, 8,  48, 23, 33, 18, 38, 39, 17, 45, 11, 19, 37,
                      14, 35, 4,  3,  20, 36, 32, 24, 12, 44, 9,  47, 43, 13, 26, 30,
                      5,  2,  7,  42, 40, 16, 10, 46, 27, 29, 34, 22, 15, 41, 25, 31}},
    };
    return games;
}

} // namespace

std::optional<std::vector<std::vector<int>>> whistTournament(int players)
{
    for (const StartingGame& start : startingGames()) {
        if (start.players != players) {
            continue;
        }
        const auto [p, q] = start.moduli;
        const int fixed = p * q;
        std::vector<std::vector<int>> games;
        for (int r = 0; r < p * q; ++r) {
            std::vector<int> seats;
            for (int e : start.seats) {
                seats.push_back(e == fixed ? fixed : (e / q + r / q) % p * q + (e % q + r % q) % q);
            }
            games.push_back(seats);
        }
        return games;
    }
    return std::nullopt;
}

} // namespace zoruka
