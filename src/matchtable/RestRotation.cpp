#include "matchtable/RestRotation.h"

namespace zoruka {

RestRotation::RestRotation(int players, int perGame) : m_players(players), m_perGame(perGame) {}

std::vector<int> RestRotation::nextGame()
{
    std::vector<int> playing;
    playing.reserve(static_cast<std::size_t>(m_perGame));
    for (int k = 0; k < m_perGame; ++k) {
        m_cursor = m_cursor >= m_players ? 1 : m_cursor + 1;
        playing.push_back(m_cursor);
    }
    return playing;
}

std::vector<std::vector<int>> RestRotation::games(int players, int perGame, int games)
{
    RestRotation rotation(players, perGame);
    std::vector<std::vector<int>> lists;
    for (int g = 0; g < games; ++g) {
        lists.push_back(rotation.nextGame());
    }
    return lists;
}

std::vector<int> restingPlayers(const std::vector<int>& playing, int players)
{
    std::vector<bool> plays(static_cast<std::size_t>(players) + 1, false);
    for (int p : playing) {
        if (p >= 1 && p <= players) {
            plays[static_cast<std::size_t>(p)] = true;
        }
    }
    std::vector<int> rests;
    for (int p = 1; p <= players; ++p) {
        if (!plays[static_cast<std::size_t>(p)]) {
            rests.push_back(p);
        }
    }
    return rests;
}

std::string restListText(const std::vector<int>& rests)
{
    std::string text;
    for (int player : rests) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(player);
    }
    return text;
}

} // namespace zoruka
