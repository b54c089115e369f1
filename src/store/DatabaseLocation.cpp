#include "store/DatabaseLocation.h"

namespace zoruka {

DatabaseLocation::DatabaseLocation(const std::filesystem::path& folder)
    : m_file(std::filesystem::absolute(folder) / kDatabaseFileName)
{
}

const DatabaseLocation& DatabaseLocation::startFolder()
{
    static const DatabaseLocation location(std::filesystem::current_path());
    return location;
}

} // namespace zoruka
