#pragma once

#include "store/DatabaseLocation.h"

#include <string>

namespace zoruka {

// The club name the printed lists carry: マ_名称 of the master row "500"/"001" (master settings),
// empty while that row does not exist. Throws StoreError.
std::string readClubName(const DatabaseLocation& location);

} // namespace zoruka
