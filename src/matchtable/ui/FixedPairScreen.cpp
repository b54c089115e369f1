#include "matchtable/ui/FixedPairScreen.h"

#include "common/ui/QtText.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/FixedPairSetup.h"
#include "matchtable/TeamGrid.h"
#include "output/FixedPairPrint.h"

namespace zoruka {

namespace {

TwoTeamScreen::Verdict checkPairs(const TwoTeamScreen::Counts& counts)
{
    using enum TwoTeamScreen::Field;
    return TwoTeamScreen::verdictOf(
        fixed_pair_setup::check(counts[TeamA], counts[TeamB], counts[Courts], counts[Games]));
}

MatchTable generatePairs(const RunParameters& params)
{
    return FixedPairGenerator::generate(params.teamA, params.teamB, params.courts, params.games);
}

} // namespace

FixedPairScreen::FixedPairScreen(QWidget* parent)
    : TwoTeamScreen(
          {
              .name = QStringLiteral("SK対抗ゾルカv3"),
              .caption = QStringLiteral("ペア固定対抗戦・ゾルカ作成"),
              .messageTitle = ui::toQString(fixed_pair_setup::kTitle),
              .printedMessage = ui::toQString(fixed_pair_setup::kPrinted),
              // Both pair counts read "人数" until chosen; their labels tell them apart.
              .labels = {QStringLiteral("Aチーム"), QStringLiteral("Bチーム"),
                         QStringLiteral("試合コート数"), QStringLiteral("試合数")},
              .labelNames = {},
              .teamCountPrompt = QStringLiteral("人数"),
              .showsPairSize = false,
              .check = checkPairs,
              .generate = generatePairs,
              .grid = fixedPairGrid,
              .print = printFixedPairs,
          },
          parent)
{
}

} // namespace zoruka
