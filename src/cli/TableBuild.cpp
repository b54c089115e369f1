#include "cli/TableBuild.h"

#include "cli/PreviousTable.h"
#include "cli/Refusal.h"
#include "matchtable/BalancedTables.h"
#include "matchtable/LineupSetup.h"
#include "matchtable/TableFairness.h"

namespace zoruka {

namespace {

bool given(const OptionValues& options, const std::string& name) { return options.count(name) > 0; }

std::string valueOr(const OptionValues& options, const std::string& name)
{
    const auto found = options.find(name);
    return found == options.end() ? std::string() : found->second;
}

// The message refusing options that do not go together, or nothing.
std::optional<std::string> clash(const TableKind& kind, const OptionValues& options)
{
    const bool rebuild = given(options, "--from-game") || given(options, "--previous");
    if (given(options, "--balanced") && given(options, "--random")) {
        return refusal("--balanced と --random は一緒に指定できません。");
    }
    if (rebuild && given(options, "--random")) {
        return refusal("--from-game と --random は一緒に指定できません。");
    }
    if (rebuild && !(given(options, "--from-game") && given(options, "--previous"))) {
        return refusal("--from-game と --previous は一緒に指定してください。");
    }
    if (given(options, "--mix-halves") && !given(options, "--balanced") && !rebuild) {
        return refusal("--mix-halves は --balanced か --from-game と一緒に指定してください。");
    }
    for (const std::string& leaving : kind.leavingOptions) {
        if (given(options, leaving) && !rebuild) {
            return refusal(leaving + " は --from-game と一緒に指定してください。");
        }
    }
    return std::nullopt;
}

} // namespace

std::variant<MatchTable, std::string> buildTable(const TableKind& kind, const OptionValues& options,
                                                 const RunParameters& params,
                                                 std::optional<std::uint32_t> seed)
{
    if (auto message = clash(kind, options)) {
        return *message;
    }
    BalancedOptions balanced;
    balanced.seed = seed.value_or(0);
    balanced.mixHalves = given(options, "--mix-halves");
    if (given(options, "--from-game")) {
        auto previous = readTableJson(kind.matchKind, valueOr(options, "--previous"));
        if (const auto* message = std::get_if<std::string>(&previous)) {
            return *message;
        }
        std::array<std::string, 2> leaving;
        for (std::size_t group = 0; group < kind.leavingOptions.size(); ++group) {
            leaving[group] = valueOr(options, kind.leavingOptions[group]);
        }
        const MatchTable& table = std::get<MatchTable>(previous);
        const auto change =
            lineup_setup::check(kind.matchKind, table, valueOr(options, "--from-game"), params,
                                {leaving[0], leaving[1]});
        if (const auto* message = std::get_if<std::string>(&change)) {
            return *message;
        }
        return rebuiltTable(kind.matchKind, table, std::get<LineupChange>(change), balanced);
    }
    if (given(options, "--balanced")) {
        return balancedTable(kind.matchKind, params, balanced);
    }
    if (seed) {
        return kind.generateRandom(params, *seed);
    }
    return kind.generate(params);
}

std::string statsOutput(const TableKind& kind, const MatchTable& table, const std::string& format)
{
    const TableFairness f = tableFairness(kind.matchKind, table);
    if (format == "json") {
        const auto field = [](const char* name, int value) {
            return "\"" + std::string(name) + "\":" + std::to_string(value);
        };
        return "{\"stats\":{" + field("built", f.built) + "," + field("asked", f.asked) + "," +
               field("bound", f.bound) + "," + field("repeats", f.repeats) + "," +
               field("most_meetings", f.mostMeetings) + "," +
               field("meetings_floor", f.meetingsFloor) + "," + field("rest_spread", f.restSpread) +
               "}}\n";
    }
    return fairnessLine(kind.matchKind, f) + "\n";
}

} // namespace zoruka
