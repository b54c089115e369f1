#pragma once

#include <span>

namespace zoruka::print_font {

// The metrics of the font the print renderer draws every font name of the system with (IPA P
// Gothic, see output/render/PrintFonts.h), in font units, as scripts/print-font-advances reads
// them from the installed font file into PrintFontAdvances.cpp.

struct AdvanceRun {
    char32_t first;
    char32_t last;
    int advance;
};

extern const int kUnitsPerEm;
extern const int kAscender; // from the top of a line of text to its baseline

// The characters whose advance is not one em, as runs of code points in ascending order; every
// other character (kanji, full-width forms, and those the font lacks) counts one em.
extern const std::span<const AdvanceRun> kAdvanceRuns;

} // namespace zoruka::print_font
