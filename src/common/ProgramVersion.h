#pragma once

#include <string_view>

namespace zoruka {

// The program's version, "major.minor.patch", as the project and its package name it.
std::string_view programVersion();

} // namespace zoruka
