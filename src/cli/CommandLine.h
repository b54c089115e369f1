#pragma once

#include "output/PrintDocument.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zoruka {

// Writes print documents as a PDF file at `path`; returns nothing when done, else the message
// to show. zoruka-cli passes the renderer here, so that this library stays free of Qt.
using PdfWriter = std::function<std::optional<std::string>(
    const std::vector<PrintDocument>& documents, const std::string& path)>;

// zoruka-cli: builds a match table with the same checks and messages as its screen and prints
// it, or writes its print layout and CSV file. `args` are the arguments after the program name;
// without `writePdf`, --pdf is refused. Returns the exit code: 0 done, 1 a file could not be
// written, 2 refused (nothing written). Messages go to `err`.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PdfWriter& writePdf = {});

} // namespace zoruka
