#pragma once

#include "cli/CommandLine.h"

#include <sstream>
#include <string>
#include <vector>

namespace zoruka::test {

// What a run of zoruka-cli gave: its exit code, standard output and standard error.
struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

inline CliRun runCli(const std::vector<std::string>& args, const PdfRenderer& renderPdf = {})
{
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runCommandLine(args, out, err, renderPdf);
    return {exitCode, out.str(), err.str()};
}

} // namespace zoruka::test
