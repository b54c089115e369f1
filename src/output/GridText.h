#pragma once

#include "common/GridModel.h"

#include <string>

namespace zoruka {

// The grid as plain text, one line per row, columns padded to equal display width and separated
// by two blanks; a merged cell's text stands once, in its first column. Lines end with "\n" and
// carry no trailing blanks.
std::string gridText(const GridModel& grid);

} // namespace zoruka
