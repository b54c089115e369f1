#include "matchtable/HalvesDesign.h"

#include "matchtable/SearchRandom.h"

#include <algorithm>
#include <bit>

namespace zoruka {

namespace {

// Forms of a table, one per segment: each change gives a quarter of the group its double rest,
// so four changes are the most there can be.
constexpr int kSegments = 5;
// Draws of forms and differences before giving up.
constexpr int kDraws = 200;

bool form(unsigned v, unsigned x) { return (std::popcount(v & x) & 1) != 0; }

// Gives every block a difference d in the kernel of its form, each d to at most `cap` blocks:
// augmenting paths of a bipartite matching.
class Differences {
public:
    Differences(const std::vector<unsigned>& formOf, int players, int cap, SearchRandom& random)
        : m_formOf(formOf), m_cap(cap), m_taken(static_cast<std::size_t>(players))
    {
        for (unsigned d = 1; d < static_cast<unsigned>(players); ++d) {
            m_order.push_back(d);
        }
        random.shuffle(m_order);
    }

    // Per block its d, or empty when not every block gets one.
    std::vector<unsigned> assign()
    {
        for (std::size_t block = 0; block < m_formOf.size(); ++block) {
            m_seen.assign(m_taken.size(), false);
            if (!place(block)) {
                return {};
            }
        }
        std::vector<unsigned> dOf(m_formOf.size(), 0);
        for (unsigned d = 1; d < m_taken.size(); ++d) {
            for (std::size_t block : m_taken[d]) {
                dOf[block] = d;
            }
        }
        return dOf;
    }

private:
    bool place(std::size_t block)
    {
        for (unsigned d : m_order) {
            if (m_seen[d] || form(m_formOf[block], d)) {
                continue;
            }
            m_seen[d] = true;
            auto& taken = m_taken[d];
            if (static_cast<int>(taken.size()) < m_cap) {
                taken.push_back(block);
                return true;
            }
            for (std::size_t& other : taken) {
                if (place(other)) {
                    other = block;
                    return true;
                }
            }
        }
        return false;
    }

    const std::vector<unsigned>& m_formOf;
    int m_cap;
    std::vector<std::vector<std::size_t>> m_taken; // per d: its blocks
    std::vector<unsigned> m_order;
    std::vector<bool> m_seen;
};

// Which side of each segment's form rests first, such that nobody rests twice in a row at more
// than one change of form; empty if no choice does.
std::vector<bool> sidesOf(const std::vector<unsigned>& forms, int players, SearchRandom& random)
{
    const int segments = static_cast<int>(forms.size());
    const int choices = 1 << segments;
    const int start = random.below(choices);
    for (int k = 0; k < choices; ++k) {
        const int choice = (start + k) % choices;
        const auto side = [&](int t) { return ((choice >> t) & 1) != 0; };
        std::vector<int> doubleRests(static_cast<std::size_t>(players), 0);
        bool fits = true;
        for (int t = 0; t + 1 < segments && fits; ++t) {
            for (unsigned x = 0; x < static_cast<unsigned>(players); ++x) {
                const bool restsSecond = form(forms[static_cast<std::size_t>(t)], x) != side(t);
                const bool thenFirst =
                    form(forms[static_cast<std::size_t>(t + 1)], x) == side(t + 1);
                if (restsSecond && thenFirst && ++doubleRests[x] > 1) {
                    fits = false;
                }
            }
        }
        if (fits) {
            std::vector<bool> sides;
            for (int t = 0; t < segments; ++t) {
                sides.push_back(side(t));
            }
            return sides;
        }
    }
    return {};
}

} // namespace

std::optional<HalvesDesign> halvesDesign(int players, int blocks, std::uint64_t seed,
                                         bool halfEarlier)
{
    if (players < 4 || !std::has_single_bit(static_cast<unsigned>(players)) || blocks < 1) {
        return std::nullopt;
    }
    SearchRandom random(seed ^ 0xde5'19aULL);
    const int segments = std::min(kSegments, blocks);
    const int cap = (blocks + players - 2) / (players - 1);
    for (int draw = 0; draw < kDraws; ++draw) {
        std::vector<unsigned> forms;
        while (static_cast<int>(forms.size()) < segments) {
            const auto v = static_cast<unsigned>(1 + random.below(players - 1));
            const bool fresh = std::find(forms.begin(), forms.end(), v) == forms.end();
            if (fresh || (players - 1 < segments && v != forms.back())) {
                forms.push_back(v);
            }
        }
        const std::vector<bool> sides = sidesOf(forms, players, random);
        if (sides.empty()) {
            continue;
        }
        std::vector<unsigned> formOf;
        std::vector<bool> sideOf;
        // Where segment k begins: at the k-th of equal parts, or half a part earlier.
        const auto begins = [&](int k) {
            if (!halfEarlier || k == 0) {
                return k * (blocks / segments) + std::min(k, blocks % segments);
            }
            return k == segments ? blocks : (2 * k - 1) * blocks / (2 * segments);
        };
        for (int t = 0; t < segments; ++t) {
            const int length = begins(t + 1) - begins(t);
            formOf.insert(formOf.end(), static_cast<std::size_t>(length),
                          forms[static_cast<std::size_t>(t)]);
            sideOf.insert(sideOf.end(), static_cast<std::size_t>(length),
                          sides[static_cast<std::size_t>(t)]);
        }
        const std::vector<unsigned> dOf = Differences(formOf, players, cap, random).assign();
        if (dOf.empty()) {
            continue;
        }
        HalvesDesign design;
        for (std::size_t block = 0; block < formOf.size(); ++block) {
            auto& restsFirst = design.restsFirst.emplace_back();
            auto& partners = design.partners.emplace_back();
            for (unsigned x = 0; x < static_cast<unsigned>(players); ++x) {
                restsFirst.push_back(form(formOf[block], x) == sideOf[block]);
                if (x < (x ^ dOf[block])) {
                    partners.emplace_back(static_cast<int>(x), static_cast<int>(x ^ dOf[block]));
                }
            }
        }
        return design;
    }
    return std::nullopt;
}

} // namespace zoruka
