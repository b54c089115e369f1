#include "output/RosterLegend.h"

#include "output/PrintableArea.h"
#include "output/TextFit.h"

#include <algorithm>
#include <cmath>

namespace zoruka {

namespace {

constexpr double kEntrySize = 14;
constexpr double kLinePitch = 6.5;
constexpr double kColumnGap = 5;
constexpr double kNumberGap = 1.5;
constexpr double kNarrowestColumn = 30;
constexpr double kWidestColumn = 70;
// Between the last block row (its frame's reach) and the strip under it.
constexpr double kStripGap = 5;

// A landscape sheet's printable part.
constexpr double kRight = kA4Height - kPrinterMargin;
constexpr double kBottom = kA4Width - kPrinterMargin;

struct Room {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

double numberWidth() { return printedWidth("00", kEntrySize); }

// The lines each named group takes: its heading and its named numbers.
std::vector<int> sectionLines(const Roster& roster, std::size_t groups)
{
    std::vector<int> lines;
    for (std::size_t group = 0; group < groups; ++group) {
        const auto& names = roster.groups[group];
        const auto named = std::count_if(names.begin(), names.end(),
                                         [](const std::string& name) { return !name.empty(); });
        if (named > 0) {
            lines.push_back(1 + static_cast<int>(named));
        }
    }
    return lines;
}

double naturalColumnWidth(const Roster& roster, const std::vector<LegendGroup>& groups)
{
    double widest = 0;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        widest = std::max(widest, printedWidth(groups[group].label, kEntrySize));
        for (const std::string& name : roster.groups[group]) {
            widest = std::max(widest, numberWidth() + kNumberGap + printedWidth(name, kEntrySize));
        }
    }
    return std::clamp(widest + kLineClearance, kNarrowestColumn, kWidestColumn);
}

int columnsNeeded(const std::vector<int>& sections, int linesPerColumn)
{
    int columns = 0;
    for (const int lines : sections) {
        columns += (lines + linesPerColumn - 1) / linesPerColumn;
    }
    return columns;
}

int linesWithin(const Room& room)
{
    const double height = room.bottom - room.top - textHeight(kEntrySize);
    return height < 0 ? 0 : static_cast<int>(std::floor(height / kLinePitch)) + 1;
}

int columnsWithin(const Room& room, double columnWidth)
{
    return static_cast<int>(
        std::floor((room.right - room.left + kColumnGap) / (columnWidth + kColumnGap)));
}

struct Candidate {
    GameBlockSheets::SheetArrangement arrangement;
    bool strip; // under the blocks, else right of them
};

// Every arrangement that leaves room, most games to a sheet first; a strip before a column.
std::vector<Candidate> candidates(double blockHeight)
{
    const int standardRows = GameBlockSheets::standardArrangement(blockHeight).rows;
    std::vector<Candidate> all;
    for (int perRow = 5; perRow >= 1; --perRow) {
        for (const int rows : {standardRows, 1}) {
            const Candidate candidate{{perRow, rows}, perRow == 5};
            if (rows <= standardRows &&
                std::none_of(all.begin(), all.end(), [&](const Candidate& seen) {
                    return seen.arrangement == candidate.arrangement;
                })) {
                all.push_back(candidate);
            }
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const Candidate& a, const Candidate& b) {
        return a.arrangement.blocksPerRow * a.arrangement.rows >
               b.arrangement.blocksPerRow * b.arrangement.rows;
    });
    return all;
}

Room roomOf(const Candidate& candidate, double blockHeight)
{
    const auto& [perRow, rows] = candidate.arrangement;
    if (candidate.strip) {
        const double blocksBottom = GameBlockSheets::kFirstRowTop + rows * blockHeight +
                                    (rows - 1) * GameBlockSheets::kRowGap +
                                    GameBlockSheets::kLineReach;
        return {GameBlockSheets::kLeftMargin, blocksBottom + kStripGap, kRight, kBottom};
    }
    return {GameBlockSheets::kLeftMargin +
                perRow * (GameBlockSheets::kBlockWidth + GameBlockSheets::kBlockGap),
            GameBlockSheets::kFirstRowTop - GameBlockSheets::kTitleRise, kRight, kBottom};
}

} // namespace

LegendPlan planLegend(const Roster& roster, const std::vector<LegendGroup>& groups,
                      double blockHeight)
{
    const std::vector<int> sections = sectionLines(roster, groups.size());
    const double natural = naturalColumnWidth(roster, groups);
    const std::vector<Candidate> all = candidates(blockHeight);
    for (const Candidate& candidate : all) {
        const Room room = roomOf(candidate, blockHeight);
        const int lines = linesWithin(room);
        if (lines >= 2 && columnsNeeded(sections, lines) <= columnsWithin(room, natural)) {
            return {candidate.arrangement, room.left, room.top, natural, lines};
        }
    }
    // One block a sheet: the columns share the room beside it.
    const Room room = roomOf(all.back(), blockHeight);
    const int lines = linesWithin(room);
    const int columns = std::max(1, columnsNeeded(sections, lines));
    const double width = (room.right - room.left - (columns - 1) * kColumnGap) / columns;
    return {all.back().arrangement, room.left, room.top, std::min(natural, width), lines};
}

void drawLegend(PrintBuilder& out, const Roster& roster, const std::vector<LegendGroup>& groups,
                const LegendPlan& plan)
{
    out.setFontSize(kEntrySize);
    int column = 0;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        if (!roster.names(static_cast<int>(group))) {
            continue;
        }
        out.setColour(groups[group].colour);
        int line = 0;
        const auto at = [&](int lineIndex) {
            return std::pair{plan.left + column * (plan.columnWidth + kColumnGap),
                             plan.top + lineIndex * kLinePitch};
        };
        const auto [headingX, headingY] = at(line++);
        out.textWithin(headingX, headingY, groups[group].label, headingX + plan.columnWidth);
        const auto& names = roster.groups[group];
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i].empty()) {
                continue;
            }
            if (line == plan.linesPerColumn) {
                ++column;
                line = 0;
            }
            const auto [x, y] = at(line++);
            out.textEndingAt(x + numberWidth(), y, std::to_string(i + 1));
            out.textWithin(x + numberWidth() + kNumberGap, y, names[i], x + plan.columnWidth);
        }
        ++column;
    }
    out.setColour(kPaletteBlack);
}

GameBlockSheets sheetsWithLegend(double blockHeight, double numberRise,
                                 std::function<void(PrintBuilder&)> heading, const Roster& roster,
                                 std::vector<LegendGroup> groups)
{
    if (roster.empty()) {
        return GameBlockSheets(blockHeight, numberRise, std::move(heading));
    }
    const LegendPlan plan = planLegend(roster, groups, blockHeight);
    return GameBlockSheets(
        blockHeight, numberRise,
        [heading = std::move(heading), roster, groups = std::move(groups),
         plan](PrintBuilder& out) {
            heading(out);
            drawLegend(out, roster, groups, plan);
        },
        plan.arrangement);
}

} // namespace zoruka
