#include "accounts/ClubName.h"

#include "store/MasterLookup.h"

namespace zoruka {

std::string readClubName(const DatabaseLocation& location)
{
    std::string name;
    MasterLookup(location).findByKey("500", "001", name);
    return name;
}

} // namespace zoruka
