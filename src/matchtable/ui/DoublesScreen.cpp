#include "matchtable/ui/DoublesScreen.h"

#include "common/ui/QtText.h"
#include "matchtable/DoublesGenerator.h"
#include "matchtable/DoublesGrid.h"
#include "matchtable/DoublesSetup.h"
#include "matchtable/MatchKind.h"
#include "matchtable/RandomTables.h"
#include "output/DoublesCsv.h"
#include "output/DoublesPrint.h"

#include <random>

namespace zoruka {

namespace {

MatchTable generate(PairingMode mode, const RunParameters& p)
{
    if (mode == PairingMode::Random) {
        return randomDoubles(p.participants, p.courts, p.games, std::random_device{}());
    }
    return DoublesGenerator::generate(p.participants, p.courts, p.games);
}

CsvExportSpec csvExport(const MatchTable& table)
{
    return {QStringLiteral("SB対戦CSV出力"), QStringLiteral("対戦CSV出力"),
            ui::toQString(doubles_csv::kTitle), ui::toQString(doubles_csv::kDone),
            [table](const std::string& path, TextEncoding encoding) {
                return writeDoublesCsv(table, path, encoding);
            }};
}

} // namespace

DoublesScreen::DoublesScreen(PairingMode mode, QWidget* parent)
    : MatchTableScreen(
          {
              .matchKind = MatchKind::Doubles,
              .name = mode == PairingMode::Random ? QStringLiteral("SBゾルカv4")
                                                  : QStringLiteral("SBゾルカv3"),
              .caption = mode == PairingMode::Random ? QStringLiteral("ダブルス・ゾルカ作成Random")
                                                     : QStringLiteral("ダブルス・ゾルカ作成"),
              .messageTitle = ui::toQString(doubles_setup::kTitle),
              .printedMessage = ui::toQString(doubles_setup::kPrinted),
              .counts = {{QStringLiteral("C参加人数"), QStringLiteral("設定人数"), {}},
                         {QStringLiteral("Cコート数"), QStringLiteral("試合コート数"), {}},
                         {QStringLiteral("C試合数"), QStringLiteral("試合数"), {}}},
              .pairSizeAfter = 2,
              .pairSizeLabel = QStringLiteral("人数"),
              .pairSizeLabelName = {},
              .countPrompt = {},
              .promptedCounts = 0,
              .check =
                  [](const Counts& c) { return verdictOf(doubles_setup::check(c[0], c[1], c[2])); },
              .generate = [mode](const RunParameters& p) { return generate(mode, p); },
              .grid = doublesGrid,
              .print = printDoubles,
              .csv = CsvExport{ui::toQString(doubles_csv::kTitle), csvExport},
              .ownWay =
                  mode == PairingMode::Random ? QStringLiteral("ランダム") : QStringLiteral("標準"),
              .leavingLabels = {QStringLiteral("抜ける人の番号")},
          },
          parent)
{
}

} // namespace zoruka
