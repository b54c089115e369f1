#include "matchtable/TableSeats.h"

#include "matchtable/SeatLayout.h"

namespace zoruka {

namespace {

// The result-store slot of seat k of a court (fixed pairs hold a court in one slot).
int slotOf(const SeatLayout& layout, int court, int k)
{
    return layout.seatsPerCourt == 2 ? court : 2 * court - 1 + k / 2;
}

} // namespace

std::vector<int> gameSeats(MatchKind kind, const MatchTable& table, int game, const PlayerIds& ids)
{
    const SeatLayout layout = seatLayout(kind);
    std::vector<int> seats;
    for (int court = 1; court <= table.params.courts; ++court) {
        for (int k = 0; k < layout.seatsPerCourt; ++k) {
            const Pair pair = table.results.pair(game, slotOf(layout, court, k));
            const int number = k % 2 == 0 ? pair.first : pair.second;
            seats.push_back(number > 0 ? ids.id(layout.group[k], number) : -1);
        }
    }
    return seats;
}

void writeGameSeats(MatchKind kind, MatchTable& table, int game, const std::vector<int>& seats,
                    const PlayerIds& ids)
{
    const SeatLayout layout = seatLayout(kind);
    for (std::size_t s = 0; s + 1 < seats.size(); s += 2) {
        const int seat = static_cast<int>(s);
        const int slot =
            slotOf(layout, seat / layout.seatsPerCourt + 1, seat % layout.seatsPerCourt);
        table.results.setPair(game, slot, {ids.number(seats[s]), ids.number(seats[s + 1])});
    }
}

} // namespace zoruka
