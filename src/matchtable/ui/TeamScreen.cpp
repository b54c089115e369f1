#include "matchtable/ui/TeamScreen.h"

#include "common/ui/QtText.h"
#include "matchtable/MatchKind.h"
#include "matchtable/TeamGenerator.h"
#include "matchtable/TeamGrid.h"
#include "matchtable/TeamSetup.h"
#include "output/TeamPrint.h"

namespace zoruka {

TeamScreen::TeamScreen(QWidget* parent)
    : MatchTableScreen({
                           .matchKind = MatchKind::Team,
                           .name = QStringLiteral("SB団体ゾルカv3"),
                           .caption = QStringLiteral("団体戦・ゾルカ作成"),
                           .messageTitle = ui::toQString(team_setup::kTitle),
                           .printedMessage = ui::toQString(team_setup::kPrinted),
                           .counts = {{QStringLiteral("CAチーム人数"),
                                       QStringLiteral("Aチーム人数"), QStringLiteral("Label1")},
                                      {QStringLiteral("CBチーム人数"),
                                       QStringLiteral("Bチーム人数"), QStringLiteral("Label3")},
                                      {QStringLiteral("Cコート数"), QStringLiteral("試合コート数"),
                                       QStringLiteral("Label5")},
                                      {QStringLiteral("C試合数"), QStringLiteral("試合数"),
                                       QStringLiteral("Label6")}},
                           .pairSizeAfter = 1,
                           .pairSizeLabel = QStringLiteral("チーム人数"),
                           .pairSizeLabelName = QStringLiteral("Label2"),
                           .countPrompt = {},
                           .promptedCounts = 0,
                           .check =
                               [](const Counts& c) {
                                   return verdictOf(team_setup::check(c[0], c[1], c[2], c[3]));
                               },
                           .generate =
                               [](const RunParameters& p) {
                                   return TeamGenerator::generate(p.teamA, p.teamB, p.courts,
                                                                  p.games);
                               },
                           .grid = teamGrid,
                           .print = printTeam,
                           .csv = std::nullopt,
                           .ownWay = QStringLiteral("標準"),
                           .leavingLabels = {QStringLiteral("Aチームの抜ける人の番号"),
                                             QStringLiteral("Bチームの抜ける人の番号")},
                       },
                       parent)
{
}

} // namespace zoruka
