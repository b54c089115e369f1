#pragma once

#include "output/PrintDocument.h"

#include <string>
#include <vector>

namespace zoruka {

// Print documents as JSON lines, for looking at a layout without a printer. Each document
// (numbered from 1) opens with
//   {"document":1,"op":"document","paper":"A4","orientation":"landscape"}
// followed by one line per drawing operation, with its page (numbered from 1 in the document):
//   {"document":1,"page":1,"op":"text","x":5,"y":5,"text":" 9
//   名","font":"...","size":16,"colour":0}
//   {"document":1,"page":1,"op":"line","x1":5,"y1":24,"x2":55,"y2":24,"width":3,"colour":0}
//   {"document":1,"page":1,"op":"box", ...the same fields as a line}
// Lengths in millimetres, sizes in points, widths in printer drawing units, colours palette
// numbers. Every line ends with "\n".
std::string printOperationsJson(const std::vector<PrintDocument>& documents);

} // namespace zoruka
