#pragma once

namespace zoruka {

// How a doubles or mixed doubles screen places the players of each game: by the pair search
// (SBゾルカv3, SBMixゾルカv3) or by chance (the Random screens SBゾルカv4, SBMixゾルカv4, whose
// tables keep the same rotation of rests but may repeat partners and opponents).
enum class PairingMode { Search, Random };

} // namespace zoruka
