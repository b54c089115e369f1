#include "matchtable/ui/FixedPairScreen.h"

#include "common/ui/QtText.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/FixedPairSetup.h"
#include "matchtable/MatchKind.h"
#include "matchtable/TeamGrid.h"
#include "output/FixedPairPrint.h"

namespace zoruka {

FixedPairScreen::FixedPairScreen(QWidget* parent)
    : MatchTableScreen(
          {
              .matchKind = MatchKind::FixedPairs,
              .name = QStringLiteral("SK対抗ゾルカv3"),
              .caption = QStringLiteral("ペア固定対抗戦・ゾルカ作成"),
              .messageTitle = ui::toQString(fixed_pair_setup::kTitle),
              .printedMessage = ui::toQString(fixed_pair_setup::kPrinted),
              // Both pair counts read "人数" until chosen; their labels tell them apart.
              .counts = {{QStringLiteral("CAチーム人数"), QStringLiteral("Aチーム"), {}},
                         {QStringLiteral("CBチーム人数"), QStringLiteral("Bチーム"), {}},
                         {QStringLiteral("Cコート数"), QStringLiteral("試合コート数"), {}},
                         {QStringLiteral("C試合数"), QStringLiteral("試合数"), {}}},
              .pairSizeAfter = -1,
              .pairSizeLabel = {},
              .pairSizeLabelName = {},
              .countPrompt = QStringLiteral("人数"),
              .promptedCounts = 2,
              .check =
                  [](const Counts& c) {
                      return verdictOf(fixed_pair_setup::check(c[0], c[1], c[2], c[3]));
                  },
              .generate =
                  [](const RunParameters& p) {
                      return FixedPairGenerator::generate(p.teamA, p.teamB, p.courts, p.games);
                  },
              .grid = fixedPairGrid,
              .print = printFixedPairs,
              .csv = std::nullopt,
              .ownWay = QStringLiteral("標準"),
              .leavingLabels = {QStringLiteral("Aチームの抜けるペアの番号"),
                                QStringLiteral("Bチームの抜けるペアの番号")},
          },
          parent)
{
}

} // namespace zoruka
