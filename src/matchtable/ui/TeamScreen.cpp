#include "matchtable/ui/TeamScreen.h"

#include "common/ui/QtText.h"
#include "matchtable/TeamGenerator.h"
#include "matchtable/TeamGrid.h"
#include "matchtable/TeamSetup.h"
#include "output/TeamPrint.h"

namespace zoruka {

namespace {

TwoTeamScreen::Verdict checkTeams(const TwoTeamScreen::Counts& counts)
{
    using enum TwoTeamScreen::Field;
    return TwoTeamScreen::verdictOf(
        team_setup::check(counts[TeamA], counts[TeamB], counts[Courts], counts[Games]));
}

MatchTable generateTeams(const RunParameters& params)
{
    return TeamGenerator::generate(params.teamA, params.teamB, params.courts, params.games);
}

} // namespace

TeamScreen::TeamScreen(QWidget* parent)
    : TwoTeamScreen(
          {
              .name = QStringLiteral("SB団体ゾルカv3"),
              .caption = QStringLiteral("団体戦・ゾルカ作成"),
              .messageTitle = ui::toQString(team_setup::kTitle),
              .printedMessage = ui::toQString(team_setup::kPrinted),
              .labels = {QStringLiteral("Aチーム人数"), QStringLiteral("Bチーム人数"),
                         QStringLiteral("試合コート数"), QStringLiteral("試合数")},
              .labelNames = {QStringLiteral("Label1"), QStringLiteral("Label3"),
                             QStringLiteral("Label5"), QStringLiteral("Label6")},
              .teamCountPrompt = {},
              .showsPairSize = true,
              .check = checkTeams,
              .generate = generateTeams,
              .grid = teamGrid,
              .print = printTeam,
          },
          parent)
{
}

} // namespace zoruka
