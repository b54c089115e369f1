#include "matchtable/PlayerGames.h"

#include "matchtable/SeatLayout.h"

namespace zoruka {

namespace {

std::array<int, 2> groupSizes(MatchKind kind, const RunParameters& params)
{
    switch (kind) {
    case MatchKind::Doubles:
        return {params.participants, 0};
    case MatchKind::Mixed:
        return {params.men, params.women};
    case MatchKind::Team:
    case MatchKind::FixedPairs:
        break;
    }
    return {params.teamA, params.teamB};
}

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
    std::array<std::vector<std::vector<PlayerGame>>, 2> all;
    const std::array<int, 2> sizes = groupSizes(kind, table.params);
    for (std::size_t group = 0; group < 2; ++group) {
        all[group].assign(static_cast<std::size_t>(sizes[group]),
                          std::vector<PlayerGame>(static_cast<std::size_t>(games)));
    }
    for (int game = 1; game <= games; ++game) {
        for (int court = 1; court <= table.params.courts; ++court) {
            std::array<PlayerSeat, 4> seats{};
            for (int k = 0; k < layout.seatsPerCourt; ++k) {
                const int slot = layout.seatsPerCourt == 2 ? court : 2 * court - 1 + k / 2;
                const Pair pair = table.results.pair(game, slot);
                seats[static_cast<std::size_t>(k)] = {layout.group[static_cast<std::size_t>(k)],
                                                      k % 2 == 0 ? pair.first : pair.second};
            }
            for (int k = 0; k < layout.seatsPerCourt; ++k) {
                const PlayerSeat& seat = seats[static_cast<std::size_t>(k)];
                auto& schedule = all[static_cast<std::size_t>(seat.group)];
                if (seat.number < 1 || seat.number > static_cast<int>(schedule.size())) {
                    continue; // a court a failed game left empty
                }
                PlayerGame& played = schedule[static_cast<std::size_t>(seat.number - 1)]
                                             [static_cast<std::size_t>(game - 1)];
                played.court = court;
                played.side = layout.seatsPerCourt == 2 ? k : k / 2;
                for (const int partner : linked(layout.partners, k)) {
                    played.partners.push_back(seats[static_cast<std::size_t>(partner)]);
                }
                for (const int opponent : linked(layout.opponents, k)) {
                    played.opponents.push_back(seats[static_cast<std::size_t>(opponent)]);
                }
            }
        }
    }
    return all;
}

} // namespace zoruka
