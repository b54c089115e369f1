#include "cli/TableKinds.h"

#include "matchtable/DoublesGenerator.h"
#include "matchtable/DoublesGrid.h"
#include "matchtable/DoublesSetup.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/FixedPairSetup.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/MixedGrid.h"
#include "matchtable/MixedSetup.h"
#include "matchtable/RandomTables.h"
#include "matchtable/TeamGenerator.h"
#include "matchtable/TeamGrid.h"
#include "matchtable/TeamSetup.h"
#include "output/DoublesCsv.h"
#include "output/DoublesPrint.h"
#include "output/FixedPairPrint.h"
#include "output/MixedCsv.h"
#include "output/MixedPrint.h"
#include "output/TableJson.h"
#include "output/TeamPrint.h"

namespace zoruka {

namespace {

using Checked = std::variant<RunParameters, std::string>;

// A screen's check as the run parameters or the message.
template <typename Check> Checked checked(const Check& check)
{
    if (!check.ok()) {
        return check.message;
    }
    return *check.params;
}

std::vector<TableKind> makeKinds()
{
    std::vector<TableKind> kinds;

    TableKind doubles;
    doubles.name = "doubles";
    doubles.matchKind = MatchKind::Doubles;
    doubles.leavingOptions = {"--leaving"};
    doubles.countOptions = {"--participants", "--courts", "--games"};
    doubles.countHelp = "  --participants N   players 1..N\n"
                        "  --courts C         4 x C players are on court each game\n"
                        "  --names FILE       the players' names, one a line in number order\n";
    doubles.nameOptions = {"--names"};
    doubles.check = [](const std::vector<std::string>& c) {
        return checked(doubles_setup::check(c[0], c[1], c[2]));
    };
    doubles.generate = [](const RunParameters& p) {
        return DoublesGenerator::generate(p.participants, p.courts, p.games);
    };
    doubles.generateRandom = [](const RunParameters& p, std::uint32_t seed) {
        return randomDoubles(p.participants, p.courts, p.games, seed);
    };
    doubles.json = doublesTableJson;
    doubles.grid = doublesGrid;
    doubles.print = printDoubles;
    doubles.csv = doublesCsv;
    kinds.push_back(doubles);

    TableKind mixed;
    mixed.name = "mixed";
    mixed.matchKind = MatchKind::Mixed;
    mixed.leavingOptions = {"--leaving-men", "--leaving-women"};
    mixed.countOptions = {"--men", "--women", "--courts", "--games"};
    mixed.countHelp = "  --men M --women W  men 1..M and women 1..W, each pair a man and a woman\n"
                      "  --courts C         2 x C men and 2 x C women are on court each game\n"
                      "  --men-names FILE --women-names FILE   the men's and the women's names\n";
    mixed.nameOptions = {"--men-names", "--women-names"};
    mixed.check = [](const std::vector<std::string>& c) {
        return checked(mixed_setup::check(c[0], c[1], c[2], c[3]));
    };
    mixed.generate = [](const RunParameters& p) {
        return MixedGenerator::generate(p.men, p.women, p.courts, p.games);
    };
    mixed.generateRandom = [](const RunParameters& p, std::uint32_t seed) {
        return randomMixed(p.men, p.women, p.courts, p.games, seed);
    };
    mixed.json = mixedTableJson;
    mixed.grid = mixedGrid;
    mixed.print = printMixed;
    mixed.csv = mixedCsv;
    kinds.push_back(mixed);

    TableKind team;
    team.name = "team";
    team.matchKind = MatchKind::Team;
    team.leavingOptions = {"--leaving-a", "--leaving-b"};
    team.countOptions = {"--a-size", "--b-size", "--courts", "--games"};
    team.countHelp = "  --a-size NA --b-size NB   players of the A team and of the B team\n"
                     "  --courts C         an A pair against a B pair on each court\n"
                     "  --a-names FILE --b-names FILE   the names of the A and the B team\n";
    team.nameOptions = {"--a-names", "--b-names"};
    team.check = [](const std::vector<std::string>& c) {
        return checked(team_setup::check(c[0], c[1], c[2], c[3]));
    };
    team.generate = [](const RunParameters& p) {
        return TeamGenerator::generate(p.teamA, p.teamB, p.courts, p.games);
    };
    team.json = teamTableJson;
    team.grid = teamGrid;
    team.print = printTeam;
    kinds.push_back(team);

    TableKind fixed;
    fixed.name = "fixed";
    fixed.matchKind = MatchKind::FixedPairs;
    fixed.leavingOptions = {"--leaving-a", "--leaving-b"};
    fixed.countOptions = {"--a-pairs", "--b-pairs", "--courts", "--games"};
    fixed.countHelp = "  --a-pairs NA --b-pairs NB fixed pairs of the A team and of the B team\n"
                      "  --courts C         an A pair against a B pair on each court\n"
                      "  --a-names FILE --b-names FILE   the names of the A and the B pairs,\n"
                      "                     one pair a line (\"山田・佐藤\")\n";
    fixed.nameOptions = {"--a-names", "--b-names"};
    fixed.check = [](const std::vector<std::string>& c) {
        return checked(fixed_pair_setup::check(c[0], c[1], c[2], c[3]));
    };
    fixed.generate = [](const RunParameters& p) {
        return FixedPairGenerator::generate(p.teamA, p.teamB, p.courts, p.games);
    };
    fixed.json = fixedPairTableJson;
    fixed.grid = fixedPairGrid;
    fixed.print = printFixedPairs;
    kinds.push_back(fixed);

    return kinds;
}

} // namespace

const std::vector<TableKind>& tableKinds()
{
    static const std::vector<TableKind> kinds = makeKinds();
    return kinds;
}

} // namespace zoruka
