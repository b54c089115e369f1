#include "store/DatabaseClaims.h"

#include <map>

namespace zoruka {

namespace {

namespace fs = std::filesystem;

std::map<fs::path, DatabaseClaim>& claims()
{
    static std::map<fs::path, DatabaseClaim> all;
    return all;
}

fs::path identity(const fs::path& file)
{
    std::error_code ignored;
    fs::path canonical = fs::weakly_canonical(file, ignored);
    return canonical.empty() ? file : canonical;
}

} // namespace

DatabaseClaim* findClaim(const fs::path& file)
{
    const auto found = claims().find(identity(file));
    return found == claims().end() ? nullptr : &found->second;
}

DatabaseClaim& claimFor(const fs::path& file) { return claims()[identity(file)]; }

bool anotherCopyWrites(const fs::path& file)
{
    const DatabaseClaim* claim = findClaim(file);
    if (claim && claim->otherCopyWrites) {
        return true;
    }
    const bool holding = claim && claim->lock && claim->lock->holds(file);
    return !holding && WriterLock::isTaken(file);
}

} // namespace zoruka
