#include "matchtable/PlayerGames.h"

#include "matchtable/KindCounts.h"
#include "matchtable/SeatLayout.h"
#include "matchtable/TableSeats.h"

namespace zoruka {

namespace {

// The seats that `links` pair with `seat`.
std::vector<int> linked(const std::vector<std::pair<int, int>>& links, int seat)
{
    std::vector<int> found;
    for (const auto& [a, b] : links) {
        if (a == seat) {
            found.push_back(b);
        } else if (b == seat) {
            found.push_back(a);
        }
    }
    return found;
}

} // namespace

std::array<std::vector<std::vector<PlayerGame>>, 2> playerGames(MatchKind kind,
                                                                const MatchTable& table)
{
    const SeatLayout layout = seatLayout(kind);
    const int games = table.builtGames();
    const PlayerIds ids{groupSizes(kind, table.params)};
    std::array<std::vector<std::vector<PlayerGame>>, 2> all;
    for (std::size_t group = 0; group < 2; ++group) {
        all[group].assign(static_cast<std::size_t>(ids.sizes[group]),
                          std::vector<PlayerGame>(static_cast<std::size_t>(games)));
    }
    const auto seatOf = [&ids](int id) { return PlayerSeat{ids.group(id), ids.number(id)}; };
    for (int game = 1; game <= games; ++game) {
        const std::vector<int> seats = gameSeats(kind, table, game, ids);
        for (std::size_t first = 0; first < seats.size(); first += layout.seatsPerCourt) {
            const auto at = [&](int k) { return seats[first + static_cast<std::size_t>(k)]; };
            for (int k = 0; k < layout.seatsPerCourt; ++k) {
                if (at(k) < 0) {
                    continue; // a court a failed game left empty
                }
                const PlayerSeat me = seatOf(at(k));
                PlayerGame& played =
                    all[static_cast<std::size_t>(me.group)][static_cast<std::size_t>(me.number - 1)]
                       [static_cast<std::size_t>(game - 1)];
                played.court = static_cast<int>(first) / layout.seatsPerCourt + 1;
                played.side = layout.seatsPerCourt == 2 ? k : k / 2;
                for (const int partner : linked(layout.partners, k)) {
                    played.partners.push_back(seatOf(at(partner)));
                }
                for (const int opponent : linked(layout.opponents, k)) {
                    played.opponents.push_back(seatOf(at(opponent)));
                }
            }
        }
    }
    return all;
}

} // namespace zoruka
