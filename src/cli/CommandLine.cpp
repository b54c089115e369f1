#include "cli/CommandLine.h"

#include "matchtable/DoublesGenerator.h"
#include "matchtable/DoublesGrid.h"
#include "matchtable/DoublesSetup.h"
#include "output/DoublesCsv.h"
#include "output/DoublesPrint.h"
#include "output/GridText.h"
#include "output/OutputFile.h"
#include "output/PrintOperationsJson.h"
#include "output/TableJson.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <variant>

namespace zoruka {

namespace {

constexpr int kWriteFailed = 1;
constexpr int kRefused = 2;

constexpr const char* kUsage =
    R"(Usage: zoruka-cli doubles --participants N --courts C --games G [--format text|json]
                         [--pdf FILE] [--print-ops FILE] [--csv FILE [--encoding sjis|utf8]]

Builds a doubles match table as the doubles screen does and prints it.

  --participants N   number of participants, players 1..N (0 to 50)
  --courts C         number of courts; 4 x C players are on court each game (0 to 50)
  --games G          number of games (0 to 50)
  --format json      one line (the default): {"kind":"doubles","params":{...},"games":
                     [{"game":1,"slots":[[1,2],[3,8],...],"rests":[9]},...]}, slots in table
                     order (slot 2c-1 is court c side A, slot 2c side B), games up to the
                     first one that could not be built
  --format text      the grid as the screen shows it: a row per game, a "3-7" cell per court
                     side (courts in rotation order), then the resting players
  --pdf FILE         writes the printed sheets (A4 landscape, ten games a sheet) as a PDF file
  --print-ops FILE   writes the print layout as JSON lines: a line per document
                     {"document":1,"op":"document","paper":"A4","orientation":"landscape"},
                     then one per drawing operation with its document and page, e.g.
                     {"document":1,"page":1,"op":"text","x":5,"y":5,"text":" 9 名",...};
                     millimetres from the sheet's top-left corner, sizes in points
  --csv FILE         writes the table as the CSV export screen does
  --encoding sjis    the CSV file in Shift_JIS (CP932), the default
  --encoding utf8    the CSV file in UTF-8 with a byte-order mark
  --help             this text

With --pdf, --print-ops or --csv the table goes to standard output only when --format is given.
Each file is replaced only once it is complete.

The counts are checked like the screen's combo boxes: a value that is missing or not a whole
number from 0 to 50 gets the screen's message, and so do more courts than the participants can
fill. Printing (--pdf, --print-ops) is refused for 9 or more courts or when no game could be
built. Messages go to standard error; the exit code is 2 for a refusal, when nothing is
written, and 1 when a file cannot be written.
)";

struct Options {
    std::map<std::string, std::string> values;
    std::string error;
};

// "--name value" and "--name=value"; `known` lists the names that take a value.
Options parseOptions(const std::vector<std::string>& args, std::size_t first,
                     const std::vector<std::string>& known)
{
    Options options;
    for (std::size_t i = first; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.erase(eq);
        }
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            options.error = "unknown argument: " + args[i];
            return options;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                options.error = "missing value for " + name;
                return options;
            }
            value = args[++i];
        }
        options.values[name] = *value;
    }
    return options;
}

std::optional<std::string> optionalValue(const Options& options, const std::string& name)
{
    const auto found = options.values.find(name);
    return found == options.values.end() ? std::nullopt : std::optional(found->second);
}

std::string valueOf(const Options& options, const std::string& name)
{
    return optionalValue(options, name).value_or("");
}

// What a doubles run is asked to produce besides the table itself.
struct DoublesOutputs {
    std::string format; // "text" or "json"; empty when the table goes to no standard output
    std::optional<std::string> pdf;
    std::optional<std::string> printOps;
    std::optional<std::string> csv;
    TextEncoding encoding = TextEncoding::ShiftJis;

    bool prints() const { return pdf || printOps; }
};

// The outputs asked for, or the message refusing them.
std::variant<DoublesOutputs, std::string> readOutputs(const Options& options)
{
    DoublesOutputs outputs;
    outputs.pdf = optionalValue(options, "--pdf");
    outputs.printOps = optionalValue(options, "--print-ops");
    outputs.csv = optionalValue(options, "--csv");
    const bool toFiles = outputs.prints() || outputs.csv;
    outputs.format = optionalValue(options, "--format").value_or(toFiles ? "" : "json");
    if (!outputs.format.empty() && outputs.format != "text" && outputs.format != "json") {
        return "unknown format: " + outputs.format + " (text or json)";
    }
    if (const auto encoding = optionalValue(options, "--encoding")) {
        if (!outputs.csv) {
            return std::string("--encoding applies to --csv only");
        }
        if (*encoding != "sjis" && *encoding != "utf8") {
            return "unknown encoding: " + *encoding + " (sjis or utf8)";
        }
        outputs.encoding = *encoding == "utf8" ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
    }
    return outputs;
}

// Writes the files asked for; returns the first failure's message.
std::optional<std::string> writeFiles(const MatchTable& table, const DoublesOutputs& outputs,
                                      const PrintResult& print, const PdfWriter& writePdf)
{
    if (outputs.printOps) {
        if (auto error = writeOutputFile(*outputs.printOps, printOperationsJson(print.documents))) {
            return error;
        }
    }
    if (outputs.csv) {
        if (auto error = writeDoublesCsv(table, *outputs.csv, outputs.encoding)) {
            return error;
        }
    }
    if (outputs.pdf) {
        return writePdf(print.documents, *outputs.pdf);
    }
    return std::nullopt;
}

int runDoubles(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const PdfWriter& writePdf)
{
    const Options options = parseOptions(args, 1,
                                         {"--participants", "--courts", "--games", "--format",
                                          "--pdf", "--print-ops", "--csv", "--encoding"});
    if (!options.error.empty()) {
        err << options.error << "\n" << kUsage;
        return kRefused;
    }
    const auto read = readOutputs(options);
    if (const auto* message = std::get_if<std::string>(&read)) {
        err << *message << "\n";
        return kRefused;
    }
    const DoublesOutputs& outputs = std::get<DoublesOutputs>(read);
    if (outputs.pdf && !writePdf) {
        err << "PDF output is not available here\n";
        return kRefused;
    }
    const doubles_setup::Check check =
        doubles_setup::check(valueOf(options, "--participants"), valueOf(options, "--courts"),
                             valueOf(options, "--games"));
    if (!check.ok()) {
        err << check.message << "\n";
        return kRefused;
    }
    const MatchTable table = DoublesGenerator::generate(check.params->participants,
                                                        check.params->courts, check.params->games);
    PrintResult print;
    if (outputs.prints()) {
        print = printDoubles(table);
        if (print.refused()) {
            err << print.message << "\n";
            return kRefused;
        }
    }
    if (const auto error = writeFiles(table, outputs, print, writePdf)) {
        err << *error << "\n";
        return kWriteFailed;
    }
    if (outputs.format == "json") {
        out << doublesTableJson(table) << "\n";
    } else if (outputs.format == "text") {
        out << gridText(doublesGrid(table));
    }
    return 0;
}

bool wantsHelp(const std::vector<std::string>& args)
{
    return std::find(args.begin(), args.end(), "--help") != args.end() ||
           std::find(args.begin(), args.end(), "-h") != args.end();
}

} // namespace

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PdfWriter& writePdf)
{
    if (wantsHelp(args)) {
        out << kUsage;
        return 0;
    }
    if (args.empty()) {
        err << kUsage;
        return kRefused;
    }
    if (args[0] == "doubles") {
        return runDoubles(args, out, err, writePdf);
    }
    err << "unknown table kind: " << args[0] << "\n" << kUsage;
    return kRefused;
}

} // namespace zoruka
