#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zoruka {

// zoruka-cli: builds a match table with the same checks and messages as its screen and prints
// it. `args` are the arguments after the program name. Returns the exit code: 0 done, 2 refused
// (the message goes to `err`).
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace zoruka
