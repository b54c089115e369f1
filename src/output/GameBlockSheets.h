#pragma once

#include "matchtable/ResultStore.h"
#include "output/PrintBuilder.h"

#include <functional>
#include <string>
#include <vector>

namespace zoruka {

// The sheets of a printed match table: A4 landscape, each sheet a print document of its own that
// opens with its heading, then one framed block per game, five blocks side by side 50 mm wide and
// 7 mm apart from x = 5, the first row with its top at y = 16. Blocks less than 86 mm tall stand
// in two rows (the second one block height + 10 mm below the first), ten games to a sheet; taller
// blocks in one row of five.
//
// A block is a heading row 8 mm tall ("ペア番号" over the two number columns, "コート" over the
// label column) over rows 10 mm tall, each with two numbers (20 pt) from 8 mm into their cells
// 16 mm wide and a label (14 pt) right of a heavy line at x0 + 32; the game title "第 g 試合"
// (10 pt) stands 5 mm above. A number that would reach its cell's right-hand line (any two-digit
// number in the print font) ends where a one-digit number ends instead, so that the column's
// numbers stand right-aligned. Positions are millimetres from the sheet's top-left corner.
//
// A sheet that needs room beside its blocks (a legend of names) may hold fewer blocks to a row,
// or a single row (SheetArrangement).
class GameBlockSheets {
public:
    // The font of every text of a match table's sheets.
    static constexpr const char* kFont = "HG丸ゴシックM - PRO";
    static constexpr double kLeftMargin = 5;
    static constexpr double kFirstRowTop = 16;
    static constexpr double kBlockWidth = 50;
    static constexpr double kBlockGap = 7;
    static constexpr double kRowGap = 10;
    static constexpr double kTitleRise = 5; // the game title's top above its block
    static constexpr double kHeaderHeight = 8;
    static constexpr double kRowHeight = 10;
    static constexpr double kLabelColumnX = 32; // from the block's left edge
    // Line widths, printer drawing units.
    static constexpr int kHeavyLine = 4;
    static constexpr int kLightLine = 3;
    // How far a block's lines reach to either side of where they are drawn.
    static constexpr double kLineReach = lineReach(kHeavyLine);

    // The height of a block of `rows` rows and nothing below them.
    static constexpr double rowsHeight(int rows) { return kHeaderHeight + rows * kRowHeight; }

    // One row of a block: the two numbers and the label, each in its colour. An empty text
    // draws nothing (a court a failed game never filled).
    struct Row {
        std::string first;
        std::string second;
        int secondColour = kPaletteBlack;
        std::string label;
        int firstColour = kPaletteBlack;
        int labelColour = kPaletteBlack;
    };

    // The top-left corner of a placed block.
    struct Corner {
        double x = 0;
        double y = 0;
    };

    // How many blocks stand side by side and how many such rows make a sheet.
    struct SheetArrangement {
        int blocksPerRow = 5;
        int rows = 1;

        bool operator==(const SheetArrangement&) const = default;
    };

    // Five blocks to a row; two rows while a block is less than 86 mm tall, else one.
    static SheetArrangement standardArrangement(double blockHeight);

    // The rows of pair slots 1..`slots` of `game`: the two members and the court side
    // (" 1-A", " 1-B", ...), the second member in `secondColour`.
    static std::vector<Row> pairSlotRows(const ResultStore& results, int game, int slots,
                                         int secondColour);

    // Blocks `blockHeight` tall whose numbers stand `numberRise` above their row's bottom edge;
    // `heading` draws the heading of every sheet (in black, before its blocks).
    GameBlockSheets(double blockHeight, double numberRise,
                    std::function<void(PrintBuilder&)> heading);
    // As above, arranged as `arrangement` says.
    GameBlockSheets(double blockHeight, double numberRise,
                    std::function<void(PrintBuilder&)> heading, SheetArrangement arrangement);

    // Places the block of `game` after the previous one, starting a sheet when needed, and draws
    // its frame (a light line under each of the first `ruledRows` rows) and its texts.
    Corner addBlock(int game, const std::vector<Row>& rows, int ruledRows);

    // For layouts that draw more inside a block.
    PrintBuilder& out() { return m_out; }

    // Every sheet drawn. Call once, at the end.
    std::vector<PrintDocument> finish() { return m_out.finish(); }

private:
    Corner placeNextBlock();
    void startSheet();
    void drawFrame(Corner at, int rows, int ruledRows);
    void drawTexts(Corner at, int game, const std::vector<Row>& rows);
    void drawNumber(double cellLeft, double y, const std::string& text, int colour);
    void drawText(double x, double y, const std::string& text, int colour);

    double m_blockHeight;
    double m_numberRise;
    SheetArrangement m_arrangement;
    std::function<void(PrintBuilder&)> m_heading;
    PrintBuilder m_out;
    // Both counters start full, so the first block opens the first sheet.
    int m_onSheet;
    int m_inRow;
    double m_rowTop;
};

} // namespace zoruka
