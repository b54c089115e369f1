#pragma once

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace zoruka {

// A small, fast random source (xoshiro256** seeded by splitmix64) whose numbers are the same on
// every platform and compiler, so that a seed gives the same table anywhere.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed)
    {
        for (auto& word : m_state) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotate(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotate(m_state[3], 45);
        return result;
    }

    // 0 .. count - 1 (count > 0).
    int below(int count)
    {
        return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(count)) >> 32);
    }

    // [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // The annealing's rule for a move that changes the cost by `rise`: taken when it costs
    // nothing, now and then when it costs more (the less often the colder), never when it costs
    // far more than the temperature.
    bool accepts(double rise, double temperature)
    {
        return rise <= 0 || (rise < 30 * temperature && unit() < std::exp(-rise / temperature));
    }

    template <typename T> void shuffle(std::vector<T>& items)
    {
        shuffle(items.begin(), items.end());
    }
    template <typename Iterator> void shuffle(Iterator first, Iterator last)
    {
        for (auto i = last - first; i > 1; --i) {
            std::swap(first[i - 1], first[below(static_cast<int>(i))]);
        }
    }

private:
    static std::uint64_t rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t m_state[4];
};

} // namespace zoruka
