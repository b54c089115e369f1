#include "common/ProgramVersion.h"

namespace zoruka {

// ZORUKA_VERSION is defined for this file alone, so a new version recompiles nothing else.
std::string_view programVersion() { return ZORUKA_VERSION; }

} // namespace zoruka
