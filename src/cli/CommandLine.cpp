#include "cli/CommandLine.h"

#include "cli/AccountsCommand.h"
#include "cli/CommandOptions.h"
#include "cli/Refusal.h"
#include "cli/TableBuild.h"
#include "cli/TableKinds.h"
#include "matchtable/Roster.h"
#include "output/GridText.h"
#include "output/OutputFile.h"
#include "output/PlayerSheetsPrint.h"
#include "output/PrintOperationsJson.h"
#include "output/TextFile.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <variant>

namespace zoruka {

namespace {

constexpr int kWriteFailed = 1;
constexpr int kRefused = 2;

constexpr const char* kUsageHead =
    R"(Usage: zoruka-cli KIND COUNTS [--format json|text] [--pdf FILE] [--print-ops FILE]
                  [--csv FILE [--encoding sjis|utf8]] [--player-sheets FILE] [NAMES]

Builds a match table as its screen does and prints it. KIND and its COUNTS (each 0 to 50):
  doubles --participants N --courts C --games G
  mixed   --men M --women W --courts C --games G
  team    --a-size NA --b-size NB --courts C --games G
  fixed   --a-pairs NA --b-pairs NB --courts C --games G

)";

constexpr const char* kUsageTail =
    R"(
  --format json      one line (the default): {"kind":...,"params":{...},"games":[{"game":1,
                     "slots":[[1,2],[3,8],...],...},...]}, slots in table order (slot 2c-1 is
                     court c side A, slot 2c side B; fixed pairs: "courts":[[A pair,B pair],...]),
                     with the resting players ("rests"; "rests_men" and "rests_women";
                     "rests_a" and "rests_b"), games up to the first one that could not be
                     built (fixed pairs: and that one, with the courts it filled)
  --format text      the grid as the screen shows it
  --pdf FILE         writes the printed sheets (A4 landscape) as a PDF file
  --player-sheets FILE  writes the players' own sheets ("個人表", A4 portrait) as a PDF file:
                     per player every game with court, side, partner and opponents, or the rest
  --print-ops FILE   writes the print layout as JSON lines: a line per document
                     {"document":1,"op":"document","paper":"A4","orientation":"landscape"},
                     then one per drawing operation with its document and page, e.g.
                     {"document":1,"page":1,"op":"text","x":5,"y":5,"text":" 9 名",...};
                     millimetres from the sheet's top-left corner, sizes in points
  --csv FILE         writes the table as the CSV export screen does
  --encoding sjis    the CSV file in Shift_JIS (CP932), the default
  --encoding utf8    the CSV file in UTF-8 with a byte-order mark
  --random           doubles and mixed only: the players of each game are placed on the courts
                     by chance (the random screens' tables); rests as without --random
  --seed S           with --random: the seed (0 to 4294967295), so that the table can be
                     built again; without it a fresh seed is taken
  --help             this text

Names (the --names options of each kind) are read from UTF-8 text files, one name a line in
number order (blanks at either end of a line are dropped); every number needs its name. With
them the grid, the JSON ("names"), the CSV file (the names after each line's fields, and the
list of names at the end) and the printed sheets (a list of the numbers' names) show the names.

With --pdf, --print-ops, --csv or --player-sheets the table goes to standard output only when
--format is given. The files are written all or none: each goes under a temporary name first,
and they replace the files of their names only once all are complete. A name that is a symbolic
link writes the file it leads to; a folder, device or named pipe of that name is refused.
Printing and CSV are offered for the kinds whose screens offer them.

The counts are checked like the screen's combo boxes: a value that is missing or not a whole
number from 0 to 50 gets the screen's message, and so do more courts than the players can fill.
Printing is refused when the screen's print refuses (too many courts, no game built). Messages
go to standard error; the exit code is 2 for a refusal, when nothing is written, and 1 when a
file or standard output cannot be written.
)";

std::string usage()
{
    std::string text = kUsageHead;
    for (const TableKind& kind : tableKinds()) {
        text += kind.name + ":\n" + kind.countHelp;
    }
    return text + kUsageTail + "\n" + kBuildHelp + kAccountsUsageLine;
}

// What a run is asked to produce besides the table itself.
struct Outputs {
    std::string format; // "text" or "json"; empty when the table goes to no standard output
    std::optional<std::string> pdf;
    std::optional<std::string> printOps;
    std::optional<std::string> csv;
    std::optional<std::string> playerSheets;
    TextEncoding encoding = TextEncoding::ShiftJis;

    bool prints() const { return pdf || printOps; }
};

// The outputs asked for, or the message refusing them.
std::variant<Outputs, std::string> readOutputs(const Options& options)
{
    Outputs outputs;
    outputs.pdf = optionalValue(options, "--pdf");
    outputs.printOps = optionalValue(options, "--print-ops");
    outputs.csv = optionalValue(options, "--csv");
    outputs.playerSheets = optionalValue(options, "--player-sheets");
    const bool toFiles = outputs.prints() || outputs.csv || outputs.playerSheets;
    outputs.format = optionalValue(options, "--format").value_or(toFiles ? "" : "json");
    if (!outputs.format.empty() && outputs.format != "text" && outputs.format != "json") {
        return refusal("--format の値「" + outputs.format + "」は使えません（text か json）。");
    }
    if (const auto encoding = optionalValue(options, "--encoding")) {
        if (!outputs.csv) {
            return refusal("--encoding は --csv と一緒に指定してください。");
        }
        if (*encoding != "sjis" && *encoding != "utf8") {
            return refusal("--encoding の値「" + *encoding + "」は使えません（sjis か utf8）。");
        }
        outputs.encoding = *encoding == "utf8" ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
    }
    return outputs;
}

// Writes the files asked for, all of them or none; returns the failure's message.
std::optional<std::string> writeFiles(const Outputs& outputs, const PrintResult& print,
                                      const PrintResult& playerSheets, const std::string& csv,
                                      const PdfRenderer& renderPdf)
{
    std::vector<OutputBytes> files;
    if (outputs.printOps) {
        files.push_back({*outputs.printOps, printOperationsJson(print.documents)});
    }
    if (outputs.csv) {
        files.push_back({*outputs.csv, csv});
    }
    if (outputs.pdf) {
        files.push_back({*outputs.pdf, renderPdf(print.documents)});
    }
    if (outputs.playerSheets) {
        files.push_back({*outputs.playerSheets, renderPdf(playerSheets.documents)});
    }
    return writeOutputFiles(files);
}

// Whatever went to standard output reached it: a full disk or a closed pipe is reported.
int finish(std::ostream& out, std::ostream& err)
{
    out.flush();
    if (!out) {
        err << "標準出力に書き込めません。\n";
        return kWriteFailed;
    }
    return 0;
}

// With --random, the seed of the random table: --seed's, or a fresh one; without, nothing.
std::variant<std::optional<std::uint32_t>, std::string> randomSeed(const TableKind& kind,
                                                                   const Options& options)
{
    const auto seedText = optionalValue(options, "--seed");
    const bool seeded = options.values.count("--balanced") || options.values.count("--from-game");
    if (!options.values.count("--random") && (!seeded || !seedText)) {
        if (seedText) {
            return refusal(
                "--seed は --random、--balanced か --from-game と一緒に指定してください。");
        }
        return std::nullopt;
    }
    if (!seeded && !kind.generateRandom) {
        return refusal(kind.name + " の表には --random がありません。");
    }
    if (!seedText) {
        return std::optional<std::uint32_t>(std::random_device{}());
    }
    if (seedText->empty() || seedText->size() > 10 ||
        seedText->find_first_not_of("0123456789") != std::string::npos ||
        std::stoull(*seedText) > std::numeric_limits<std::uint32_t>::max()) {
        return refusal("--seed には 0 から 4294967295 までの整数を指定してください（「" +
                       *seedText + "」）。");
    }
    return std::optional<std::uint32_t>(static_cast<std::uint32_t>(std::stoull(*seedText)));
}

// A name list longer than this is not one: a wrong file was given.
constexpr std::streamsize kLargestNameFile = 1 << 20;

// Reads the name list at `path` into `text`; returns the message refusing it when it cannot.
std::optional<std::string> readNameFile(const std::string& option, const std::string& path,
                                        std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (in) {
        text.resize(static_cast<std::size_t>(kLargestNameFile) + 1);
        in.read(text.data(), kLargestNameFile + 1);
        text.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (!in && !in.eof()) {
        return option + " の名前のファイル「" + path + "」を読み込めません。";
    }
    if (text.size() > static_cast<std::size_t>(kLargestNameFile)) {
        return option + " の名前のファイル「" + path + "」が大きすぎます。";
    }
    return std::nullopt;
}

// The roster of the name lists given for a table of `params`, or the message refusing them.
std::variant<Roster, std::string> readRoster(const TableKind& kind, const Options& options,
                                             const RunParameters& params)
{
    Roster roster;
    std::vector<NameGroup> groups;
    const std::vector<NameGroup> kindGroups = rosterGroups(kind.matchKind, params);
    for (std::size_t group = 0; group < kind.nameOptions.size(); ++group) {
        const std::string& option = kind.nameOptions[group];
        const auto path = optionalValue(options, option);
        if (!path) {
            continue;
        }
        std::string text;
        if (auto problem = readNameFile(option, *path, text)) {
            return *problem;
        }
        roster.groups[group] = nameLines(text);
        groups.push_back(kindGroups[group]);
    }
    if (auto problem = rosterProblem(roster, groups)) {
        return *problem;
    }
    return roster;
}

int runKind(const TableKind& kind, const std::vector<std::string>& args, std::ostream& out,
            std::ostream& err, const PdfRenderer& renderPdf)
{
    std::vector<std::string> known = kind.countOptions;
    known.insert(known.end(), {"--format", "--pdf", "--print-ops", "--csv", "--encoding", "--seed",
                               "--player-sheets"});
    known.insert(known.end(), kBuildOptions.begin(), kBuildOptions.end());
    known.insert(known.end(), kind.leavingOptions.begin(), kind.leavingOptions.end());
    known.insert(known.end(), kind.nameOptions.begin(), kind.nameOptions.end());
    std::vector<std::string> flags = kBuildFlags;
    flags.push_back("--random");
    const Options options = parseOptions(args, 1, known, flags);
    if (!options.error.empty()) {
        err << options.error << "\n";
        return kRefused;
    }
    const auto read = readOutputs(options);
    if (const auto* message = std::get_if<std::string>(&read)) {
        err << *message << "\n";
        return kRefused;
    }
    const Outputs& outputs = std::get<Outputs>(read);
    if (outputs.prints() && !kind.print) {
        err << refusal(kind.name + " の表には印刷（--pdf、--print-ops）がありません。") << "\n";
        return kRefused;
    }
    if (outputs.csv && !kind.csv) {
        err << refusal(kind.name + " の表には --csv がありません。") << "\n";
        return kRefused;
    }
    if ((outputs.pdf || outputs.playerSheets) && !renderPdf) {
        err << refusal(std::string("ここでは ") + (outputs.pdf ? "--pdf" : "--player-sheets") +
                       " を使えません。")
            << "\n";
        return kRefused;
    }
    const auto seed = randomSeed(kind, options);
    if (const auto* message = std::get_if<std::string>(&seed)) {
        err << *message << "\n";
        return kRefused;
    }
    std::vector<std::string> counts;
    for (const std::string& option : kind.countOptions) {
        counts.push_back(valueOf(options, option));
    }
    const auto params = kind.check(counts);
    if (const auto* message = std::get_if<std::string>(&params)) {
        err << *message << "\n";
        return kRefused;
    }
    const auto roster = readRoster(kind, options, std::get<RunParameters>(params));
    if (const auto* message = std::get_if<std::string>(&roster)) {
        err << *message << "\n";
        return kRefused;
    }
    auto built = buildTable(kind, options.values, std::get<RunParameters>(params),
                            std::get<std::optional<std::uint32_t>>(seed));
    if (const auto* message = std::get_if<std::string>(&built)) {
        err << *message << "\n";
        return kRefused;
    }
    MatchTable& table = std::get<MatchTable>(built);
    // Names given now replace those a rebuilt table carried from the table before.
    if (!std::get<Roster>(roster).empty()) {
        table.roster = std::get<Roster>(roster);
    }
    PrintResult print;
    if (outputs.prints()) {
        print = kind.print(table);
        if (print.refused()) {
            err << print.message << "\n";
            return kRefused;
        }
    }
    PrintResult playerSheets;
    if (outputs.playerSheets) {
        playerSheets = printPlayerSheets(kind.matchKind, table);
        if (playerSheets.refused()) {
            err << playerSheets.message << "\n";
            return kRefused;
        }
    }
    std::string csv;
    if (outputs.csv) {
        csv = kind.csv(table);
        if (const auto problem = encodingProblem(csv, outputs.encoding)) {
            err << *problem << "\n";
            return kRefused;
        }
        csv = encodeText(csv, outputs.encoding);
    }
    if (const auto error = writeFiles(outputs, print, playerSheets, csv, renderPdf)) {
        err << *error << "\n";
        return kWriteFailed;
    }
    if (outputs.format == "json") {
        out << kind.json(table) << "\n";
    } else if (outputs.format == "text") {
        out << gridText(kind.grid(table));
    }
    if (options.values.count("--stats")) {
        out << statsOutput(kind, table, outputs.format);
    }
    return finish(out, err);
}

bool wantsHelp(const std::vector<std::string>& args)
{
    return std::find(args.begin(), args.end(), "--help") != args.end() ||
           std::find(args.begin(), args.end(), "-h") != args.end();
}

} // namespace

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PdfRenderer& renderPdf)
{
    if (!args.empty() && args[0] == "accounts") {
        return runAccountsCommand(args, out, err, renderPdf);
    }
    if (wantsHelp(args)) {
        out << usage();
        return finish(out, err);
    }
    if (args.empty()) {
        err << usage();
        return kRefused;
    }
    for (const TableKind& kind : tableKinds()) {
        if (args[0] == kind.name) {
            return runKind(kind, args, out, err, renderPdf);
        }
    }
    err << refusal("表の種類「" + args[0] + "」はありません（doubles、mixed、team、fixed）。")
        << "\n";
    return kRefused;
}

} // namespace zoruka
