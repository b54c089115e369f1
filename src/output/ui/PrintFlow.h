#pragma once

#include "output/PrintResult.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace zoruka::ui {

namespace print_flow {
// Told before the path of the PDF file the sheets went to.
inline const QString kSentToPdf = QStringLiteral("プリンタがないため、PDFファイルに出力しました。");
} // namespace print_flow

// What a match-table screen's "印刷" does with its print layout's result:
// - refused: the layout's message under the layout's title (warning icon); nothing printed;
// - otherwise the sheets go to the default printer without a dialog, under the hourglass; on a
//   machine without printer they go into a PDF file under "印刷" in the folder the program
//   started in, and kSentToPdf with the file's path is shown under `title` (information icon);
// - a printer or file failure is shown under `title` (warning icon) and nothing more;
// - once printed, `printedMessage` under `title` (warning icon, as the system confirms); an empty
//   `printedMessage` shows nothing more (the reports confirm nothing).
// Returns whether the sheets were printed.
bool printTable(QWidget* parent, const PrintResult& result, const QString& title,
                const QString& printedMessage);

// Sheets as the bytes of a PDF file, drawn as printing draws them: for a screen that keeps a
// printed sheet as a file.
std::string pdfOfSheets(const std::vector<PrintDocument>& documents);

} // namespace zoruka::ui
