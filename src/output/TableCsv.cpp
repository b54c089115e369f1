#include "output/TableCsv.h"

#include "common/NumberFormat.h"
#include "matchtable/RestRotation.h"
#include "matchtable/TableGrid.h"
#include "output/CsvLine.h"
#include "output/TableLabels.h"

namespace zoruka {

namespace {

// A spreadsheet user sees the table's size again at the top of every screenful of ten games.
constexpr int kGamesPerSizeLine = 10;

std::string rosterSection(const Roster& roster, const CsvNames& names)
{
    std::vector<std::string> header{"番号", "氏名"};
    if (!names.groupLabels.empty()) {
        header.insert(header.begin(), "区分");
    }
    std::string csv = "\r\n" + csvLine(header);
    for (std::size_t group = 0; group < roster.groups.size(); ++group) {
        const auto& groupNames = roster.groups[group];
        for (std::size_t i = 0; i < groupNames.size(); ++i) {
            std::vector<std::string> fields{twoCharField(static_cast<int>(i) + 1), groupNames[i]};
            if (!names.groupLabels.empty()) {
                fields.insert(fields.begin(), names.groupLabels[group]);
            }
            csv += csvLine(fields);
        }
    }
    return csv;
}

} // namespace

std::string tableCsv(const MatchTable& table, std::string_view sizeLine,
                     const std::vector<std::string>& header, const CsvNames& names,
                     const std::function<std::vector<int>(int game)>& lastSlotRests)
{
    const Roster& roster = table.roster;
    const bool named = !roster.empty();
    std::vector<std::string> headerFields = header;
    if (named) {
        headerFields.insert(headerFields.end(), names.header.begin(), names.header.end());
    }
    const std::string headerLine = csvLine(headerFields);

    const int slots = 2 * table.params.courts;
    std::string csv;
    for (int game = 1; game <= table.builtGames(); ++game) {
        if (game % kGamesPerSizeLine == 1) {
            csv += sizeLine;
            if (game == 1) {
                csv += headerLine;
            }
        }
        const std::vector<int> rests = lastSlotRests ? lastSlotRests(game) : std::vector<int>{};
        for (int slot = 1; slot <= slots; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            const bool last = slot == slots;
            std::vector<std::string> fields{gameLabel(game), twoCharField(pair.first),
                                            twoCharField(pair.second), courtSideLabel(slot)};
            if (lastSlotRests && (last || named)) {
                fields.push_back(last ? restListText(rests) : "");
            }
            if (named) {
                fields.emplace_back(roster.name(names.memberGroups[0], pair.first));
                fields.emplace_back(roster.name(names.memberGroups[1], pair.second));
                if (lastSlotRests) {
                    fields.push_back(last ? restsText(roster, 0, rests) : "");
                }
            }
            csv += csvLine(fields);
        }
    }
    if (named && !csv.empty()) {
        csv += rosterSection(roster, names);
    }
    return csv;
}

} // namespace zoruka
