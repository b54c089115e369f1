#include "matchtable/ui/MixedScreen.h"

#include "common/ui/QtText.h"
#include "matchtable/MatchKind.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/MixedGrid.h"
#include "matchtable/MixedSetup.h"
#include "matchtable/RandomTables.h"
#include "output/MixedCsv.h"
#include "output/MixedPrint.h"

#include <random>

namespace zoruka {

namespace {

MatchTable generate(PairingMode mode, const RunParameters& p)
{
    if (mode == PairingMode::Random) {
        return randomMixed(p.men, p.women, p.courts, p.games, std::random_device{}());
    }
    return MixedGenerator::generate(p.men, p.women, p.courts, p.games);
}

CsvExportSpec csvExport(const MatchTable& table)
{
    return {QStringLiteral("SBMix対戦CSV"), QStringLiteral("Mixダブルス対戦CSV出力"),
            ui::toQString(mixed_csv::kTitle), ui::toQString(mixed_csv::kDone),
            [table](const std::string& path, TextEncoding encoding) {
                return writeMixedCsv(table, path, encoding);
            }};
}

} // namespace

MixedScreen::MixedScreen(PairingMode mode, QWidget* parent)
    : MatchTableScreen(
          {
              .matchKind = MatchKind::Mixed,
              .name = mode == PairingMode::Random ? QStringLiteral("SBMixゾルカv4")
                                                  : QStringLiteral("SBMixゾルカv3"),
              .caption = mode == PairingMode::Random
                             ? QStringLiteral("MIXダブルス・ゾルカ作成Random")
                             : QStringLiteral("MIXダブルス・ゾルカ作成"),
              .messageTitle = ui::toQString(mixed_setup::kTitle),
              .printedMessage = ui::toQString(mixed_setup::kPrinted),
              .counts = {{QStringLiteral("C男"), QStringLiteral("男性人数"), {}},
                         {QStringLiteral("C女"), QStringLiteral("女性人数"), {}},
                         {QStringLiteral("Cコート数"), QStringLiteral("試合コート数"), {}},
                         {QStringLiteral("C試合数"), QStringLiteral("試合数"), {}}},
              .pairSizeAfter = 3,
              .pairSizeLabel = QStringLiteral("人数"),
              .pairSizeLabelName = {},
              .countPrompt = {},
              .promptedCounts = 0,
              .check =
                  [](const Counts& c) {
                      return verdictOf(mixed_setup::check(c[0], c[1], c[2], c[3]));
                  },
              .generate = [mode](const RunParameters& p) { return generate(mode, p); },
              .grid = mixedGrid,
              .print = printMixed,
              .csv = CsvExport{ui::toQString(mixed_setup::kTitle), csvExport},
              .ownWay =
                  mode == PairingMode::Random ? QStringLiteral("ランダム") : QStringLiteral("標準"),
              .leavingLabels = {QStringLiteral("抜ける男性の番号"),
                                QStringLiteral("抜ける女性の番号")},
          },
          parent)
{
}

} // namespace zoruka
