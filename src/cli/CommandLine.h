#pragma once

#include "output/PdfRenderer.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace zoruka {

// zoruka-cli: builds a match table with the same checks and messages as its screen and prints
// it, or writes its print layout, PDF and CSV files, all of them or none. `args` are the
// arguments after the program name; without `renderPdf`, --pdf is refused. Returns the exit code:
// 0 done, 1 a file or standard output could not be written, 2 refused (nothing written).
// Messages, in Japanese, go to `err`.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PdfRenderer& renderPdf = {});

} // namespace zoruka
