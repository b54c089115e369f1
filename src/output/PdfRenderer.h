#pragma once

#include "output/PrintDocument.h"

#include <functional>
#include <string>
#include <vector>

namespace zoruka {

// Print documents as the bytes of a PDF file. The programs pass the renderer (output/render) in,
// so that the core stays free of Qt.
using PdfRenderer = std::function<std::string(const std::vector<PrintDocument>& documents)>;

} // namespace zoruka
