#include "output/PlayerSheetsPrint.h"

#include "common/NumberFormat.h"
#include "matchtable/PlayerGames.h"
#include "output/DoublesPrint.h"
#include "output/GameBlockSheets.h"
#include "output/PrintBuilder.h"
#include "output/PrintableArea.h"
#include "output/TableLabels.h"

#include <array>
#include <string>

namespace zoruka {

namespace {

constexpr double kHeadingTop = 5;
constexpr double kHeadingSize = 14;
constexpr double kColumnHeadingTop = 13;
constexpr double kColumnHeadingSize = 9;
constexpr double kFirstEntryTop = 19;
constexpr double kBottom = kA4PrintableBottom;

constexpr double kColumnLeft[] = {kPrinterMargin, 109};
constexpr double kColumnWidth = kA4PrintableRight - 109;

constexpr double kTitleSize = 12;
constexpr double kTitleHeight = 6;
constexpr double kLineSize = 10;
constexpr double kLinePitch = 4.5;
constexpr double kEntryGap = 3;

// Where each field of a game line starts within a column; each ends where the next starts.
constexpr double kGameX = 2;
constexpr double kCourtX = 19;
constexpr double kPartnerX = 30;
constexpr double kOpponentsX = 57;
constexpr double kFieldGap = 1;

struct KindWords {
    const char* heading;
    std::array<const char*, 2> groups; // before an entry's number
    bool sides;                        // court sides A and B and partners, else the court alone
};

KindWords wordsOf(MatchKind kind)
{
    switch (kind) {
    case MatchKind::Doubles:
        return {"ダブルス", {"", ""}, true};
    case MatchKind::Mixed:
        return {"Ｍｉｘダブルス", {"男", "女"}, true};
    case MatchKind::Team:
        return {"団体戦", {"A", "B"}, true};
    case MatchKind::FixedPairs:
        break;
    }
    return {"対抗戦", {"A", "B"}, false};
}

std::string namesOf(const Roster& roster, const std::vector<PlayerSeat>& players)
{
    std::string text;
    for (const PlayerSeat& player : players) {
        text += (text.empty() ? "" : "・") + roster.nameOrNumber(player.group, player.number);
    }
    return text;
}

class Sheets {
public:
    explicit Sheets(const KindWords& words) : m_words(words), m_out(Orientation::Portrait)
    {
        m_out.setFont(GameBlockSheets::kFont);
    }

    void addEntry(const Roster& roster, int group, int number, const std::vector<PlayerGame>& games)
    {
        const double height =
            kTitleHeight + static_cast<double>(games.size()) * kLinePitch + kEntryGap;
        if (m_column < 0 || m_top + height > kBottom) {
            nextColumn();
        }
        const double left = kColumnLeft[m_column];
        const double right = left + kColumnWidth;
        // The second group prints in light red, as on the table's own sheets.
        m_out.setColour(group == 1 ? kPaletteLightRed : kPaletteBlack);
        m_out.setFontSize(kTitleSize);
        const std::string prefix = std::string(m_words.groups[static_cast<std::size_t>(group)]);
        m_out.textWithin(left, m_top,
                         prefix + (prefix.empty() ? "" : " ") + twoCharField(number) + " " +
                             std::string(roster.name(group, number)),
                         right);
        m_out.setColour(kPaletteBlack);
        m_out.setFontSize(kLineSize);
        double y = m_top + kTitleHeight;
        for (std::size_t g = 0; g < games.size(); ++g, y += kLinePitch) {
            const PlayerGame& game = games[g];
            field(left, kGameX, y, gameLabel(static_cast<int>(g) + 1), kCourtX);
            if (game.rests()) {
                field(left, kCourtX, y, "休憩", kPartnerX);
                continue;
            }
            field(left, kCourtX, y,
                  m_words.sides ? courtSideLabel(2 * game.court - 1 + game.side)
                                : twoCharField(game.court),
                  kPartnerX);
            field(left, kPartnerX, y, namesOf(roster, game.partners), kOpponentsX);
            field(left, kOpponentsX, y, namesOf(roster, game.opponents), kColumnWidth);
        }
        m_out.setLineWidth(1);
        m_out.line(left, y + kEntryGap / 2, right, y + kEntryGap / 2);
        m_top += height;
    }

    std::vector<PrintDocument> finish() { return m_out.finish(); }

private:
    void field(double left, double from, double y, const std::string& text, double to)
    {
        if (!text.empty()) {
            m_out.textWithin(left + from, y, text, left + to - kFieldGap);
        }
    }

    void nextColumn()
    {
        ++m_column;
        if (m_column == 0 || m_column == 2) {
            m_column = 0;
            m_out.endDocument();
            m_out.setFontSize(kHeadingSize);
            m_out.text(kPrinterMargin, kHeadingTop,
                       std::string(player_sheets::kTitle) + "　" + m_words.heading);
        }
        const double left = kColumnLeft[m_column];
        m_out.setFontSize(kColumnHeadingSize);
        m_out.text(left + kGameX, kColumnHeadingTop, "試合");
        m_out.text(left + kCourtX, kColumnHeadingTop, "コート");
        if (m_words.sides) {
            m_out.text(left + kPartnerX, kColumnHeadingTop, "ペア");
        }
        m_out.text(left + kOpponentsX, kColumnHeadingTop, "対戦相手");
        m_top = kFirstEntryTop;
    }

    KindWords m_words;
    PrintBuilder m_out;
    int m_column = -1;
    double m_top = kFirstEntryTop;
};

} // namespace

PrintResult printPlayerSheets(MatchKind kind, const MatchTable& table)
{
    if (table.builtGames() == 0) {
        return PrintResult::refusal(player_sheets::kTitle, doubles_print::kNothingToPrint);
    }
    const auto games = playerGames(kind, table);
    Sheets sheets(wordsOf(kind));
    for (int group = 0; group < 2; ++group) {
        const auto& players = games[static_cast<std::size_t>(group)];
        for (std::size_t k = 0; k < players.size(); ++k) {
            sheets.addEntry(table.roster, group, static_cast<int>(k) + 1, players[k]);
        }
    }
    PrintResult result;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
