#pragma once

namespace zoruka {

// The A4 sheet in portrait, and the part of it that printers reach, in millimetres. Printers leave
// a margin of up to kPrinterMargin unprinted at each edge; report layouts keep everything they
// draw above kA4PrintableBottom and left of kA4PrintableRight.
inline constexpr double kA4Width = 210;
inline constexpr double kA4Height = 297;
inline constexpr double kPrinterMargin = 5;
inline constexpr double kA4PrintableRight = kA4Width - kPrinterMargin;
inline constexpr double kA4PrintableBottom = kA4Height - kPrinterMargin;

// The height of a line of text of `points` points.
constexpr double textHeight(double points) { return points * 25.4 / 72; }

} // namespace zoruka
