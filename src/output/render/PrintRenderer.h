#pragma once

#include "output/PrintDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPainter;

namespace zoruka {

// Draws print documents with QPainter; a QGuiApplication must exist (see RenderApplication.h).
// Positions are taken from the sheet's top-left corner, not from a printer's printable area.
// Texts are placed by their font's ascent so that their top stands at the given y; a line
// width of n printer drawing units is n x kMillimetresPerLineUnit (0.1 mm).

namespace print_renderer {

inline constexpr std::string_view kPdfFolder = "印刷";
inline constexpr std::string_view kPrinterFailed = "プリンタに出力できませんでした";

} // namespace print_renderer

// Draws `page` with `painter`, whose device must have its own resolution (a printer, a PDF
// writer, an image for a preview); the device's origin is the sheet's top-left corner.
void paintPage(QPainter& painter, const PrintPage& page);

// `documents` as one PDF file, every page of every document a PDF page of its own paper and
// orientation. Throws std::invalid_argument when there is no page to write.
std::string pdfBytes(const std::vector<PrintDocument>& documents);

// Writes pdfBytes() to `path` as writeOutputFile() does (an existing file is replaced only when
// the new one is complete). Returns nothing when done, else the message to show.
// Throws std::invalid_argument when there is no page to write.
std::optional<std::string> writePdf(const std::vector<PrintDocument>& documents,
                                    const std::string& path);

struct PrintOutcome {
    std::optional<std::string> error; // the message to show when nothing was printed
    std::string pdfPath;              // where the sheets went instead, on a machine without printer
};

// Prints `documents` on the default printer without a dialog, one print job per document.
// Where the machine has no printer the sheets are written to one PDF file instead, named
// "印刷/ゾルカ_yyyyMMdd_HHmmss.pdf" under `folder` (the folder is created; a second file in the
// same second gets "_2", "_3", ... before ".pdf"), and its path is returned.
// Throws std::invalid_argument when there is no page to print.
PrintOutcome printDocuments(const std::vector<PrintDocument>& documents, const std::string& folder);

} // namespace zoruka
