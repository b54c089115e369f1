#include "store/DatabaseLocation.h"

namespace zoruka {

DatabaseLocation::DatabaseLocation(const std::filesystem::path& folder)
    : m_file(std::filesystem::absolute(folder) / kDatabaseFileName)
{
}

DatabaseLocation DatabaseLocation::readOnlyFile(const std::filesystem::path& file)
{
    DatabaseLocation location;
    location.m_file = std::filesystem::absolute(file);
    location.m_readOnly = true;
    return location;
}

const DatabaseLocation& DatabaseLocation::startFolder()
{
    static const DatabaseLocation location(std::filesystem::current_path());
    return location;
}

} // namespace zoruka
