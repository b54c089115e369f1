#pragma once

#include "cli/CommandLine.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace zoruka {

// The line the usage of zoruka-cli gives the accounts.
inline constexpr const char* kAccountsUsageLine =
    "\nzoruka-cli accounts --help: the club's books as CSV files and the annual report as PDF\n";

// zoruka-cli accounts …: the CSV exports and the annual report of a club database, which it
// opens for reading only, so that a script can never change the books. `args` start with
// "accounts"; without `renderPdf` the report is refused. Returns the exit code as
// runCommandLine() does: 0 done, 1 a file could not be written, 2 refused (nothing written), the
// message, in Japanese, on `err`.
int runAccountsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                       const PdfRenderer& renderPdf);

} // namespace zoruka
