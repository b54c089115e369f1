#include "cli/CommandLine.h"

#include "matchtable/DoublesGenerator.h"
#include "matchtable/DoublesGrid.h"
#include "matchtable/DoublesSetup.h"
#include "output/GridText.h"
#include "output/TableJson.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

namespace zoruka {

namespace {

constexpr int kRefused = 2;

constexpr const char* kUsage =
    R"(Usage: zoruka-cli doubles --participants N --courts C --games G [--format text|json]

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
  --help             this text

The counts are checked like the screen's combo boxes: a value that is missing or not a whole
number from 0 to 50 gets the screen's message, and so do more courts than the participants can
fill. Messages go to standard error and the exit code is 2.
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

std::string valueOf(const Options& options, const std::string& name)
{
    const auto found = options.values.find(name);
    return found == options.values.end() ? std::string() : found->second;
}

int runDoubles(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const Options options =
        parseOptions(args, 1, {"--participants", "--courts", "--games", "--format"});
    if (!options.error.empty()) {
        err << options.error << "\n" << kUsage;
        return kRefused;
    }
    const std::string format = options.values.count("--format") ? valueOf(options, "--format")
                                                                : "json";
    if (format != "text" && format != "json") {
        err << "unknown format: " << format << " (text or json)\n";
        return kRefused;
    }
    const doubles_setup::Check check =
        doubles_setup::check(valueOf(options, "--participants"), valueOf(options, "--courts"),
                             valueOf(options, "--games"));
    if (!check.ok()) {
        err << check.message << "\n";
        return kRefused;
    }
    const MatchTable table = DoublesGenerator::generate(
        check.params->participants, check.params->courts, check.params->games);
    if (format == "json") {
        out << doublesTableJson(table) << "\n";
    } else {
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

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
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
        return runDoubles(args, out, err);
    }
    err << "unknown table kind: " << args[0] << "\n" << kUsage;
    return kRefused;
}

} // namespace zoruka
