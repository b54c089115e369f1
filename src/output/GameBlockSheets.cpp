#include "output/GameBlockSheets.h"

#include "common/NumberFormat.h"
#include "output/TableLabels.h"
#include "output/TextFit.h"

#include <algorithm>

namespace zoruka {

namespace {

constexpr double kMemberWidth = 16;
constexpr double kNumberOffset = 8;
constexpr double kNumberSize = 20;
constexpr double kTwoRowLimit = 86;

constexpr int kBlocksPerRow = 5;

} // namespace

std::vector<GameBlockSheets::Row>
GameBlockSheets::pairSlotRows(const ResultStore& results, int game, int slots, int secondColour)
{
    std::vector<Row> rows;
    rows.reserve(static_cast<std::size_t>(slots));
    for (int slot = 1; slot <= slots; ++slot) {
        const Pair pair = results.pair(game, slot);
        rows.push_back({twoCharField(pair.first), twoCharField(pair.second), secondColour,
                        courtSideLabel(slot)});
    }
    return rows;
}

GameBlockSheets::SheetArrangement GameBlockSheets::standardArrangement(double blockHeight)
{
    return {kBlocksPerRow, blockHeight < kTwoRowLimit ? 2 : 1};
}

GameBlockSheets::GameBlockSheets(double blockHeight, double numberRise,
                                 std::function<void(PrintBuilder&)> heading)
    : GameBlockSheets(blockHeight, numberRise, std::move(heading), standardArrangement(blockHeight))
{
}

GameBlockSheets::GameBlockSheets(double blockHeight, double numberRise,
                                 std::function<void(PrintBuilder&)> heading,
                                 SheetArrangement arrangement)
    : m_blockHeight(blockHeight), m_numberRise(numberRise), m_arrangement(arrangement),
      m_heading(std::move(heading)), m_out(Orientation::Landscape),
      m_onSheet(arrangement.blocksPerRow * arrangement.rows), m_inRow(arrangement.blocksPerRow),
      m_rowTop(kFirstRowTop)
{
    m_out.setFont(kFont);
}

GameBlockSheets::Corner GameBlockSheets::addBlock(int game, const std::vector<Row>& rows,
                                                  int ruledRows)
{
    const Corner at = placeNextBlock();
    drawFrame(at, static_cast<int>(rows.size()), ruledRows);
    drawTexts(at, game, rows);
    return at;
}

GameBlockSheets::Corner GameBlockSheets::placeNextBlock()
{
    ++m_onSheet;
    ++m_inRow;
    if (m_onSheet > m_arrangement.blocksPerRow * m_arrangement.rows) {
        startSheet();
    } else if (m_inRow > m_arrangement.blocksPerRow) {
        m_rowTop += m_blockHeight + kRowGap;
        m_inRow = 1;
    }
    return {kLeftMargin + (m_inRow - 1) * (kBlockWidth + kBlockGap), m_rowTop};
}

void GameBlockSheets::startSheet()
{
    m_out.endDocument();
    m_out.setColour(kPaletteBlack);
    m_heading(m_out);
    m_onSheet = 1;
    m_inRow = 1;
    m_rowTop = kFirstRowTop;
}

void GameBlockSheets::drawFrame(Corner at, int rows, int ruledRows)
{
    const double right = at.x + kBlockWidth;
    const double bottom = at.y + m_blockHeight;
    const double headerBottom = at.y + kHeaderHeight;

    m_out.setColour(kPaletteBlack);
    m_out.setLineWidth(kHeavyLine);
    m_out.box(at.x, at.y, right, bottom);
    m_out.setLineWidth(kLightLine);
    m_out.line(at.x, headerBottom, right, headerBottom);
    m_out.line(at.x + kMemberWidth, headerBottom, at.x + kMemberWidth,
               headerBottom + rows * kRowHeight);
    m_out.setLineWidth(kHeavyLine);
    m_out.line(at.x + kLabelColumnX, at.y, at.x + kLabelColumnX, bottom);
    m_out.setLineWidth(kLightLine);
    for (int row = 1; row <= ruledRows; ++row) {
        const double y = headerBottom + row * kRowHeight;
        m_out.line(at.x, y, right, y);
    }
}

void GameBlockSheets::drawTexts(Corner at, int game, const std::vector<Row>& rows)
{
    m_out.setFontSize(10);
    m_out.text(at.x, at.y - 5, gameLabel(game));
    m_out.setFontSize(14);
    m_out.text(at.x + 6, at.y + kHeaderHeight - 5, "ペア番号");
    m_out.text(at.x + 35, at.y + kHeaderHeight - 5, "コート");

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const double rowBottom = at.y + kHeaderHeight + static_cast<double>(i + 1) * kRowHeight;
        m_out.setFontSize(kNumberSize);
        drawNumber(at.x, rowBottom - m_numberRise, row.first, row.firstColour);
        drawNumber(at.x + kMemberWidth, rowBottom - m_numberRise, row.second, row.secondColour);
        m_out.setFontSize(14);
        drawText(at.x + 37, rowBottom - 6, row.label, row.labelColour);
    }
}

void GameBlockSheets::drawNumber(double cellLeft, double y, const std::string& text, int colour)
{
    const double x = cellLeft + kNumberOffset;
    const double right = cellLeft + kMemberWidth - kLineReach;
    if (text.empty() || x + printedWidth(text, kNumberSize) <= right) {
        drawText(x, y, text, colour);
        return;
    }
    const double oneDigitEnd = x + printedWidth(twoCharField(1), kNumberSize);
    m_out.setColour(colour);
    m_out.textEndingWithin(std::min(oneDigitEnd, right - kLineClearance), y, text,
                           cellLeft + kLineReach);
    m_out.setColour(kPaletteBlack);
}

void GameBlockSheets::drawText(double x, double y, const std::string& text, int colour)
{
    if (text.empty()) {
        return;
    }
    m_out.setColour(colour);
    m_out.text(x, y, text);
    m_out.setColour(kPaletteBlack);
}

} // namespace zoruka
