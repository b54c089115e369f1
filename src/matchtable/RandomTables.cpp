#include "matchtable/RandomTables.h"

#include "matchtable/DoublesGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/RestRotation.h"

#include <algorithm>
#include <random>
#include <stdexcept>

namespace zoruka {

namespace {

// A uniform number 1..places from the engine, the same on every platform (unlike the standard
// distributions), so that a seed reproduces its table anywhere.
int drawPlace(std::mt19937& engine, int places)
{
    const auto range = static_cast<std::uint32_t>(places);
    const std::uint32_t limit = std::numeric_limits<std::uint32_t>::max() / range * range;
    std::uint32_t value = engine();
    while (value >= limit) {
        value = engine();
    }
    return static_cast<int>(value % range) + 1;
}

// The places (1..count) of a game's list positions: all but the last two positions draw a place
// not drawn before; the last two take the places left, in ascending order.
class PlaceDraw {
public:
    explicit PlaceDraw(int count)
        : m_count(count), m_order(static_cast<std::size_t>(count), 0),
          m_drawn(static_cast<std::size_t>(count) + 1, false)
    {
    }

    // Positions that draw before the last two take what is left.
    int drawnPositions() const { return std::max(m_count - 2, 0); }

    void drawFor(int position, std::mt19937& engine)
    {
        int place = drawPlace(engine, m_count);
        while (m_drawn[static_cast<std::size_t>(place)]) {
            place = drawPlace(engine, m_count);
        }
        m_drawn[static_cast<std::size_t>(place)] = true;
        m_order[static_cast<std::size_t>(position)] = place;
    }

    // Gives the places not drawn to the last positions; returns the place of every position.
    const std::vector<int>& finish()
    {
        int position = drawnPositions();
        for (int place = 1; place <= m_count; ++place) {
            if (!m_drawn[static_cast<std::size_t>(place)]) {
                m_order[static_cast<std::size_t>(position++)] = place;
            }
        }
        return m_order;
    }

private:
    int m_count;
    std::vector<int> m_order;
    std::vector<bool> m_drawn;
};

void setMember(ResultStore& results, int game, int slot, int member, int player)
{
    Pair pair = results.pair(game, slot);
    (member == 1 ? pair.first : pair.second) = player;
    results.setPair(game, slot, pair);
}

} // namespace

MatchTable randomDoubles(int participants, int courts, int games, std::uint32_t seed)
{
    MatchTable table;
    table.params = DoublesGenerator::parameters(participants, courts, games);
    if (participants < 0 || participants > kMaxCount || courts < 0 || games < 0 ||
        games > kMaxCount || table.params.onCourt > participants) {
        throw std::invalid_argument("doubles table counts out of range");
    }
    std::mt19937 engine(seed);
    RestRotation rotation(participants, table.params.onCourt);
    for (int game = 1; game <= games; ++game) {
        const std::vector<int> playing = rotation.nextGame();
        PlaceDraw draw(table.params.onCourt);
        for (int k = 0; k < draw.drawnPositions(); ++k) {
            draw.drawFor(k, engine);
        }
        const std::vector<int>& places = draw.finish();
        for (std::size_t k = 0; k < playing.size(); ++k) {
            const int place = places[k];
            setMember(table.results, game, (place - 1) / 2 + 1, place % 2 == 1 ? 1 : 2, playing[k]);
        }
    }
    return table;
}

MatchTable randomMixed(int men, int women, int courts, int games, std::uint32_t seed)
{
    MatchTable table;
    table.params = MixedGenerator::parameters(men, women, courts, games);
    const int slots = 2 * courts;
    if (men < 0 || men > kMaxCount || women < 0 || women > kMaxCount || courts < 0 || games < 0 ||
        games > kMaxCount || slots > std::min(men, women)) {
        throw std::invalid_argument("mixed doubles table counts out of range");
    }
    std::mt19937 engine(seed);
    RestRotation menRotation(men, slots);
    RestRotation womenRotation(women, slots);
    for (int game = 1; game <= games; ++game) {
        const std::vector<int> gameMen = menRotation.nextGame();
        const std::vector<int> gameWomen = womenRotation.nextGame();
        // Each position draws a man's slot, then a woman's, before the next position.
        PlaceDraw menDraw(slots);
        PlaceDraw womenDraw(slots);
        for (int k = 0; k < menDraw.drawnPositions(); ++k) {
            menDraw.drawFor(k, engine);
            womenDraw.drawFor(k, engine);
        }
        const std::vector<int>& menSlots = menDraw.finish();
        const std::vector<int>& womenSlots = womenDraw.finish();
        for (std::size_t k = 0; k < gameMen.size(); ++k) {
            setMember(table.results, game, menSlots[k], 1, gameMen[k]);
            setMember(table.results, game, womenSlots[k], 2, gameWomen[k]);
        }
    }
    return table;
}

} // namespace zoruka
