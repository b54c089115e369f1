#include "matchtable/RoundRobin.h"

namespace zoruka {

std::vector<std::pair<int, int>> circleRound(const std::vector<int>& members, int round)
{
    std::vector<int> ring = members;
    if (ring.size() % 2 == 1) {
        ring.push_back(-1);
    }
    const int n = static_cast<int>(ring.size());
    std::vector<std::pair<int, int>> pairs;
    if (n < 2) {
        return pairs;
    }
    const int turn = round % (n - 1);
    const auto at = [&](int k) {
        return ring[static_cast<std::size_t>((k % (n - 1) + n - 1) % (n - 1))];
    };
    pairs.emplace_back(at(turn), ring.back());
    for (int i = 1; i < n / 2; ++i) {
        pairs.emplace_back(at(turn + i), at(turn - i));
    }
    return pairs;
}

} // namespace zoruka
