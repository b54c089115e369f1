#pragma once

#include "common/GridModel.h"
#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"
#include "output/PrintResult.h"

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace zoruka {

// What the command line knows of one kind of match table.
struct TableKind {
    std::string name; // "doubles", "mixed", "team", "fixed"
    MatchKind matchKind;
    std::vector<std::string> countOptions; // in the screen's field order
    std::string countHelp;                 // the lines of --help that explain them
    // With --from-game: who leaves, per rotation group ("--leaving 3,8").
    std::vector<std::string> leavingOptions;
    // The files of each group's names, in group order ("--names").
    std::vector<std::string> nameOptions;

    // The run parameters of the typed counts, or the screen's message refusing them.
    std::function<std::variant<RunParameters, std::string>(const std::vector<std::string>& counts)>
        check;
    std::function<MatchTable(const RunParameters&)> generate;
    // Empty: the kind has no random variant. Otherwise as `generate`, placing players by chance.
    std::function<MatchTable(const RunParameters&, std::uint32_t seed)> generateRandom;
    std::function<std::string(const MatchTable&)> json;
    std::function<GridModel(const MatchTable&)> grid;
    std::function<PrintResult(const MatchTable&)> print; // empty: the kind has no print layout
    // Empty: the kind has no CSV export. Otherwise the CSV file's text (UTF-8).
    std::function<std::string(const MatchTable&)> csv;
};

const std::vector<TableKind>& tableKinds();

} // namespace zoruka
