#include "output/DoublesPrint.h"

#include "common/NumberFormat.h"
#include "output/ExportedRests.h"
#include "output/PrintBuilder.h"
#include "output/TableLabels.h"

#include <string>

namespace zoruka {

namespace {

constexpr const char* kFont = "HG丸ゴシックM - PRO";

// Sheet and block measures, millimetres.
constexpr double kLeftMargin = 5;
constexpr double kHeadingTop = 5;
constexpr double kCourtsHeadingX = 40;
constexpr double kFirstRowTop = 16;
constexpr double kBlockWidth = 50;
constexpr double kBlockGap = 7;
constexpr double kRowGap = 10;
constexpr double kHeaderHeight = 8;
constexpr double kPairRowHeight = 10;
constexpr double kMemberStep = 16;
constexpr double kSideColumnX = 32;
constexpr double kRestHeaderHeight = 10;
constexpr double kRestLineHeight = 6;
constexpr double kTwoRowLimit = 86;
constexpr double kRestDropLimit = 185;

constexpr int kBlocksPerRow = 5;
constexpr int kGamesPerPage = 10;
constexpr int kManyRests = 12;

// Line widths, printer drawing units.
constexpr int kHeavyLine = 4;
constexpr int kLightLine = 3;

struct BlockShape {
    double height = 0;
    int restsPerLine = 4;
    bool withRests = true;
    bool twoRows = true;
};

BlockShape blockShape(const RunParameters& params)
{
    BlockShape shape;
    shape.restsPerLine = params.resting > kManyRests ? 5 : 4;
    // Room is kept for every rest, although a block prints only the first 20.
    const int restLines =
        params.resting == 0 ? 1 : (params.resting + shape.restsPerLine - 1) / shape.restsPerLine;
    const double pairsHeight = 2 * params.courts * kPairRowHeight + kHeaderHeight;
    shape.height = pairsHeight + kRestHeaderHeight + (restLines - 1) * kRestLineHeight;
    if (shape.height >= kRestDropLimit) {
        shape.withRests = false;
        shape.height = pairsHeight;
    }
    shape.twoRows = shape.height < kTwoRowLimit;
    return shape;
}

class DoublesSheets {
public:
    explicit DoublesSheets(const RunParameters& params)
        : m_params(params), m_shape(blockShape(params)), m_out(Orientation::Landscape)
    {
        m_out.setFont(kFont);
    }

    const BlockShape& shape() const { return m_shape; }

    void addGame(const MatchTable& table, int game, const std::vector<int>& rests)
    {
        placeNextBlock();
        const double x0 = kLeftMargin + (m_inRow - 1) * (kBlockWidth + kBlockGap);
        drawFrame(x0, m_rowTop);
        drawPairs(table, game, x0, m_rowTop);
        if (m_shape.withRests) {
            drawRests(rests, x0, m_rowTop);
        }
    }

    std::vector<PrintDocument> finish() { return m_out.finish(); }

private:
    void placeNextBlock();
    void startSheet();
    void drawFrame(double x0, double y0);
    void drawPairs(const MatchTable& table, int game, double x0, double y0);
    void drawRests(const std::vector<int>& rests, double x0, double y0);

    const RunParameters& m_params;
    BlockShape m_shape;
    PrintBuilder m_out;
    // Both counters start full, so the first game opens the first sheet.
    int m_onSheet = kGamesPerPage;
    int m_inRow = kBlocksPerRow;
    double m_rowTop = kFirstRowTop;
};

void DoublesSheets::placeNextBlock()
{
    ++m_onSheet;
    ++m_inRow;
    if (m_onSheet > kGamesPerPage) {
        startSheet();
    } else if (m_inRow > kBlocksPerRow) {
        if (m_shape.twoRows) {
            m_rowTop += m_shape.height + kRowGap;
            m_inRow = 1;
        } else {
            startSheet();
        }
    }
}

void DoublesSheets::startSheet()
{
    m_out.endDocument();
    m_out.setFontSize(16);
    m_out.text(kLeftMargin, kHeadingTop, participantsLabel(m_params.participants));
    m_out.text(kCourtsHeadingX, kHeadingTop, courtsLabel(m_params.courts));
    m_onSheet = 1;
    m_inRow = 1;
    m_rowTop = kFirstRowTop;
}

void DoublesSheets::drawFrame(double x0, double y0)
{
    const double x1 = x0 + kBlockWidth;
    const double headerBottom = y0 + kHeaderHeight;
    const int slots = 2 * m_params.courts;
    const double pairsBottom = headerBottom + slots * kPairRowHeight;

    m_out.setLineWidth(kHeavyLine);
    m_out.box(x0, y0, x1, y0 + m_shape.height);
    m_out.setLineWidth(kLightLine);
    m_out.line(x0, headerBottom, x1, headerBottom);
    m_out.line(x0 + kMemberStep, headerBottom, x0 + kMemberStep, pairsBottom);
    m_out.setLineWidth(kHeavyLine);
    m_out.line(x0 + kSideColumnX, y0, x0 + kSideColumnX, y0 + m_shape.height);
    m_out.setLineWidth(kLightLine);
    for (int slot = 1; slot <= slots; ++slot) {
        const double y = headerBottom + slot * kPairRowHeight;
        m_out.line(x0, y, x1, y);
    }
}

void DoublesSheets::drawPairs(const MatchTable& table, int game, double x0, double y0)
{
    m_out.setFontSize(10);
    m_out.text(x0, y0 - 5, gameLabel(game));
    m_out.setFontSize(14);
    m_out.text(x0 + 6, y0 + kHeaderHeight - 5, "ペア番号");
    m_out.text(x0 + 35, y0 + kHeaderHeight - 5, "コート");
    for (int slot = 1; slot <= 2 * m_params.courts; ++slot) {
        const double rowBottom = y0 + kHeaderHeight + slot * kPairRowHeight;
        const Pair pair = table.results.pair(game, slot);
        m_out.setFontSize(20);
        m_out.text(x0 + 8, rowBottom - 7.5, twoCharField(pair.first));
        m_out.text(x0 + 8 + kMemberStep, rowBottom - 7.5, twoCharField(pair.second));
        m_out.setFontSize(14);
        m_out.text(x0 + 37, rowBottom - 6, courtSideLabel(slot));
    }
}

void DoublesSheets::drawRests(const std::vector<int>& rests, double x0, double y0)
{
    const double restTop = y0 + 2 * m_params.courts * kPairRowHeight + kRestHeaderHeight;
    m_out.setFontSize(14);
    m_out.text(x0 + 37, restTop, "休憩");

    const std::size_t perLine = static_cast<std::size_t>(m_shape.restsPerLine);
    m_out.setFontSize(perLine == 4 ? 14 : 12);
    for (std::size_t first = 0; first < rests.size(); first += perLine) {
        std::string line;
        for (std::size_t i = first; i < rests.size() && i < first + perLine; ++i) {
            line += (i == first ? "" : ",") + twoCharField(rests[i]);
        }
        const double lineIndex = static_cast<double>(first / perLine);
        m_out.text(x0 + 2, restTop + lineIndex * kRestLineHeight - 1, line);
    }
}

PrintResult refusal(std::string_view message)
{
    PrintResult result;
    result.code = PrintResult::kRefused;
    result.title = doubles_print::kTitle;
    result.message = message;
    return result;
}

} // namespace

PrintResult printDoubles(const MatchTable& table)
{
    if (table.params.courts >= doubles_print::kRefusedCourts) {
        return refusal(doubles_print::kBeyondLimit);
    }
    const std::vector<std::vector<int>> rests = exportedRests(table);
    if (rests.empty()) {
        return refusal(doubles_print::kNothingToPrint);
    }
    DoublesSheets sheets(table.params);
    for (std::size_t g = 0; g < rests.size(); ++g) {
        sheets.addGame(table, static_cast<int>(g) + 1, rests[g]);
    }
    PrintResult result;
    result.code =
        sheets.shape().withRests ? PrintResult::kPrinted : PrintResult::kPrintedWithoutRests;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
